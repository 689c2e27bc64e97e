#include "plugins/dxf/CDxfImageReader.h"

#include "platform/mfc/Cp932.h"
#include "plugins/dxf/CDxfEntityGroups.h"
#include "plugins/dxf/CDxfEntityStyle.h"
#include "plugins/dxf/CDxfFile.h"
#include "plugins/dxf/CDxfGroup.h"
#include "plugins/dxf/CDxfTextDecoder.h"

#include <sys/stat.h>

#include <cctype>

namespace {

bool IsWindowsPath(std::string_view name) {
    return name.find('\\') != std::string_view::npos ||
           (name.size() >= 2 && name[1] == ':' &&
            std::isalpha(static_cast<unsigned char>(name[0])));
}

// The name with the second byte of every CP932 character blanked: what is
// left of "\", "/" and ":" separates.
std::string Separators(std::string_view name) {
    std::string separators(name);
    for (std::size_t i = 0; i < name.size();) {
        const auto length = static_cast<std::size_t>(Cp932::CharLength(name, i));
        for (std::size_t k = 1; k < length; ++k)
            separators[i + k] = '_';
        i += length;
    }
    return separators;
}

bool Exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

} // namespace

std::string CDxfImageReader::PathOf(std::string_view folder, std::string_view name, bool cp932) {
    if (name.empty())
        return {};
    const std::string separators = cp932 ? Separators(name) : std::string(name);
    if (IsWindowsPath(separators)) {
        const std::size_t cut = separators.find_last_of("\\/:");
        return std::string(folder) + std::string(name.substr(cut + 1));
    }
    if (name.front() == '/')
        return std::string(name);
    return std::string(folder) + std::string(name);
}

void CDxfImageReader::Image(CDxfFile& file, CPorStream& target, const DPOINT& base) {
    CDxfEntityGroups groups;
    std::string definition;
    CDxfGroup group;
    while (file.ReadGroup(group)) {
        if (group.code == 0) {
            file.UngetGroup();
            break;
        }
        if (group.code == 340)
            definition = std::string(group.value);
        else
            groups.Take(group, m_decoder);
    }
    const std::string name = m_definitions.NameAfter(file, definition);
    const bool cp932 = m_decoder.IsCp932();
    std::string path = PathOf(m_folder, name, cp932);
    // A drawing of the Shift-JIS era names its files in CP932.
    if (!path.empty() && !Exists(path))
        if (const std::string converted = PathOf(m_folder, Cp932::ToUtf8(name), false);
            Exists(converted))
            path = converted;
    const CDxfImagePlacement placement{{groups.points[0].x - base.x, groups.points[0].y - base.y},
                                       groups.points[1],
                                       groups.points[2],
                                       groups.points[3].x,
                                       groups.points[3].y};
    const CDxfPen pen = m_style.Pen(groups);
    m_emitter.WriteImage(placement, path.c_str(), m_decoder.Decode(name), pen.lineType, pen.color,
                         {groups.handle, groups.layer}, target);
}
