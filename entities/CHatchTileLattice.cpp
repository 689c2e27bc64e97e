#include "entities/CHatchTileLattice.h"

#include "entities/CHatchLineFamily.h"
#include "geometry/Geometry.h"
#include "platform/gdi/CDC.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Tiles and segments one lattice may cost.
constexpr long kMaxSteps = 200000;

double Trunc(double value) {
    return std::isfinite(value) ? std::trunc(value) : 0.0;
}

} // namespace

CHatchTileLattice::CHatchTileLattice(CHatchTileShape shape) : m_shape(std::move(shape)) {
    const double angle = m_shape.motifAngle * kDegToRad;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    for (const POINT& p : m_shape.motif) {
        const double u = p.x * m_shape.scaleX;
        const double v = p.y * m_shape.scaleY;
        m_placed.push_back(POINT{TruncInt(u * c - v * s), TruncInt(u * s + v * c)});
    }
}

bool CHatchTileLattice::Step() {
    return ++m_steps <= kMaxSteps;
}

void CHatchTileLattice::Draw(CDC* dc, const CHatchMapping& mapping, const CHatchBox& box) {
    m_dc = dc;
    m_mapping = &mapping;
    m_box = box;
    m_steps = 0;
    if (m_shape.rowStep == 0 || m_placed.size() < 2)
        return;
    const double angle = CHatchLineFamily::NormalisedAngle(m_shape.rowAngle);
    if (angle == 90.0 || angle == 270.0)
        DrawColumns();
    else if (angle == 0.0 || angle == 180.0)
        DrawRows();
    else
        DrawSlanted();
}

void CHatchTileLattice::Tile(double x, double y) {
    if (!Step())
        return;
    const LONG px = TruncInt(x);
    const LONG py = TruncInt(y);
    for (std::size_t i = 0; i + 1 < m_placed.size(); i += 2) {
        const POINT a{TruncInt(static_cast<double>(m_placed[i].x) + px),
                      TruncInt(static_cast<double>(m_placed[i].y) + py)};
        const POINT b{TruncInt(static_cast<double>(m_placed[i + 1].x) + px),
                      TruncInt(static_cast<double>(m_placed[i + 1].y) + py)};
        if (std::max(a.x, b.x) < m_box.x0 || std::min(a.x, b.x) > m_box.x1 ||
            std::max(a.y, b.y) < m_box.y0 || std::min(a.y, b.y) > m_box.y1)
            continue;
        if (!Step())
            return;
        const POINT from = m_mapping->ToLogical(a);
        const POINT to = m_mapping->ToLogical(b);
        m_dc->MoveTo(from.x, from.y);
        m_dc->LineTo(to.x, to.y);
    }
}

void CHatchTileLattice::Row(double startX, double startY, double stepX, double stepY, bool alongY) {
    const double start = alongY ? startY : startX;
    const double step = alongY ? stepY : stepX;
    const double lo = alongY ? m_box.y0 : m_box.x0;
    const double hi = alongY ? m_box.y1 : m_box.x1;
    if (step <= 0.0)
        return;
    // The first tile past one step before the box, then on to one step past it.
    double k = std::floor((lo - step - start) / step) + 1.0;
    for (; start + k * step < hi + step && m_steps <= kMaxSteps; k += 1.0)
        Tile(startX + k * stepX, startY + k * stepY);
}

