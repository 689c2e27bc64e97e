#include "plugins/sxf/CSxfSfigExpansion.h"

#include "plugins/sxf/CSxfReader.h"
#include "plugins/sxf/CSxfSfigLocate.h"
#include "plugins/sxf/CSxfSfigOrg.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// One placement being expanded: where it came from, its definition, the
// next member to copy and the copy being filled.
struct Level {
    const CSxfSfigLocate* source;
    const CSxfSfigOrg* definition;
    std::size_t next;
    std::unique_ptr<CSxfSfigLocate> copy;
};

const CSxfSfigOrg* DefinitionOf(const CSxfSfigLocate& placement) {
    const CSxfReader* owner = placement.GetOwner();
    return owner ? owner->FindSfigOrg(placement.Data().name) : nullptr;
}

} // namespace

std::unique_ptr<CSxfSfigLocate> CSxfSfigExpansion::Expand(const CSxfSfigLocate& placement) {
    std::vector<Level> levels;
    const auto enter = [&](const CSxfSfigLocate& source) -> std::unique_ptr<CSxfSfigLocate> {
        auto copy = source.EmptyCopy();
        const CSxfSfigOrg* definition = DefinitionOf(source);
        const bool placesItself =
            std::any_of(levels.begin(), levels.end(), [&](const Level& level) {
                return std::strcmp(level.source->Data().name, source.Data().name) == 0;
            });
        if (!definition || placesItself) {
            return copy;
        }
        if (levels.size() == MaxDepth) {
            m_cut = true;
            return copy;
        }
        levels.push_back({&source, definition, 0, std::move(copy)});
        return nullptr;
    };

    if (auto empty = enter(placement)) {
        return empty;
    }
    for (;;) {
        Level& level = levels.back();
        const auto& members = level.definition->Members();
        if (level.next == members.size()) {
            std::unique_ptr<CSxfSfigLocate> done = std::move(level.copy);
            levels.pop_back();
            if (levels.empty()) {
                return done;
            }
            levels.back().copy->Adopt(std::move(done));
            continue;
        }
        if (m_copiesLeft == 0) {
            // Nothing more is copied anywhere: every open level closes.
            m_cut = true;
            level.next = members.size();
            continue;
        }
        --m_copiesLeft;
        const CSxfObject& member = *members[level.next++];
        if (const auto* nested = dynamic_cast<const CSxfSfigLocate*>(&member)) {
            if (auto empty = enter(*nested)) {
                levels.back().copy->Adopt(std::move(empty));
            }
        } else {
            level.copy->Adopt(member.Clone());
        }
    }
}
