#include "platform/gdi/CLineRasterizer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

CLineRasterizer::CLineRasterizer(const QRect& bounds, std::optional<CPenConverter::Dashes> dashes,
                                 std::optional<ScanLines> target)
    : m_bounds(bounds), m_dashes(std::move(dashes)), m_target(target) {
    if (m_dashes) {
        for (qreal length : m_dashes->pattern)
            m_period += length;
    }
}

void CLineRasterizer::StartFigure() {
    m_position = 0;
}

bool CLineRasterizer::IsOnDash(long long step) const {
    if (!m_dashes || m_period <= 0)
        return true;
    qreal position = std::fmod(static_cast<qreal>(step) + m_dashes->offset, m_period);
    for (qsizetype i = 0; i < m_dashes->pattern.size(); ++i) {
        position -= m_dashes->pattern[i];
        if (position < 0)
            return i % 2 == 0;
    }
    return false;
}

void CLineRasterizer::AddSegment(const QPoint& from, const QPoint& to) {
    const long long dx = static_cast<long long>(to.x()) - from.x();
    const long long dy = static_cast<long long>(to.y()) - from.y();
    const bool alongX = std::llabs(dx) >= std::llabs(dy);
    const long long steps = alongX ? std::llabs(dx) : std::llabs(dy);
    if (steps == 0)
        return;
    // Pixel i lies at start + i * (stepX, stepY), the minor axis rounded.
    const double stepX = static_cast<double>(dx) / steps;
    const double stepY = static_cast<double>(dy) / steps;

    // The steps whose pixel can lie inside the bounds, one pixel of margin.
    double first = 0;
    double last = static_cast<double>(steps - 1);
    const auto limit = [&](double start, double step, int low, int high) {
        if (step == 0) {
            if (start < low - 1 || start > high + 1)
                last = -1;
            return;
        }
        const double a = (low - 1 - start) / step;
        const double b = (high + 1 - start) / step;
        first = std::max(first, std::floor(std::min(a, b)));
        last = std::min(last, std::ceil(std::max(a, b)));
    };
    limit(from.x(), stepX, m_bounds.left(), m_bounds.right());
    limit(from.y(), stepY, m_bounds.top(), m_bounds.bottom());

    for (long long i = static_cast<long long>(first); i <= static_cast<long long>(last); ++i) {
        const QPoint pixel(static_cast<int>(std::floor(from.x() + i * stepX + 0.5)),
                           static_cast<int>(std::floor(from.y() + i * stepY + 0.5)));
        if (m_bounds.contains(pixel))
            Put(pixel, IsOnDash(m_position + i));
    }
    m_position += steps;
}

void CLineRasterizer::Put(const QPoint& pixel, bool onDash) {
    if (!m_target) {
        (onDash ? m_dashPixels : m_gapPixels).append(pixel);
        return;
    }
    if (!onDash && !m_target->gap)
        return;
    auto* row = reinterpret_cast<QRgb*>(m_target->bits + pixel.y() * m_target->bytesPerLine);
    row[pixel.x()] = onDash ? m_target->dash : *m_target->gap;
}
