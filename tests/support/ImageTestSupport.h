#pragma once
// Pictures with known pixels, files in a private folder and archives in
// memory for the raster image tests.

#include "image/CRasterImage.h"
#include "platform/gdi/CDibLayout.h"
#include "platform/mfc/CArchive.h"
#include "platform/mfc/CFile.h"
#include "platform/mfc/CMemFile.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <csignal>
#include <cstring>
#include <string>
#include <vector>

namespace imagetest {

using Bytes = std::vector<BYTE>;

// An image of that depth whose rows hold a pattern that differs per row
// and column; deeper pictures get distinct colours, indexed ones indexes.
inline void FillPattern(CRasterImage& image) {
    const int width = image.GetWidth();
    const int height = image.GetHeight();
    const std::size_t rowBytes = CDibLayout::RowBytes(image.GetBitCount(), width);
    BYTE* bits = image.GetBits();
    for (int row = 0; row < height; ++row)
        for (std::size_t i = 0; i < rowBytes; ++i)
            bits[row * rowBytes + i] = static_cast<BYTE>((row * 37 + i * 11 + 5) & 0xFF);
    // Padding bytes stay zero, as writers leave them.
    const std::size_t used = (static_cast<std::size_t>(image.GetBitCount()) * width + 7) / 8;
    for (int row = 0; row < height; ++row) {
        std::memset(bits + row * rowBytes + used, 0, rowBytes - used);
        const int spare =
            static_cast<int>(used * 8 - static_cast<std::size_t>(image.GetBitCount()) * width);
        if (spare > 0)
            bits[row * rowBytes + used - 1] &= static_cast<BYTE>(0xFF << spare);
    }
}

inline Bytes BitsOf(const CRasterImage& image) {
    const BYTE* bits = image.GetBits();
    return Bytes(bits, bits + image.GetHeader()->biSizeImage);
}

class TempFolder {
public:
    std::string Path(const char* name) const { return (m_dir.path() + "/" + name).toStdString(); }

private:
    QTemporaryDir m_dir;
};

inline Bytes ReadAll(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    return Bytes(data.begin(), data.end());
}

inline void WriteAll(const std::string& path, const Bytes& bytes) {
    QFile file(QString::fromStdString(path));
    file.open(QIODevice::WriteOnly);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

// LoadFile on a file of that name.
inline int LoadPath(CRasterImage& image, const std::string& path) {
    CFile file;
    if (!file.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone))
        return -1;
    return image.LoadFile(file, 1);
}

// While it lives, files may not grow beyond a few bytes: writing fails as
// on a full disk.
class FileSizeLimit {
public:
    FileSizeLimit() {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_previous;
        limit.rlim_cur = 64;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_previous{};
    void (*m_handler)(int) = nullptr;
};

template <class F> Bytes Store(F write) {
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        write(ar);
        ar.Close();
    }
    Bytes out(static_cast<std::size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(out.data(), static_cast<UINT>(out.size()));
    return out;
}

template <class F> void Load(Bytes bytes, F read) {
    CMemFile file(bytes.empty() ? nullptr : bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    read(ar);
}

} // namespace imagetest
