#include "platform/gdi/CMapping.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <numbers>

namespace {

LONG ClampToLong(double value) {
    constexpr double lowest = std::numeric_limits<LONG>::min();
    constexpr double highest = std::numeric_limits<LONG>::max();
    return static_cast<LONG>(std::clamp(value, lowest, highest));
}

// Nearest integer, halves upwards.
LONG Round(double value) {
    return ClampToLong(std::floor(value + 0.5));
}

// a * b / c rounded to the nearest integer, halves away from zero; -1 when c
// is 0 or the result leaves the LONG range.
LONG MulDiv(LONG a, LONG b, LONG c) {
    if (c == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t divisor = std::llabs(c);
    const std::int64_t quotient = (std::llabs(product) + divisor / 2) / divisor;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t result = negative ? -quotient : quotient;
    if (result < std::numeric_limits<LONG>::min() || result > std::numeric_limits<LONG>::max())
        return -1;
    return static_cast<LONG>(result);
}

LONG WithSignOf(LONG magnitude, LONG sign) {
    return sign < 0 ? -magnitude : magnitude;
}

// An extent is never 0, and its magnitude must be representable.
bool IsValidExtent(SIZE extent) {
    constexpr LONG lowest = std::numeric_limits<LONG>::min();
    return extent.cx != 0 && extent.cy != 0 && extent.cx != lowest && extent.cy != lowest;
}

// A stretch that cannot be represented leaves sizes as they are.
LONG Stretched(LONG value, double stretch) {
    return stretch == 1.0 ? value : Round(value * stretch);
}

} // namespace

CMapping::CMapping(const CDeviceCaps& device)
    : m_deviceWidth(std::max(device.Width(), 1)), m_deviceHeight(std::max(device.Height(), 1)),
      m_dpiX(device.DpiX()), m_dpiY(device.DpiY()) {}

int CMapping::SetMapMode(int mode) {
    if (mode < MM_TEXT || mode > MM_ANISOTROPIC)
        return 0;
    const int previous = m_mode;
    m_mode = mode;
    double unitsPerMillimetre = 0.0;
    switch (mode) {
    case MM_TEXT:
        m_windowExt = SIZE{1, 1};
        m_viewportExt = SIZE{1, 1};
        return previous;
    case MM_ANISOTROPIC:
        return previous;
    case MM_ISOTROPIC:
        if (previous == MM_ISOTROPIC)
            return previous;
        unitsPerMillimetre = 10.0;
        break;
    case MM_LOMETRIC:
        unitsPerMillimetre = 10.0;
        break;
    case MM_HIMETRIC:
        unitsPerMillimetre = 100.0;
        break;
    case MM_LOENGLISH:
        unitsPerMillimetre = 100.0 / 25.4;
        break;
    case MM_HIENGLISH:
        unitsPerMillimetre = 1000.0 / 25.4;
        break;
    case MM_TWIPS:
        unitsPerMillimetre = 1440.0 / 25.4;
        break;
    }
    m_windowExt = MetricWindowExt(unitsPerMillimetre);
    m_viewportExt = SIZE{m_deviceWidth, -m_deviceHeight};
    return previous;
}

SIZE CMapping::MetricWindowExt(double unitsPerMillimetre) const {
    const double width = m_deviceWidth * 25.4 / m_dpiX * unitsPerMillimetre;
    const double height = m_deviceHeight * 25.4 / m_dpiY * unitsPerMillimetre;
    return SIZE{std::max<LONG>(Round(width), 1), std::max<LONG>(Round(height), 1)};
}

bool CMapping::SetWindowExt(SIZE extent) {
    if ((m_mode != MM_ISOTROPIC && m_mode != MM_ANISOTROPIC) || !IsValidExtent(extent))
        return false;
    m_windowExt = extent;
    if (m_mode == MM_ISOTROPIC)
        AdjustIsotropic();
    return true;
}

bool CMapping::SetViewportExt(SIZE extent) {
    if ((m_mode != MM_ISOTROPIC && m_mode != MM_ANISOTROPIC) || !IsValidExtent(extent))
        return false;
    m_viewportExt = extent;
    if (m_mode == MM_ISOTROPIC)
        AdjustIsotropic();
    return true;
}

void CMapping::AdjustIsotropic() {
    // Compare the physical length of one logical unit on each axis and shrink
    // the viewport extent of the longer one to match the shorter.
    const double windowX = std::abs(static_cast<double>(m_windowExt.cx));
    const double windowY = std::abs(static_cast<double>(m_windowExt.cy));
    const double viewportX = std::abs(static_cast<double>(m_viewportExt.cx));
    const double viewportY = std::abs(static_cast<double>(m_viewportExt.cy));
    const double unitX = viewportX * windowY * m_dpiY;
    const double unitY = viewportY * windowX * m_dpiX;
    if (unitX > unitY) {
        const double shrunk = windowX * viewportY * m_dpiX / (windowY * m_dpiY);
        m_viewportExt.cx = WithSignOf(std::max<LONG>(Round(shrunk), 1), m_viewportExt.cx);
    } else if (unitY > unitX) {
        const double shrunk = windowY * viewportX * m_dpiY / (windowX * m_dpiX);
        m_viewportExt.cy = WithSignOf(std::max<LONG>(Round(shrunk), 1), m_viewportExt.cy);
    }
}

bool CMapping::SetWorld(const XFORM& world) {
    const double values[] = {world.eM11, world.eM12, world.eM21, world.eM22, world.eDx, world.eDy};
    if (!std::all_of(std::begin(values), std::end(values),
                     [](double value) { return std::isfinite(value); }))
        return false;
    const double determinant =
        static_cast<double>(world.eM11) * world.eM22 - static_cast<double>(world.eM12) * world.eM21;
    if (determinant == 0.0 || !std::isfinite(determinant))
        return false;
    m_world = world;
    m_worldInverse = WorldTransform().inverted();
    m_worldIsIdentity = world.eM11 == 1.0F && world.eM12 == 0.0F && world.eM21 == 0.0F &&
                        world.eM22 == 1.0F && world.eDx == 0.0F && world.eDy == 0.0F;
    return true;
}

bool CMapping::WorldTurns() const {
    return m_world.eM12 != 0.0F || m_world.eM21 != 0.0F;
}

double CMapping::WorldAngle() const {
    return std::atan2(m_world.eM12, m_world.eM11) * 180.0 / std::numbers::pi;
}

double CMapping::WorldStretchX() const {
    return std::hypot(static_cast<double>(m_world.eM11), static_cast<double>(m_world.eM12));
}

double CMapping::WorldStretchY() const {
    return std::hypot(static_cast<double>(m_world.eM21), static_cast<double>(m_world.eM22));
}

QTransform CMapping::ToQt(const XFORM& xform) {
    return QTransform(xform.eM11, xform.eM12, xform.eM21, xform.eM22, xform.eDx, xform.eDy);
}

QTransform CMapping::ToDeviceTransform() const {
    const double sx = static_cast<double>(m_viewportExt.cx) / m_windowExt.cx;
    const double sy = static_cast<double>(m_viewportExt.cy) / m_windowExt.cy;
    const QTransform page(sx, 0, 0, sy, m_viewportOrg.x - m_windowOrg.x * sx,
                          m_viewportOrg.y - m_windowOrg.y * sy);
    return WorldTransform() * page;
}

POINT CMapping::ToDeviceThroughWorld(POINT logical) const {
    const double x = static_cast<double>(logical.x) * m_world.eM11 +
                     static_cast<double>(logical.y) * m_world.eM21 + m_world.eDx;
    const double y = static_cast<double>(logical.x) * m_world.eM12 +
                     static_cast<double>(logical.y) * m_world.eM22 + m_world.eDy;
    return POINT{
        DeviceCoordinate(x, m_windowOrg.x, m_windowExt.cx, m_viewportExt.cx, m_viewportOrg.x),
        DeviceCoordinate(y, m_windowOrg.y, m_windowExt.cy, m_viewportExt.cy, m_viewportOrg.y)};
}

POINT CMapping::ToLogical(POINT device) const {
    const QPointF world(
        Transform(device.x, m_viewportOrg.x, m_viewportExt.cx, m_windowExt.cx, m_windowOrg.x),
        Transform(device.y, m_viewportOrg.y, m_viewportExt.cy, m_windowExt.cy, m_windowOrg.y));
    const QPointF logical = m_worldInverse.map(world);
    return POINT{Round(logical.x()), Round(logical.y())};
}

SIZE CMapping::SizeToDevice(SIZE logical) const {
    return SIZE{MulDiv(Stretched(logical.cx, WorldStretchX()), std::abs(m_viewportExt.cx),
                       std::abs(m_windowExt.cx)),
                MulDiv(Stretched(logical.cy, WorldStretchY()), std::abs(m_viewportExt.cy),
                       std::abs(m_windowExt.cy))};
}

SIZE CMapping::SizeToLogical(SIZE device) const {
    return SIZE{Stretched(MulDiv(device.cx, std::abs(m_windowExt.cx), std::abs(m_viewportExt.cx)),
                          1.0 / WorldStretchX()),
                Stretched(MulDiv(device.cy, std::abs(m_windowExt.cy), std::abs(m_viewportExt.cy)),
                          1.0 / WorldStretchY())};
}

double CMapping::ScaleX() const {
    return std::abs(static_cast<double>(m_viewportExt.cx) / m_windowExt.cx) * WorldStretchX();
}

double CMapping::ScaleY() const {
    return std::abs(static_cast<double>(m_viewportExt.cy) / m_windowExt.cy) * WorldStretchY();
}

bool CMapping::IsMirrored() const {
    const bool flipX = (m_viewportExt.cx < 0) != (m_windowExt.cx < 0);
    const bool flipY = (m_viewportExt.cy < 0) != (m_windowExt.cy < 0);
    const bool flipWorld = static_cast<double>(m_world.eM11) * m_world.eM22 <
                           static_cast<double>(m_world.eM12) * m_world.eM21;
    return (flipX != flipY) != flipWorld;
}
