#include "entities/CDashRules.h"

#include "entities/CDashTable.h"
#include "entities/CEntityDocument.h"
#include "geometry/Geometry.h"

#include <algorithm>
#include <limits>

namespace {

constexpr double kInchPerMillimetre = 0.03937007874015748;
constexpr int kFirstOwnLineType = 1000;

// A length's size; the most negative value saturates.
LONG Magnitude(LONG value) {
    if (value >= 0)
        return value;
    return value == std::numeric_limits<LONG>::min() ? std::numeric_limits<LONG>::max() : -value;
}

double Divisor(int divisor) {
    return divisor == 0 ? 1.0 : static_cast<double>(divisor);
}

// Types 5 and 6 are dots so far apart at small line-type scales that they
// draw solid there.
bool SolidAtThisScale(int lineType, int lineTypeScale) {
    return (lineType == 5 && lineTypeScale <= 300) || (lineType == 6 && lineTypeScale <= 100);
}

// Scales the first kMaxDashes lengths by the rule. A result below the
// minimum is stored as 1; it makes the line solid when smallIsSolid is set.
template <class Rule>
bool Fill(const std::vector<LONG>& lengths, Rule rule, LONG minimum, bool smallIsSolid,
          CDashArray& dashes, int& count) {
    count = 0;
    if (lengths.empty())
        return false;
    bool dashed = true;
    const auto used = std::min<std::size_t>(lengths.size(), kMaxDashes);
    for (std::size_t i = 0; i < used; ++i) {
        LONG dash = Magnitude(TruncInt(rule(static_cast<double>(lengths[i]))));
        if (dash < minimum) {
            dash = 1;
            if (smallIsSolid)
                dashed = false;
        }
        dashes[static_cast<std::size_t>(count++)] = static_cast<DWORD>(dash);
    }
    return dashed;
}

} // namespace

CDashRules::CDashRules(const CEntityDocument& document) : m_document(document) {}

double CDashRules::PatternFactor(double documentScale, int scaleMode, int scaleMarkups) {
    if (scaleMarkups == 0)
        return scaleMode != 0 ? 1.0 : kInchPerMillimetre;
    return scaleMode != 0 ? documentScale : documentScale * kInchPerMillimetre;
}

const std::vector<LONG>* CDashRules::TableEntry(int lineType, int penScaleFlag) const {
    return penScaleFlag ? m_document.m_dashTable.Find(lineType)
                        : CDashTable::Standard().Find(lineType);
}

const std::vector<LONG>* CDashRules::OwnPattern(int lineType) const {
    if (lineType < kFirstOwnLineType)
        return nullptr;
    const CLinePattern* pattern = m_document.FindLinePattern(lineType);
    return pattern ? &pattern->GetLengths() : nullptr;
}

bool CDashRules::ForScreen(int lineType, int lineTypeScale, const CDashScaling& scaling,
                           CDashArray& dashes, int& count) const {
    count = 0;
    if (SolidAtThisScale(lineType, lineTypeScale))
        return false;
    const double s = scaling.scale;
    const double f = scaling.factor;
    const double typeScale = lineTypeScale;
    if (const std::vector<LONG>* entry = TableEntry(lineType, scaling.penScaleFlag)) {
        if (scaling.penScaleFlag)
            return Fill(
                *entry, [&](double length) { return f * s * (typeScale * length) * 0.1; }, 1, true,
                dashes, count);
        const double base = scaling.widthBase;
        return Fill(
            *entry,
            [&](double length) { return scaling.coefficient * (base * length) * (1.0 / 3000.0); },
            1, false, dashes, count);
    }
    const std::vector<LONG>* own = scaling.penScaleFlag ? OwnPattern(lineType) : nullptr;
    if (!own)
        return false;
    return Fill(
        *own, [&](double length) { return s * (f * (typeScale * length)) * 0.1; }, 1, true, dashes,
        count);
}

bool CDashRules::ForPrinterPen(int lineType, int lineTypeScale, const CDashScaling& scaling,
                               CDashArray& dashes, int& count) const {
    count = 0;
    if (SolidAtThisScale(lineType, lineTypeScale))
        return false;
    const double s = scaling.scale;
    const double f = scaling.factor;
    const double d = Divisor(scaling.divisor);
    const double typeScale = lineTypeScale;
    const auto penScaleRule = [&](double length) {
        return f * (s * (typeScale / d * (length * 0.1))) * 100.0 + 0.5;
    };
    if (const std::vector<LONG>* entry = TableEntry(lineType, scaling.penScaleFlag)) {
        if (scaling.penScaleFlag)
            return Fill(*entry, penScaleRule, 2, true, dashes, count);
        return Fill(
            *entry,
            [&](double length) {
                return scaling.coefficient * (s * (length * 0.1 / d)) * 100000.0 + 0.5;
            },
            2, true, dashes, count);
    }
    const std::vector<LONG>* own = scaling.penScaleFlag ? OwnPattern(lineType) : nullptr;
    if (!own)
        return false;
    return Fill(*own, penScaleRule, 1, true, dashes, count);
}

bool CDashRules::ForPrinterEmulation(int lineType, int lineTypeScale, const CDashScaling& scaling,
                                     CDashArray& dashes, int& count) const {
    count = 0;
    const double s = scaling.scale;
    const double f = scaling.factor;
    const double d = Divisor(scaling.divisor);
    const double typeScale = lineTypeScale;
    if (const std::vector<LONG>* entry = TableEntry(lineType, 1))
        return Fill(
            *entry,
            [&](double length) { return f * (s * (typeScale / d * (length * 0.1))) * 100.0 + 0.5; },
            2, true, dashes, count);
    const std::vector<LONG>* own = OwnPattern(lineType);
    if (!own)
        return false;
    return Fill(
        *own,
        [&](double length) {
            return f * (s * (length * 10.0 * (typeScale * 0.001))) * 100.0 + 0.5;
        },
        1, true, dashes, count);
}
