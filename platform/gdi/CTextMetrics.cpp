#include "platform/gdi/CTextMetrics.h"

#include <QFontMetricsF>

namespace {

const CTextMetrics* g_installed = nullptr;

QFontMetricsF MetricsOf(const QFont& font, const QPaintDevice* device) {
    return device ? QFontMetricsF(font, device) : QFontMetricsF(font);
}

} // namespace

const CTextMetrics& CTextMetrics::Current() {
    static const CFontTextMetrics fonts;
    return g_installed ? *g_installed : fonts;
}

const CTextMetrics* CTextMetrics::Install(const CTextMetrics* metrics) {
    return std::exchange(g_installed, metrics);
}

double CFontTextMetrics::Advance(const QFont& font, const QString& character,
                                 const QPaintDevice* device) const {
    return MetricsOf(font, device).horizontalAdvance(character);
}

double CFontTextMetrics::Ascent(const QFont& font, const QPaintDevice* device) const {
    return MetricsOf(font, device).ascent();
}

double CFontTextMetrics::Descent(const QFont& font, const QPaintDevice* device) const {
    return MetricsOf(font, device).descent();
}
