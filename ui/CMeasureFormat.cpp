#include "ui/CMeasureFormat.h"

#include <algorithm>
#include <cmath>

namespace {

struct UnitRow {
    double lengthDivisor;
    double areaDivisor;
    const char* lengthText;
    const char* areaText;
};

constexpr UnitRow kUnits[] = {
    {1.0, 1.0, "mm", "m㎡"},
    {10.0, 100.0, "cm", "c㎡"},
    {1000.0, 1000000.0, "m", "㎡"},
};

const UnitRow& RowOf(int unit) {
    return kUnits[std::clamp(unit, 0, static_cast<int>(std::size(kUnits)) - 1)];
}

// Rounding as the dialog has always done it: add a half, cut toward zero.
double RoundHalfUp(double value) {
    return std::trunc(value + 0.5);
}

QString Fixed(double value, int digits) {
    return QString::asprintf("%.*f", digits, value);
}

} // namespace

double CMeasureFormat::ConvertValue(const Options& options, double value, bool area) {
    const UnitRow& row = RowOf(options.unit);
    const double e = area ? value * options.ratio * options.ratio : value * options.ratio;
    const double f = area ? row.areaDivisor : row.lengthDivisor;
    if (options.lengthDigits == -1)
        return RoundHalfUp(e * 0.1) * 10.0 / f;
    if (options.lengthDigits == -2)
        return RoundHalfUp(e * 0.01) * 100.0 / f;
    return e / f;
}

QString CMeasureFormat::UnitText(int unit, bool area) {
    const UnitRow& row = RowOf(unit);
    return QString::fromUtf8(area ? row.areaText : row.lengthText);
}

CMeasureFormat::Texts CMeasureFormat::Values(const Options& options, DPOINT start, DPOINT end,
                                             double value, double angle, bool area) {
    const double q = RowOf(options.unit).lengthDivisor / options.ratio;
    const int d = std::max(options.lengthDigits, 0);
    const auto point = [&](DPOINT p) {
        return QStringLiteral("(%1, %2)").arg(Fixed(p.x / q, d), Fixed(p.y / q, d));
    };
    Texts texts;
    texts.start = point(start);
    texts.end = point(end);
    texts.offset = QStringLiteral("x = %1, y = %2")
                       .arg(Fixed((end.x - start.x) / q, d), Fixed((end.y - start.y) / q, d));
    texts.value = Fixed(ConvertValue(options, value, area), d) + QLatin1Char(' ') +
                  UnitText(options.unit, area);
    texts.angle = Fixed(angle, std::max(options.angleDigits, 0)) + QStringLiteral(" （度）");
    return texts;
}

QString CMeasureFormat::Placeholder(int digits) {
    if (digits <= 0)
        return QStringLiteral("-");
    return QStringLiteral("-.") + QString(std::min(digits, kMaxLengthDigits), QLatin1Char('-'));
}

CMeasureFormat::Texts CMeasureFormat::Placeholders(const Options& options, int kind) {
    const QString length = Placeholder(options.lengthDigits);
    const QString angle = Placeholder(options.angleDigits);
    Texts texts;
    texts.start = QStringLiteral("(%1, %1)").arg(length);
    texts.end = texts.start;
    texts.offset = QStringLiteral("x = %1, y = %1").arg(length);
    texts.value = length + QLatin1Char(' ') +
                  (kind == kNoKind ? QString() : UnitText(options.unit, kind == kArea));
    texts.angle = angle + QStringLiteral(" （度）");
    return texts;
}
