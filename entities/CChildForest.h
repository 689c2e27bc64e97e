#pragma once
// Checks the child lists of entities read from a file before anything walks
// them: forwarding operations pass down the child lists, so a child shared by
// two lists (or listed twice) is visited once per path, a cycle never ends,
// and a very deep chain exhausts the stack of the recursive walks.

#include <vector>

class CRukEntity;

class CChildForest {
public:
    // Far above the few levels of groups and markups a drawing holds.
    static constexpr int kMaxDepth = 256;

    // True when, over the entities and everything their child lists reach,
    // every entity stands in at most one child list and there once, no
    // entity holds itself at any depth, and no chain of children is longer
    // than kMaxDepth. Linear in the entities and list entries.
    static bool IsSound(const std::vector<const CRukEntity*>& entities);
};
