#pragma once
// The picture files one conversion places in its drawing. Each file is read
// once into its packed bitmap, however often it is placed; every placement
// copies the bytes into its record, so the bytes handed out are kept within
// one budget for the whole conversion, and a placement beyond it is left out
// and counted, so the user can be told.

#include "platform/win/WinTypes.h"

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class CPictureFiles {
public:
    static constexpr std::size_t DefaultBudget = std::size_t{256} << 20;

    explicit CPictureFiles(std::size_t budget = DefaultBudget) : m_bytesLeft(budget) {}

    // The packed bitmap of the file at the path (file-system bytes) for one
    // more placement; null when the file is missing, is no picture the raster
    // image reads, or no longer fits in the budget.
    const std::vector<BYTE>* Place(const std::string& path);

    // The placements left out for the budget.
    std::size_t LeftOut() const { return m_leftOut; }

    // The packed bitmap of a picture file; nothing when it is missing or no
    // picture the raster image reads.
    static std::optional<std::vector<BYTE>> Load(const std::string& path);

private:
    // Nothing for files that could not be read or will not fit again.
    std::unordered_map<std::string, std::optional<std::vector<BYTE>>> m_pictures;
    // The files that no longer fit: each later placement is left out too.
    std::unordered_set<std::string> m_tooLarge;
    std::size_t m_bytesLeft;
    std::size_t m_leftOut = 0;
};
