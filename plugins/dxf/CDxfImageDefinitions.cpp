#include "plugins/dxf/CDxfImageDefinitions.h"

#include "plugins/dxf/CDxfFile.h"
#include "plugins/dxf/CDxfGroup.h"

#include <algorithm>

std::string CDxfImageDefinitions::NameAfter(CDxfFile& file, std::string_view handle) {
    if (!m_gathered)
        Gather(file);
    const auto found = m_definitions.find(std::string(handle));
    if (found == m_definitions.end())
        return {};
    const std::size_t position = file.GetPosition();
    const auto& definitions = found->second;
    const auto after = std::lower_bound(
        definitions.begin(), definitions.end(), position,
        [](const Definition& definition, std::size_t at) { return definition.position < at; });
    return after == definitions.end() ? std::string() : after->name;
}

void CDxfImageDefinitions::Gather(CDxfFile& file) {
    m_gathered = true;
    const std::size_t start = file.GetPosition();
    CDxfGroup group;
    for (std::size_t at = start; file.ReadGroup(group); at = file.GetPosition()) {
        if (!group.Is(0, "IMAGEDEF"))
            continue;
        // The handle must follow the object's name at once.
        if (!file.ReadGroup(group) || group.code != 5)
            continue;
        Definition definition{at, {}};
        const std::string handle(group.value);
        while (file.ReadGroup(group)) {
            if (group.code == 0) {
                file.UngetGroup();
                break;
            }
            if (group.code == 1)
                definition.name = std::string(group.value);
        }
        m_definitions[handle].push_back(std::move(definition));
    }
    file.SetPosition(start);
}
