#include "app/CSettingsProfile.h"

#include "app/CRecentTexts.h"
#include "platform/win/CNumberFormat.h"
#include "platform/win/CProfile.h"
#include "platform/win/PathFunctions.h"
#include "settings/CDrawDefaults.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

const char* const kTextSizeKeys[3] = {"TEXT_LARGE", "TEXT_STANDARD", "TEXT_SMALL"};
const char* const kArrowSizeKeys[3] = {"ARROW_LARGE", "ARROW_STANDARD", "ARROW_SMALL"};

int GetInt(const char* section, const char* key, int defaultValue) {
    return static_cast<int>(CProfile::GetProfileInt(section, key, defaultValue));
}

// A double kept as text; text that is no number reads as 0.0, as atof does.
// Infinities and NaN would reach integer conversions in the drawing code:
// they fall back to the default.
double GetDouble(const char* section, const char* key, const char* defaultText) {
    double value = CNumberFormat::Atof(CProfile::GetProfileString(section, key, defaultText));
    return std::isfinite(value) ? value : CNumberFormat::Atof(defaultText);
}

void WriteDouble(const char* section, const char* key, double value) {
    CProfile::WriteProfileString(section, key, CNumberFormat::FormatF(value).c_str());
}

// Sizes read as unsigned and kept as doubles. They divide the drawing size,
// so 0 falls back to the default.
double GetDivisor(const char* section, const char* key, int defaultValue) {
    UINT value = CProfile::GetProfileInt(section, key, defaultValue);
    return value == 0 ? defaultValue : static_cast<double>(value);
}

int AtLeast(int value, int minimum, int fallback) {
    return value < minimum ? fallback : value;
}

CString StringKey(int index) {
    char key[16];
    std::snprintf(key, sizeof key, "STRING%02d", index);
    return CString(key);
}

void LoadTexts(const char* section, std::vector<CString>& list) {
    list.clear();
    for (int i = 0; i < CRecentTexts::kMaxEntries; ++i) {
        CString text = CProfile::GetProfileString(section, StringKey(i), "");
        if (!text.IsEmpty())
            list.push_back(text);
    }
}

void SaveTexts(const char* section, const std::vector<CString>& list) {
    for (int i = 0; i < CRecentTexts::kMaxEntries; ++i) {
        const char* text = i < static_cast<int>(list.size()) ? list[i].c_str() : "";
        CProfile::WriteProfileString(section, StringKey(i), text);
    }
}

} // namespace

void CSettingsProfile::Load(CDrawDefaults& s, CRecentTexts& recent) {
    const CDrawDefaults defaults;

    s.m_bkColor = CProfile::GetProfileInt("MAINWINDOW", "BACKCOLOR", 0xFFFFFF);
    s.m_selColor = CProfile::GetProfileInt("MAINWINDOW", "SELECTCOLOR", 0x808080);
    s.m_curBkColor = s.m_bkColor;
    s.m_curSelColor = s.m_selColor;
    s.m_mono = GetInt("MAINWINDOW", "MONO", 0);
    s.m_marginLeft = AtLeast(GetInt("MAINWINDOW", "MARGINLEFT", 10), 0, 0);
    s.m_marginRight = AtLeast(GetInt("MAINWINDOW", "MARGINRIGHT", 10), 0, 0);
    s.m_marginTop = AtLeast(GetInt("MAINWINDOW", "MARGINTOP", 10), 0, 0);
    s.m_marginBottom = AtLeast(GetInt("MAINWINDOW", "MARGINBOTTOM", 10), 0, 0);

    s.m_printColorMode = GetInt("PRINT", "COLORMODE", 1);
    s.m_printRange = GetInt("PRINT", "RANGE", 1);
    s.m_printMarginLeft = AtLeast(GetInt("PRINT", "MARGINLEFT", 15), 0, 0);
    s.m_printMarginRight = AtLeast(GetInt("PRINT", "MARGINRIGHT", 15), 0, 0);
    s.m_printMarginTop = AtLeast(GetInt("PRINT", "MARGINTOP", 15), 0, 0);
    s.m_printMarginBottom = AtLeast(GetInt("PRINT", "MARGINBOTTOM", 15), 0, 0);

    s.m_lineScale = GetDouble("LINE", "SCALE", "7.0");
    s.m_textScale = GetDouble("TEXT", "SCALE", "1.4");

    for (int i = 0; i < 3; ++i) {
        s.m_markupTextSize[i] =
            GetDivisor("MARKUP", kTextSizeKeys[i], static_cast<int>(defaults.m_markupTextSize[i]));
        s.m_markupArrowSize[i] = GetDivisor("MARKUP", kArrowSizeKeys[i],
                                            static_cast<int>(defaults.m_markupArrowSize[i]));
    }
    LoadTexts("MARKUP", recent.m_recentMarkupTexts);

    s.m_cloudSpace = GetDivisor("REDLINE", "CLOUD_SPACE", 40);
    LoadTexts("REDLINE", recent.m_recentRedlineTexts);
    LoadTexts("TOOLTIP", recent.m_recentTooltipTexts);
    LoadTexts("LAYER", recent.m_recentLayerNames);

    s.m_converterPath = CProfile::GetProfilePath("DREVIX", "EXEPATH");
    if (s.m_converterPath.IsEmpty())
        s.m_converterPath = GetProgramDir() + "TeighaFileConverter.exe";
    s.m_tempFolder = GetTempDir();
    s.m_converterKind = 1;

    s.m_useSheetExtent = GetInt("VIEW", "FITFLAG", 1);
    s.m_viewOrder = GetInt("VIEW", "ORDER", 1);
    s.m_selectMode = GetInt("SELECT", "MODE", 0);
    // A period of 0 would fire the blink timer without pause.
    s.m_blinkTime = AtLeast(GetInt("SELECT", "BLINKTIME", 1000), 1, defaults.m_blinkTime);
    s.m_dxfPenWidth = GetInt("DXF", "DEFAULTPENWIDTH", 25);
    s.m_imageStretchMode = GetInt("IMAGE", "STRETCHMODE", 0);
    s.m_imageTransparent = GetInt("IMAGE", "TRANSPARENT", 0);
    s.m_metafileLineWidthScale = GetDouble("MEATFILE", "LWIDTHSCALE", "1.0");
    // Without room for one step, undo would lose every change at once.
    s.m_undoMax = AtLeast(GetInt("UNDO", "MAXCNT", 50), 1, defaults.m_undoMax);
    s.m_saveConfirm = GetInt("SAVE", "CONFIRM", 1);
    s.m_insertLayerFlag = GetInt("INSERT", "LAYERFLAG", 1);
    s.m_insertLayerName = CProfile::GetProfileString("INSERT", "LAYERNAME", "");
    s.m_penScaleFlag = GetInt("LINE", "PENSCALEFLAG", 1);
    s.m_lineTypeCoeff = GetDouble("LINE", "LTYPECOEFF", "1.0");

    s.m_ghostscriptPath = "gs";
}

