#include "entities/CLinePattern.h"

#include <utility>

CLinePattern::CLinePattern(int id, std::vector<LONG> lengths)
    : m_id(id), m_lengths(std::move(lengths)) {}