void CHatchTileLattice::DrawColumns() {
    const double ox = m_shape.origin.x;
    const double oy = m_shape.origin.y;
    const double q = m_shape.offsetLength;
    const double beta = m_shape.offsetAngle * kDegToRad;
    const double sr = std::fabs(static_cast<double>(m_shape.rowStep));
    const double dx = Trunc(q * std::cos(beta));
    if (dx == 0.0)
        return;
    double x = ox < m_box.x0 ? ox + dx * Trunc((m_box.x0 - ox) / dx)
               : dx > 0      ? ox + dx * Trunc((m_box.x0 - ox) / dx - 1)
                             : ox + dx * Trunc((m_box.x0 - ox) / dx + 1);
    double ys = oy < m_box.y0 ? oy + sr * Trunc((m_box.y0 - oy) / sr)
                              : oy + sr * Trunc((m_box.y0 - oy) / sr - 1);
    const double dy = (dx < 0 ? -1.0 : 1.0) * q * std::sin(beta);
    const double column = std::fabs(dx);
    Row(x, ys, 0.0, sr, true);
    for (x += column; x < m_box.x1 + column && m_steps <= kMaxSteps; x += column) {
        ys += Trunc(dy);
        Row(x, ys, 0.0, sr, true);
    }
}

void CHatchTileLattice::DrawRows() {
    const double ox = m_shape.origin.x;
    const double oy = m_shape.origin.y;
    const double q = m_shape.offsetLength;
    const double beta = m_shape.offsetAngle * kDegToRad;
    const double sr = std::fabs(static_cast<double>(m_shape.rowStep));
    const double dyr = Trunc(q * std::sin(beta));
    if (dyr == 0.0)
        return;
    double xs = ox < m_box.x0 ? ox + sr * Trunc((m_box.x0 - ox) / sr)
                              : ox + sr * Trunc((m_box.x0 - ox) / sr - 1);
    const double rows = Trunc((m_box.y0 - oy) / dyr);
    double y = oy < m_box.y0 ? oy + dyr * rows
               : dyr >= 1    ? oy + dyr * (rows - 1)
                             : oy + dyr * (rows + 1);
    const double shift = (dyr < 0 ? -1.0 : 1.0) * Trunc(q * std::cos(beta));
    const double row = std::fabs(dyr);
    Row(xs, y, sr, 0.0, false);
    for (y += row; y < m_box.y1 + row && m_steps <= kMaxSteps; y += row) {
        xs += shift;
        Row(xs, y, sr, 0.0, false);
    }
}

void CHatchTileLattice::DrawSlanted() {
    // Rows of alpha and alpha + 180 are the same: walk them with x growing.
    double alpha = m_shape.rowAngle * kDegToRad;
    if (std::cos(alpha) < 0)
        alpha -= kPi;
    const double beta = m_shape.offsetAngle * kDegToRad;
    const double q = m_shape.offsetLength;
    const double sr = std::fabs(static_cast<double>(m_shape.rowStep));
    const double m = std::tan(alpha);
    const double x0 = m_box.x0;
    const double y0 = m_box.y0;
    const double x1 = m_box.x1;
    const double y1 = m_box.y1;
    const double cTop = std::max((m > 0 ? y1 : y0) - m * x0, (m > 0 ? y0 : y1) - m * x1);
    const double qc = q * std::cos(beta);
    const double qs = q * std::sin(beta);
    const double rx = Trunc(sr * std::cos(alpha));
    const double ry = Trunc(sr * std::sin(alpha));
    const double drop = Trunc(std::fabs(qs));
    const double shift = Trunc(std::fabs(qc));
    const double k =
        Trunc((m_shape.origin.y - m * m_shape.origin.x - cTop) / (m - std::tan(beta)) / qc + 0.5) +
        1;
    if (rx <= 0.0 || drop == 0.0 || !std::isfinite(k))
        return;
    double x = m_shape.origin.x + Trunc(qc * k);
    double y = m_shape.origin.y + Trunc(qs * k);
    const double h = Trunc((x - x0) / (sr * std::cos(alpha)) + 0.5) + 1;
    x -= Trunc(sr * std::cos(alpha) * h);
    y -= Trunc(sr * std::sin(alpha) * h);
    Row(x, y, rx, ry, false);
    for (y -= drop; y > y0 - drop && m_steps <= kMaxSteps; y -= drop) {
        x += shift;
        Row(x, y, rx, ry, false);
    }
}
