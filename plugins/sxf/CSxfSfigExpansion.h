#pragma once
// Expands sub-figure placements into moved copies of their definitions,
// walking the nesting with a stack of its own rather than the call stack.
// Placements inside definitions nest up to MaxDepth levels; a definition
// that would place itself again is cut off; every copy made through one
// expansion (a whole drawing) is paid from one budget, by its size: 1 plus
// the points it holds, so a few huge polylines placed many times run out as
// surely as many small features. Once a copy does not fit, nothing more is
// copied. What the depth or the budget leaves out is counted, so the user
// can be told.

#include <cstddef>
#include <memory>

class CSxfSfigLocate;

class CSxfSfigExpansion {
public:
    static constexpr std::size_t DefaultBudget = 500'000;
    static constexpr std::size_t MaxDepth = 64;

    explicit CSxfSfigExpansion(std::size_t budget = DefaultBudget) : m_budgetLeft(budget) {}

    // The placement with its definition's members copied and placed, nested
    // placements expanded the same way.
    std::unique_ptr<CSxfSfigLocate> Expand(const CSxfSfigLocate& placement);

    // The definition members left out for the depth or the budget; a
    // placement left out counts as one, whatever it would have held.
    std::size_t LeftOut() const { return m_leftOut; }

private:
    // False, spending the rest, when the cost no longer fits.
    bool Spend(std::size_t cost);

    std::size_t m_budgetLeft;
    std::size_t m_leftOut = 0;
};
