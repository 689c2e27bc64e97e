#pragma once
// Turns a feature comment into the feature the library hands out: the
// ".sfc" feature name gives the type name and the parameters the data.

#include "platform/sxf/CSfcFeature.h"
#include "platform/sxf/CSfcStatement.h"

#include <optional>

class CSfcFeatureDecoder {
public:
    // The feature, or nothing when the statement is no drawing feature. A
    // feature whose parameters are wrong comes back with its error.
    static std::optional<CSfcFeature> Decode(const CSfcStatement& statement);
};
