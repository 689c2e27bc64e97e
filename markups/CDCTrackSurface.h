#pragma once
// The rubber-band surface on a device context: for its lifetime the
// context draws with a solid width-0 pen of the track colour (contrasted
// with the background), in XOR, without brush and with a transparent
// background; afterwards pen, brush, background mode and R2_COPYPEN are
// restored.

#include "markups/CTrackSurface.h"
#include "platform/gdi/CPen.h"

class CDC;
class CDrawDefaults;
class CGdiObject;

class CDCTrackSurface : public CTrackSurface {
public:
    CDCTrackSurface(CDC* dc, const CDrawDefaults* settings);
    ~CDCTrackSurface() override;
    CDCTrackSurface(const CDCTrackSurface&) = delete;
    CDCTrackSurface& operator=(const CDCTrackSurface&) = delete;

    void Polyline(const std::vector<POINT>& points) override;
    void Polygon(const std::vector<POINT>& points) override;
    // A geometric pen with square ends in the track colour, stroked as a path.
    void Stroke(POINT from, POINT to, int lineWidth) override;
    SIZE MeasureLabel(const CString& text, const CLabelFont& font) override;

    // The label's extent on any context, as the markups measure it.
    static SIZE MeasureLabelOn(CDC* dc, const CString& text, const CLabelFont& font);

private:
    CDC* m_dc;
    const CDrawDefaults* m_settings;
    CPen m_pen;
    CPen* m_oldPen = nullptr;
    CGdiObject* m_oldBrush = nullptr;
    int m_oldBkMode = 0;
};
