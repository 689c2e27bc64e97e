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
            ++m_leftOut;
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
        if (m_budgetLeft == 0) {
            // Nothing more is copied anywhere: every open level closes.
            m_leftOut += members.size() - level.next;
            level.next = members.size();
            continue;
        }
        const CSxfObject& member = *members[level.next];
        if (const auto* nested = dynamic_cast<const CSxfSfigLocate*>(&member)) {
            if (!Spend(1)) {
                continue;
            }
            ++level.next;
            if (auto empty = enter(*nested)) {
                levels.back().copy->Adopt(std::move(empty));
            }
        } else {
            // A fill's outlines are resolved by the copy: its size is known
            // only then.
            auto copy = member.Clone();
            if (!Spend(1 + copy->PointCount())) {
                continue;
            }
            ++level.next;
            level.copy->Adopt(std::move(copy));
        }
    }
}

bool CSxfSfigExpansion::Spend(std::size_t cost) {
    if (cost > m_budgetLeft) {
        m_budgetLeft = 0;
        return false;
    }
    m_budgetLeft -= cost;
    return true;
}
