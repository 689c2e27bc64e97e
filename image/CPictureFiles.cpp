#include "image/CPictureFiles.h"

#include "image/CRasterImage.h"
#include "platform/mfc/CFile.h"
#include "platform/win/GlobalMemory.h"

const std::vector<BYTE>* CPictureFiles::Place(const std::string& path) {
    auto found = m_pictures.find(path);
    if (found == m_pictures.end())
        found = m_pictures.emplace(path, Load(path)).first;
    std::optional<std::vector<BYTE>>& picture = found->second;
    if (!picture) {
        m_leftOut += m_tooLarge.count(path);
        return nullptr;
    }
    if (picture->size() > m_bytesLeft) {
        // The budget only shrinks: the picture will not fit later either.
        ++m_leftOut;
        m_tooLarge.insert(path);
        picture.reset();
        return nullptr;
    }
    m_bytesLeft -= picture->size();
    return &*picture;
}

std::optional<std::vector<BYTE>> CPictureFiles::Load(const std::string& path) {
    // CFile refuses pipes and devices, which would block or never end.
    CFile file;
    if (!file.Open(path.c_str(), CFile::modeRead))
        return std::nullopt;
    CRasterImage image;
    if (!image.LoadFile(file, 1))
        return std::nullopt;
    const HGLOBAL block = image.GetHandle();
    const auto* bytes = static_cast<const BYTE*>(GlobalLock(block));
    if (!bytes)
        return std::nullopt;
    std::vector<BYTE> dib(bytes, bytes + GlobalSize(block));
    GlobalUnlock(block);
    return dib;
}
