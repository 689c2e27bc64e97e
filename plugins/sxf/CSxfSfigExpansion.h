#pragma once
// Expands sub-figure placements into moved copies of their definitions,
// walking the nesting with a stack of its own rather than the call stack.
// Placements inside definitions nest up to MaxDepth levels; a definition
// that would place itself again is cut off; every copy made through one
// expansion (a whole drawing) is counted against one budget. A placement
// left empty for the depth or the budget marks the drawing as cut, so the
// user can be told.

#include <cstddef>
#include <memory>

class CSxfSfigLocate;

class CSxfSfigExpansion {
public:
    static constexpr std::size_t DefaultBudget = 500'000;
    static constexpr std::size_t MaxDepth = 64;

    explicit CSxfSfigExpansion(std::size_t budget = DefaultBudget) : m_copiesLeft(budget) {}

    // The placement with its definition's members copied and placed, nested
    // placements expanded the same way.
    std::unique_ptr<CSxfSfigLocate> Expand(const CSxfSfigLocate& placement);

    // True once the depth or the budget left something out.
    bool Cut() const { return m_cut; }

private:
    std::size_t m_copiesLeft;
    bool m_cut = false;
};
