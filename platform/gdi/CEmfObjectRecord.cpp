#include "platform/gdi/CEmfObjectRecord.h"

#include "platform/gdi/EmfDefs.h"

#include <QFont>

#include <cmath>
#include <string>

CEmfRecord CEmfObjectRecord::Pen(DWORD handle, const ExtLogPen& pen) {
    if (!pen.extended) {
        CEmfRecord record(EMR_CREATEPEN);
        record.U32(handle).U32(pen.style).Point(POINT{static_cast<LONG>(pen.width), 0});
        record.U32(pen.color);
        return record;
    }
    // No pattern bitmap: its offsets and sizes stay 0.
    CEmfRecord record(EMR_EXTCREATEPEN);
    record.U32(handle).U32(0).U32(0).U32(0).U32(0);
    record.U32(pen.style).U32(pen.width).U32(pen.brushStyle).U32(pen.color).U32(pen.hatch);
    record.U32(static_cast<DWORD>(pen.userStyle.size()));
    for (const DWORD length : pen.userStyle)
        record.U32(length);
    return record;
}

CEmfRecord CEmfObjectRecord::Brush(DWORD handle, const LOGBRUSH& brush) {
    CEmfRecord record(EMR_CREATEBRUSHINDIRECT);
    record.U32(handle).U32(brush.lbStyle).U32(brush.lbColor).U32(brush.lbHatch);
    return record;
}

CEmfRecord CEmfObjectRecord::Font(DWORD handle, const QFont& font, int dpiY, LONG escapement,
                                  bool vertical) {
    LONG height = -font.pixelSize();
    if (font.pixelSize() <= 0)
        height = -static_cast<LONG>(std::lround(font.pointSizeF() * dpiY / 72));
    CEmfRecord record(EMR_EXTCREATEFONTINDIRECTW);
    record.U32(handle).I32(height).I32(0).I32(escapement).I32(escapement).I32(font.weight());
    record.U8(font.italic() ? 1 : 0).U8(font.underline() ? 1 : 0).U8(font.strikeOut() ? 1 : 0);
    record.U8(DEFAULT_CHARSET).U8(0).U8(0);
    record.U8(font.styleStrategy() & QFont::NoAntialias ? NONANTIALIASED_QUALITY : 0).U8(0);
    const QString name = vertical ? QLatin1Char('@') + font.family() : font.family();
    std::u16string face = name.left(LF_FACESIZE - 1).toStdU16String();
    face.resize(LF_FACESIZE, u'\0');
    record.Utf16(face);
    return record;
}
