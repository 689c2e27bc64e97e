#pragma once
// The DXF codes for the degree, plus-minus and diameter signs and the
// percent sign, and the CP932 characters they stand for.

#include <string>
#include <string_view>

// Replaces every code in the CP932 text, first code of the table first.
void ReplaceSpecialChars(std::string& text);

// The \U+ spellings of the three signs in a raw DXF value, rewritten as
// their %% codes, so that decoding into CP932 (which lacks the diameter
// sign) does not lose them before ReplaceSpecialChars.
std::string SpellSignsAsCodes(std::string_view raw);
