#pragma once
// A view of 220 x 220 pixels with margins of 10 on a drawing of two lines
// that cross in the middle of its 1000 x 1000 unit square: a red one across
// on layer "across" and a blue one upwards on layer "up". After the fit the
// drawing area is 200 pixels square with view-space (0, 0) at pixel
// (10, 209) and 25 view units to the pixel, so both lines pass pixel 109/110.

#include "app/CZumeoDoc.h"
#include "app/CZumeoView.h"
#include "entities/CRukGroup.h"
#include "entities/CRukLayer.h"
#include "entities/CRukLine.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CDeviceCaps.h"
#include "settings/CDrawDefaults.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

// Whether some pixel of the picture has that colour.
inline bool Shows(const QImage& image, QColor colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)) == colour)
                return true;
    return false;
}

constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kBlue = 0xFF0000;
constexpr COLORREF kGreen = 0x00FF00;

class ViewFixture : public ::testing::Test {
protected:
    ViewFixture() {
        m_settings.m_bkColor = 0xFFFFFF;
        m_settings.m_marginLeft = 10;
        m_settings.m_marginTop = 10;
        m_settings.m_marginRight = 10;
        m_settings.m_marginBottom = 10;
        m_settings.m_viewOrder = 1;
        m_settings.m_useSheetExtent = 1;
        m_across = Line("across", kRed, 0, 500, 1000, 500);
        m_up = Line("up", kBlue, 500, 0, 500, 1000);
        m_document.m_fullExtent = m_document.m_extent;
        m_view.resize(220, 220);
        m_view.SetDocument(&m_document);
    }

    CRukLine* Line(const char* layer, COLORREF color, int x1, int y1, int x2, int y2) {
        auto* line = NewLine(layer, color, x1, y1, x2, y2);
        m_document.AddEntity(line);
        m_document.AddToLayer(line);
        m_document.ExtendExtent(line->m_minX, line->m_minY, line->m_maxX, line->m_maxY);
        return line;
    }

    CRukLine* Redline(const char* layer, COLORREF color, int x1, int y1, int x2, int y2) {
        auto* line = NewLine(layer, color, x1, y1, x2, y2);
        m_document.AddMarkup(line);
        m_document.AddToLayer(line);
        return line;
    }

    // A markup made of one child line on the layer, filed as a loaded one:
    // its line, then itself.
    void FileLineMark(CRukGroup* mark, const char* layer, int x1, int y1, int x2, int y2) {
        auto* line = new CRukLine;
        line->m_layerName = layer;
        line->m_x1 = x1;
        line->m_y1 = y1;
        line->m_x2 = x2;
        line->m_y2 = y2;
        line->m_childFlag = 2;
        line->RecalcExtents();
        mark->m_layerName = layer;
        mark->AddChild(line);
        mark->SetChildCount(1);
        mark->RecalcExtents();
        m_document.AddMarkup(line);
        m_document.AddToLayer(line);
        m_document.AddMarkup(mark);
        m_document.m_topObjects.AddTail(mark);
        m_document.m_redlineModified = 0;
    }

    void Hide(const char* layer) { m_document.FindLayer(layer)->m_visible = 0; }

    QColor Pixel(int x, int y) const { return QColor(m_view.Surface().pixel(x, y)); }

    CDrawDefaults m_settings;
    CZumeoDoc m_document;
    CZumeoView m_view{m_settings};
    CRukLine* m_across = nullptr;
    CRukLine* m_up = nullptr;

private:
    static CRukLine* NewLine(const char* layer, COLORREF color, int x1, int y1, int x2, int y2) {
        auto* line = new CRukLine;
        line->m_layerName = layer;
        line->m_color = line->m_savedColor = color;
        line->m_x1 = x1;
        line->m_y1 = y1;
        line->m_x2 = x2;
        line->m_y2 = y2;
        line->RecalcExtents();
        return line;
    }
};
