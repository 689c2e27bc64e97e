#pragma once
// A region in device units. Like GDI's, a region holds the pixels on its
// left and top edges and leaves out those on its right and bottom edges; a
// polygon region holds the pixels whose centres lie inside the polygon.

#include "platform/gdi/CGdiObject.h"

#include <QRegion>

class CRgn : public CGdiObject {
    DECLARE_DYNAMIC(CRgn)

public:
    CRgn() = default;

    BOOL CreateRectRgn(int left, int top, int right, int bottom);
    // At least two points; ALTERNATE or WINDING.
    BOOL CreatePolygonRgn(const POINT* points, int count, int fillMode);
    BOOL CreateFromQRegion(const QRegion& region);

    // This region becomes a combination of two created ones (RGN_COPY takes
    // the first alone); either may be this region itself. Returns the kind
    // of the result (NULLREGION, SIMPLEREGION, COMPLEXREGION) or ERROR.
    int CombineRgn(const CRgn* first, const CRgn* second, int mode);

    BOOL PtInRegion(int x, int y) const;
    BOOL PtInRegion(POINT point) const { return PtInRegion(point.x, point.y); }
    // The bounding rectangle (right and bottom outside) and the kind of the
    // region; ERROR while the region is empty of any creation.
    int GetRgnBox(RECT* rect) const;

    const QRegion& GetQRegion() const { return m_region; }

    static int KindOf(const QRegion& region);
    // RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF or RGN_COPY of two regions; false
    // for any other mode.
    static bool Combine(const QRegion& first, const QRegion& second, int mode, QRegion* result);

protected:
    void Clear() override { m_region = QRegion(); }

private:
    QRegion m_region;
};