void CSettingsProfile::Save(const CDrawDefaults& s, const CRecentTexts& recent) {
    CProfile::WriteProfileInt("MAINWINDOW", "BACKCOLOR", static_cast<int>(s.m_bkColor));
    CProfile::WriteProfileInt("MAINWINDOW", "SELECTCOLOR", static_cast<int>(s.m_selColor));
    CProfile::WriteProfileInt("MAINWINDOW", "MONO", s.m_mono);
    CProfile::WriteProfileInt("MAINWINDOW", "MARGINLEFT", s.m_marginLeft);
    CProfile::WriteProfileInt("MAINWINDOW", "MARGINRIGHT", s.m_marginRight);
    CProfile::WriteProfileInt("MAINWINDOW", "MARGINTOP", s.m_marginTop);
    CProfile::WriteProfileInt("MAINWINDOW", "MARGINBOTTOM", s.m_marginBottom);

    CProfile::WriteProfileInt("PRINT", "COLORMODE", s.m_printColorMode);
    CProfile::WriteProfileInt("PRINT", "RANGE", s.m_printRange);
    CProfile::WriteProfileInt("PRINT", "MARGINLEFT", s.m_printMarginLeft);
    CProfile::WriteProfileInt("PRINT", "MARGINRIGHT", s.m_printMarginRight);
    CProfile::WriteProfileInt("PRINT", "MARGINTOP", s.m_printMarginTop);
    CProfile::WriteProfileInt("PRINT", "MARGINBOTTOM", s.m_printMarginBottom);

    WriteDouble("LINE", "SCALE", s.m_lineScale);
    WriteDouble("TEXT", "SCALE", s.m_textScale);

    for (int i = 0; i < 3; ++i) {
        CProfile::WriteProfileInt("MARKUP", kTextSizeKeys[i],
                                  static_cast<int>(s.m_markupTextSize[i]));
        CProfile::WriteProfileInt("MARKUP", kArrowSizeKeys[i],
                                  static_cast<int>(s.m_markupArrowSize[i]));
    }
    SaveTexts("MARKUP", recent.m_recentMarkupTexts);

    CProfile::WriteProfileInt("REDLINE", "CLOUD_SPACE", static_cast<int>(s.m_cloudSpace));
    SaveTexts("REDLINE", recent.m_recentRedlineTexts);
    SaveTexts("TOOLTIP", recent.m_recentTooltipTexts);
    SaveTexts("LAYER", recent.m_recentLayerNames);

    CProfile::WriteProfilePath("DREVIX", "EXEPATH", s.m_converterPath);
    CProfile::WriteProfileInt("VIEW", "FITFLAG", s.m_useSheetExtent);
    CProfile::WriteProfileInt("VIEW", "ORDER", s.m_viewOrder);
    CProfile::WriteProfileInt("SELECT", "MODE", s.m_selectMode);
    CProfile::WriteProfileInt("SELECT", "BLINKTIME", s.m_blinkTime);
    CProfile::WriteProfileInt("DXF", "DEFAULTPENWIDTH", s.m_dxfPenWidth);
    CProfile::WriteProfileInt("IMAGE", "STRETCHMODE", s.m_imageStretchMode);
    CProfile::WriteProfileInt("IMAGE", "TRANSPARENT", s.m_imageTransparent);
    WriteDouble("MEATFILE", "LWIDTHSCALE", s.m_metafileLineWidthScale);
    CProfile::WriteProfileInt("UNDO", "MAXCNT", s.m_undoMax);
    CProfile::WriteProfileInt("SAVE", "CONFIRM", s.m_saveConfirm);
    CProfile::WriteProfileInt("INSERT", "LAYERFLAG", s.m_insertLayerFlag);
    CProfile::WriteProfileString("INSERT", "LAYERNAME", s.m_insertLayerName);
    CProfile::WriteProfileInt("LINE", "PENSCALEFLAG", s.m_penScaleFlag);
    WriteDouble("LINE", "LTYPECOEFF", s.m_lineTypeCoeff);
    CProfile::Flush();
}
