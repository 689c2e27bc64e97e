#pragma once
// Builds ".sfc" text for the tests: the Part 21 frame around feature
// comments, CR LF line ends, names between backslash-apostrophes. Texts are
// given in UTF-8 and written in CP932.

#include "platform/mfc/Cp932.h"

#include <string>

namespace SfcText {

// One feature comment: "#<id> = <body>".
inline std::string Feature(int id, const std::string& body) {
    return "/*SXF\r\n#" + std::to_string(id) + " = " + Cp932::FromUtf8(body) + "\r\nSXF*/\r\n";
}

// A whole file around the given feature comments.
inline std::string File(const std::string& features) {
    return "ISO-10303-21;\r\nHEADER;\r\n"
           "FILE_DESCRIPTION(('SCADEC level2 feature_mode'),'2;1');\r\n"
           "FILE_NAME('T.SFC','2026-12-10T12:00:00',(''),(''),'SCADEC_API_Ver3.10$$3.0','t','');"
           "\r\nFILE_SCHEMA(('ASSOCIATIVE_DRAUGHTING'));\r\nENDSEC;\r\nDATA;\r\n" +
           features + "ENDSEC;\r\nEND-ISO-10303-21;\r\n";
}

} // namespace SfcText
