#pragma once
// The content of a ".p21" string as the file writes it, turned into CP932:
// "''" is one apostrophe, "\\" one backslash, "\X\hh" one ISO 8859-1
// character, "\S\c" the character c + 128 of ISO 8859-1, "\X2\...\X0\" and
// "\X4\...\X0\" UCS-2 and UCS-4 characters in hexadecimal; "\P?\" page
// switches are taken as the first page. Raw CP932 bytes pass as they stand.
// A character CP932 lacks becomes "?".

#include <string>
#include <string_view>

class CP21String {
public:
    // Throws CSfcError for a broken escape.
    static std::string Decode(std::string_view written);
};
