#include "ui/CRedStylePreview.h"

#include "entities/ColorRules.h"
#include "platform/gdi/CBrushConverter.h"
#include "settings/CDrawDefaults.h"
#include "ui/CPaletteStyle.h"
#include "ui/CRedlineDlg.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// The six hatches of the paint types 4..9.
constexpr Qt::BrushStyle kHatches[] = {Qt::BDiagPattern, Qt::FDiagPattern, Qt::DiagCrossPattern,
                                       Qt::VerPattern,   Qt::HorPattern,   Qt::CrossPattern};
// Pixels per millimetre of a pen on the screen.
constexpr double kPixelsPerMillimetre = 96.0 / 25.4;

// The markup text as the markups lay it out: a line per line feed, carriage
// returns dropped.
QString PreviewText(const CString& text) {
    return text.ToQString().remove(QLatin1Char('\r'));
}

} // namespace

CRedStylePreview::CRedStylePreview(const CRedlineDlg& palette, QWidget* parent)
    : QWidget(parent), m_palette(palette) {
    setMinimumSize(100, 60);
}

int CRedStylePreview::LimitedPixels(double pixels) {
    return std::clamp(static_cast<int>(pixels), 0, kPixelLimit);
}

void CRedStylePreview::paintEvent(QPaintEvent*) {
    const CPaletteStyle& style = m_palette.m_style;
    const CRedlineHost& host = m_palette.Host();
    const COLORREF background = host.Settings().m_bkColor;
    // A colour equal to the background is drawn in its contrast colour.
    const auto shown = [background](COLORREF color) {
        if (color == CPaletteStyle::kBackground)
            color = background;
        return CBrushConverter::ToQColor(GetContrastColor(color, background));
    };
    QPainter painter(this);
    painter.setClipRect(rect());
    painter.fillRect(rect(), CBrushConverter::ToQColor(background));
    if (style.m_kind == CPaletteStyle::kNoKind)
        return;
    const QRect area = rect().adjusted(12, 10, -12, -10);
    const bool note = style.m_kind == CPaletteStyle::kNote;
    const int penPixels =
        std::max(1, LimitedPixels(std::round(style.m_penWidth * kPixelsPerMillimetre)));
    QPen pen(shown(note ? style.m_notePenColor : style.m_penColor), penPixels);
    pen.setCapStyle(Qt::FlatCap);
    const int group = CPaletteStyle::GroupOfKind(style.m_kind);
    if (CPaletteStyle::PageOfKind(style.m_kind) == CPaletteStyle::kTextPage) {
        // A label with its frame and, for the arrow, a leader with a head.
        const auto pixels = [&host](double size) {
            return LimitedPixels(host.LogicalToDeviceSize(size));
        };
        QFont font(style.m_faceName.ToQString());
        font.setPixelSize(std::clamp(pixels(style.m_textSize), 6, 40));
        painter.setFont(font);
        painter.setPen(pen);
        const QRect label(area.center().x() - 10, area.top(), area.right() - area.center().x() + 10,
                          area.height() / 2);
        painter.drawText(label, Qt::AlignCenter, PreviewText(style.m_text));
        if (style.m_boxFrame == 1)
            painter.drawEllipse(label);
        else if (style.m_boxFrame == 2)
            painter.drawRect(label);
        const QPoint tip(area.left(), area.bottom());
        painter.drawLine(tip, label.bottomLeft());
        if (style.m_kind == CPaletteStyle::kBalloon) {
            const int head = std::clamp(pixels(style.m_arrowSize), 0, 20);
            painter.drawLine(tip, tip + QPoint(head, 0));
            painter.drawLine(tip, tip + QPoint(0, -head));
        }
        return;
    }
    painter.setPen(style.m_lineFlag == 0 && group == CPaletteStyle::kGroupClosed &&
                           style.m_paintType != 0 && style.m_paintType != 2
                       ? QPen(Qt::NoPen)
                       : pen);
    if (group == CPaletteStyle::kGroupOpenLine) {
        painter.drawLine(area.bottomLeft(), area.topRight());
        return;
    }
    QBrush brush(Qt::NoBrush);
    if (note) {
        if (style.m_noteFrameType == 2 || style.m_noteFrameType == 3)
            brush = QBrush(shown(style.m_notePaintColor),
                           style.m_noteFrameType == 3 ? Qt::Dense4Pattern : Qt::SolidPattern);
        if (style.m_noteFrameType == 0 || (style.m_noteFrameType == 2 && !style.m_noteLineFlag))
            painter.setPen(Qt::NoPen);
    } else if (group == CPaletteStyle::kGroupClosed || group == CPaletteStyle::kGroupCutOut) {
        if (style.m_paintType == 1)
            brush = QBrush(shown(style.m_paintColor));
        else if (style.m_paintType == 3)
            brush = QBrush(shown(style.m_paintColor), Qt::Dense4Pattern);
        else if (style.m_paintType >= 4 && style.m_paintType <= 9)
            brush = QBrush(shown(style.m_hatchColor), kHatches[style.m_paintType - 4]);
    }
    painter.setBrush(brush);
    if (style.m_kind == 8)
        painter.drawEllipse(
            QRect(area.center().x() - area.height() / 2, area.top(), area.height(), area.height()));
    else if (style.m_kind == 9)
        painter.drawEllipse(area);
    else
        painter.drawRect(area);
    if (note) {
        painter.setPen(pen);
        painter.drawText(area, Qt::AlignCenter, PreviewText(style.m_text));
    }
}
