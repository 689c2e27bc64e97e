#pragma once
// The image file names of a drawing's IMAGEDEF objects by handle, gathered
// in one pass over the rest of the file when the first IMAGE asks, so that
// every IMAGE finds its definition without reading the file again.

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CDxfFile;

class CDxfImageDefinitions {
public:
    // The name of the first IMAGEDEF with that handle from the file's
    // position on; empty when there is none. The position stays.
    std::string NameAfter(CDxfFile& file, std::string_view handle);

private:
    struct Definition {
        std::size_t position;
        std::string name;
    };

    void Gather(CDxfFile& file);

    bool m_gathered = false;
    // Per handle, in file order.
    std::unordered_map<std::string, std::vector<Definition>> m_definitions;
};
