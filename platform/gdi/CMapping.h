#pragma once
// The mapping of a device context: the world transform, mapping mode,
// window and viewport origins and extents, and the conversions between
// logical and device units with GDI's rounding. A logical point passes
// through the world transform, then from window to viewport. Points are
// rounded to the nearest unit, device points kept within GDI's 27 bits;
// sizes scale by the world's stretch and the absolute extents (so they keep
// their sign), rounded as MulDiv does.

#include "platform/gdi/CDeviceCaps.h"

#include <QTransform>

#include <algorithm>
#include <cmath>

class CMapping {
public:
    explicit CMapping(const CDeviceCaps& device);

    int GetMapMode() const { return m_mode; }
    // Sets the mode and, for the fixed modes, the extents it implies;
    // MM_ISOTROPIC starts from the extents of MM_LOMETRIC. Returns the
    // previous mode, 0 for an unknown one.
    int SetMapMode(int mode);

    POINT WindowOrg() const { return m_windowOrg; }
    POINT ViewportOrg() const { return m_viewportOrg; }
    SIZE WindowExt() const { return m_windowExt; }
    SIZE ViewportExt() const { return m_viewportExt; }

    void SetWindowOrg(POINT origin) { m_windowOrg = origin; }
    void SetViewportOrg(POINT origin) { m_viewportOrg = origin; }
    // Extents change only in MM_ISOTROPIC and MM_ANISOTROPIC, and never to 0
    // (false then, nothing changed). In MM_ISOTROPIC the viewport extent is
    // shrunk on one axis so that a logical unit is as long in x as in y.
    bool SetWindowExt(SIZE extent);
    bool SetViewportExt(SIZE extent);

    const XFORM& World() const { return m_world; }
    // False, nothing changed, for a transform that is not finite or squeezes
    // the plane flat.
    bool SetWorld(const XFORM& world);
    // True when the world transform turns or shears, so that a logical box
    // is no longer a device box.
    bool WorldTurns() const;
    // The angle the world transform turns the x axis by, in degrees, from
    // the x axis towards the y axis.
    double WorldAngle() const;
    // Logical to device coordinates without rounding.
    QTransform ToDeviceTransform() const;
    // A transform in Qt's form, and the world transform in it.
    static QTransform ToQt(const XFORM& xform);
    QTransform WorldTransform() const { return ToQt(m_world); }

    // Inline: every drawn point passes here.
    POINT ToDevice(POINT logical) const {
        if (!m_worldIsIdentity)
            return ToDeviceThroughWorld(logical);
        return POINT{DeviceCoordinate(logical.x, m_windowOrg.x, m_windowExt.cx, m_viewportExt.cx,
                                      m_viewportOrg.x),
                     DeviceCoordinate(logical.y, m_windowOrg.y, m_windowExt.cy, m_viewportExt.cy,
                                      m_viewportOrg.y)};
    }
    POINT ToLogical(POINT device) const;
    SIZE SizeToDevice(SIZE logical) const;
    SIZE SizeToLogical(SIZE device) const;

    // Device units per logical unit along each axis, without sign; the
    // world's stretch of that axis included.
    double ScaleX() const;
    double ScaleY() const;
    // True when the logical plane reaches the device mirrored, as in the
    // metric modes where y grows upwards: turns seen on the device then go
    // the other way round.
    bool IsMirrored() const;

private:
    // One axis from one space to the other.
    static double Transform(double value, LONG fromOrigin, LONG fromExtent, LONG toExtent,
                            LONG toOrigin) {
        return (value - fromOrigin) * toExtent / fromExtent + toOrigin;
    }
    // One axis to the device, rounded to the nearest unit (halves upwards)
    // and kept within 27 bits, so that differences and the painting
    // arithmetic cannot overflow.
    static LONG DeviceCoordinate(double value, LONG fromOrigin, LONG fromExtent, LONG toExtent,
                                 LONG toOrigin) {
        constexpr double limit = (1 << 27) - 1;
        const double mapped = Transform(value, fromOrigin, fromExtent, toExtent, toOrigin);
        return static_cast<LONG>(std::floor(std::clamp(mapped, -limit, limit) + 0.5));
    }
    void AdjustIsotropic();
    SIZE MetricWindowExt(double unitsPerMillimetre) const;

    // How far the world transform stretches a unit along each logical axis.
    double WorldStretchX() const;
    double WorldStretchY() const;
    POINT ToDeviceThroughWorld(POINT logical) const;

    XFORM m_world;
    // Kept by SetWorld, which takes only invertible transforms: every point
    // mapped back passes through it.
    QTransform m_worldInverse;
    // Kept by SetWorld beside m_world: every mapped point asks it, and
    // testing the six factors there would cost each point six comparisons.
    bool m_worldIsIdentity = true;
    int m_mode = MM_TEXT;
    POINT m_windowOrg{0, 0};
    POINT m_viewportOrg{0, 0};
    SIZE m_windowExt{1, 1};
    SIZE m_viewportExt{1, 1};
    int m_deviceWidth;
    int m_deviceHeight;
    int m_dpiX;
    int m_dpiY;
};
