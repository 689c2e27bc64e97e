#pragma once
// One DXF group: the integer code line and the value line after it. The value
// views the file's bytes and stays valid while the file lives.

#include <string_view>

struct CDxfGroup {
    int code = 0;
    std::string_view value;

    bool Is(int groupCode, std::string_view text) const {
        return code == groupCode && value == text;
    }
};
