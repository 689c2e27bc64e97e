#include "ui/CSettingsValues.h"

#include "settings/CDrawDefaults.h"

CSettingsValues CSettingsValues::FromRecord(const CDrawDefaults& record) {
    CSettingsValues values;
    values.bkColor = record.m_bkColor;
    values.selColor = record.m_selColor;
    values.mono = record.m_mono;
    values.viewMarginBottom = record.m_marginBottom;
    values.viewMarginLeft = record.m_marginLeft;
    values.viewMarginRight = record.m_marginRight;
    values.viewMarginTop = record.m_marginTop;
    values.fitRange = record.m_useSheetExtent;
    values.viewOrder = record.m_viewOrder;
    values.printMarginBottom = record.m_printMarginBottom;
    values.printMarginLeft = record.m_printMarginLeft;
    values.printMarginRight = record.m_printMarginRight;
    values.printMarginTop = record.m_printMarginTop;
    values.printRange = record.m_printRange;
    values.printColorMode = record.m_printColorMode;
    values.textLarge = static_cast<int>(record.m_markupTextSize[0]);
    values.textStandard = static_cast<int>(record.m_markupTextSize[1]);
    values.textSmall = static_cast<int>(record.m_markupTextSize[2]);
    values.arrowLarge = static_cast<int>(record.m_markupArrowSize[0]);
    values.arrowStandard = static_cast<int>(record.m_markupArrowSize[1]);
    values.arrowSmall = static_cast<int>(record.m_markupArrowSize[2]);
    values.cloudSpace = static_cast<int>(record.m_cloudSpace);
    values.imageStretchMode = record.m_imageStretchMode;
    values.imageTransparent = record.m_imageTransparent;
    values.converterPath = record.m_converterPath;
    values.undoMax = record.m_undoMax;
    values.saveConfirm = record.m_saveConfirm;
    return values;
}

void CSettingsValues::ApplyTo(CDrawDefaults& record) const {
    record.m_bkColor = record.m_curBkColor = bkColor;
    record.m_selColor = record.m_curSelColor = selColor;
    record.m_mono = mono;
    record.m_marginBottom = viewMarginBottom;
    record.m_marginLeft = viewMarginLeft;
    record.m_marginRight = viewMarginRight;
    record.m_marginTop = viewMarginTop;
    record.m_useSheetExtent = fitRange;
    record.m_viewOrder = viewOrder;
    record.m_printMarginBottom = printMarginBottom;
    record.m_printMarginLeft = printMarginLeft;
    record.m_printMarginRight = printMarginRight;
    record.m_printMarginTop = printMarginTop;
    record.m_printRange = printRange;
    record.m_printColorMode = printColorMode;
    record.m_markupTextSize[0] = textLarge;
    record.m_markupTextSize[1] = textStandard;
    record.m_markupTextSize[2] = textSmall;
    record.m_markupArrowSize[0] = arrowLarge;
    record.m_markupArrowSize[1] = arrowStandard;
    record.m_markupArrowSize[2] = arrowSmall;
    record.m_cloudSpace = cloudSpace;
    record.m_imageStretchMode = imageStretchMode;
    record.m_imageTransparent = imageTransparent;
    record.m_converterPath = converterPath;
    record.m_undoMax = undoMax;
    record.m_saveConfirm = saveConfirm;
}
