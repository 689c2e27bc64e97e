#include "entities/CChildForest.h"

#include "entities/CRukEntity.h"

#include <unordered_map>
#include <unordered_set>
#include <utility>

bool CChildForest::IsSound(const std::vector<const CRukEntity*>& entities) {
    // Every entity reached, and the ones that stand in a child list.
    std::unordered_set<const CRukEntity*> nodes;
    std::unordered_set<const CRukEntity*> children;
    std::vector<const CRukEntity*> pending(entities.begin(), entities.end());
    while (!pending.empty()) {
        const CRukEntity* node = pending.back();
        pending.pop_back();
        if (!node || !nodes.insert(node).second)
            continue;
        for (POSITION position = node->GetHeadPosition(); position;) {
            const CRukEntity* child = node->GetNext(position);
            if (!child)
                continue;
            if (!children.insert(child).second)
                return false;
            pending.push_back(child);
        }
    }
    // With one parent at most, the entities form trees under those without
    // a parent; whatever those trees miss lies on a cycle.
    std::vector<std::pair<const CRukEntity*, int>> walk;
    for (const CRukEntity* node : nodes)
        if (!children.count(node))
            walk.emplace_back(node, 0);
    std::size_t visited = 0;
    while (!walk.empty()) {
        const auto [node, depth] = walk.back();
        walk.pop_back();
        ++visited;
        if (depth > kMaxDepth)
            return false;
        for (POSITION position = node->GetHeadPosition(); position;)
            if (const CRukEntity* child = node->GetNext(position))
                walk.emplace_back(child, depth + 1);
    }
    return visited == nodes.size();
}
