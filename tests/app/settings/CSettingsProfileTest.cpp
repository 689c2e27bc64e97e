#include "app/CSettingsProfile.h"
#include "app/CRecentTexts.h"
#include "platform/win/CProfile.h"
#include "settings/CDrawDefaults.h"
#include "tests/support/TempProfile.h"

#include <gtest/gtest.h>

#include <QFile>

#include <clocale>

namespace {

TEST(CSettingsProfileTest, FreshProfileGivesTheLoadDefaultsNotTheConstructorValues) {
    TempProfile profile;
    CDrawDefaults s;
    ASSERT_EQ(s.m_bkColor, 0u);
    ASSERT_EQ(s.m_lineScale, 10.0);
    CRecentTexts recent;
    CSettingsProfile::Load(s, recent);

    EXPECT_EQ(s.m_bkColor, 0xFFFFFFu);
    EXPECT_EQ(s.m_curBkColor, 0xFFFFFFu);
    EXPECT_EQ(s.m_selColor, 0x808080u);
    EXPECT_EQ(s.m_marginLeft, 10);
    EXPECT_EQ(s.m_marginBottom, 10);
    EXPECT_EQ(s.m_printColorMode, 1);
    EXPECT_EQ(s.m_printRange, 1);
    EXPECT_EQ(s.m_printMarginTop, 15);
    EXPECT_EQ(s.m_undoMax, 50);
    EXPECT_EQ(s.m_blinkTime, 1000);
    EXPECT_DOUBLE_EQ(s.m_lineScale, 7.0);
    EXPECT_DOUBLE_EQ(s.m_textScale, 1.4);
    EXPECT_EQ(s.m_viewOrder, 1);
    EXPECT_EQ(s.m_useSheetExtent, 1);
    EXPECT_EQ(s.m_dxfPenWidth, 25);
    EXPECT_EQ(s.m_converterKind, 1);
    EXPECT_DOUBLE_EQ(s.m_markupTextSize[2], 95.0);
    EXPECT_DOUBLE_EQ(s.m_markupArrowSize[2], 152.0);
    EXPECT_DOUBLE_EQ(s.m_cloudSpace, 40.0);
    EXPECT_TRUE(s.m_converterPath.view().ends_with("/TeighaFileConverter.exe"));
    EXPECT_TRUE(s.m_tempFolder.view().ends_with("/"));
    EXPECT_TRUE(recent.m_recentMarkupTexts.empty());
}

// Mended: the converter's path is the file system's bytes, not CP932 text:
// a folder named in Japanese still names the converter.
TEST(CSettingsProfileTest, ConverterPathIsTheFileSystemsBytes_Mended) {
    TempProfile profile;
    const CString converter("/opt/\xE9\x85\x8D\xE7\xAE\xA1/dwg2dxf"); // /opt/配管/dwg2dxf
    CProfile::WriteProfilePath("DREVIX", "EXEPATH", converter);
    CDrawDefaults read;
    CRecentTexts recent;
    CSettingsProfile::Load(read, recent);
    EXPECT_EQ(read.m_converterPath.str(), converter.str());
    CSettingsProfile::Save(read, recent);
    EXPECT_EQ(CProfile::GetProfilePath("DREVIX", "EXEPATH").str(), converter.str());
}

TEST(CSettingsProfileTest, RoundTripKeepsEveryValueUnderACommaLocale) {
    TempProfile profile;
    ASSERT_NE(setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    CDrawDefaults s;
    s.m_bkColor = 0x102030;
    s.m_selColor = 0x405060;
    s.m_mono = 2;
    s.m_marginLeft = 1;
    s.m_marginTop = 2;
    s.m_marginRight = 3;
    s.m_marginBottom = 4;
    s.m_printColorMode = 3;
    s.m_printRange = 0;
    s.m_printMarginLeft = 5;
    s.m_printMarginTop = 6;
    s.m_printMarginRight = 7;
    s.m_printMarginBottom = 8;
    s.m_lineScale = 2.5;
    s.m_textScale = 0.75;
    s.m_markupTextSize[0] = 61;
    s.m_markupArrowSize[1] = 77;
    s.m_cloudSpace = 33;
    s.m_converterPath = "/opt/conv";
    s.m_useSheetExtent = 0;
    s.m_viewOrder = 2;
    s.m_selectMode = 2;
    s.m_blinkTime = 250;
    s.m_dxfPenWidth = 13;
    s.m_imageStretchMode = 1;
    s.m_imageTransparent = 1;
    s.m_metafileLineWidthScale = 1.5;
    s.m_undoMax = 7;
    s.m_saveConfirm = 0;
    s.m_insertLayerFlag = 0;
    s.m_insertLayerName = "\x8E\xE9\x8F\x91\x82\xAB"; // 朱書き
    s.m_penScaleFlag = 0;
    s.m_lineTypeCoeff = 0.125;
    CRecentTexts recent;
    recent.m_recentLayerNames = {CString("A"), CString("\x95\x5C")};
    CSettingsProfile::Save(s, recent);

    CDrawDefaults r;
    CRecentTexts back;
    CSettingsProfile::Load(r, back);
    setlocale(LC_ALL, "C");

    EXPECT_EQ(r.m_bkColor, 0x102030u);
    EXPECT_EQ(r.m_curSelColor, 0x405060u);
    EXPECT_EQ(r.m_mono, 2);
    EXPECT_EQ(r.m_marginLeft + r.m_marginTop + r.m_marginRight + r.m_marginBottom, 10);
    EXPECT_EQ(r.m_marginBottom, 4);
    EXPECT_EQ(r.m_printColorMode, 3);
    EXPECT_EQ(r.m_printRange, 0);
    EXPECT_EQ(r.m_printMarginLeft, 5);
    EXPECT_EQ(r.m_printMarginBottom, 8);
    EXPECT_DOUBLE_EQ(r.m_lineScale, 2.5);
    EXPECT_DOUBLE_EQ(r.m_textScale, 0.75);
    EXPECT_DOUBLE_EQ(r.m_markupTextSize[0], 61);
    EXPECT_DOUBLE_EQ(r.m_markupArrowSize[1], 77);
    EXPECT_DOUBLE_EQ(r.m_cloudSpace, 33);
    EXPECT_EQ(r.m_converterPath.str(), "/opt/conv");
    EXPECT_EQ(r.m_useSheetExtent, 0);
    EXPECT_EQ(r.m_viewOrder, 2);
    EXPECT_EQ(r.m_selectMode, 2);
    EXPECT_EQ(r.m_blinkTime, 250);
    EXPECT_EQ(r.m_dxfPenWidth, 13);
    EXPECT_EQ(r.m_imageStretchMode, 1);
    EXPECT_EQ(r.m_imageTransparent, 1);
    EXPECT_DOUBLE_EQ(r.m_metafileLineWidthScale, 1.5);
    EXPECT_EQ(r.m_undoMax, 7);
    EXPECT_EQ(r.m_saveConfirm, 0);
    EXPECT_EQ(r.m_insertLayerFlag, 0);
    EXPECT_EQ(r.m_insertLayerName.str(), "\x8E\xE9\x8F\x91\x82\xAB");
    EXPECT_EQ(r.m_penScaleFlag, 0);
    EXPECT_DOUBLE_EQ(r.m_lineTypeCoeff, 0.125);
    ASSERT_EQ(back.m_recentLayerNames.size(), 2u);
    EXPECT_EQ(back.m_recentLayerNames[1].str(), "\x95\x5C");
}

TEST(CSettingsProfileTest, DoublesAreWrittenWithSixDecimalsAndSizesTruncated) {
    TempProfile profile;
    CDrawDefaults s;
    s.m_lineScale = 7.0;
    s.m_markupTextSize[2] = 95.7;
    CSettingsProfile::Save(s, CRecentTexts());
    EXPECT_EQ(CProfile::GetProfileString("LINE", "SCALE").str(), "7.000000");
    EXPECT_EQ(CProfile::GetProfileInt("MARKUP", "TEXT_SMALL", 0), 95u);
}

TEST(CSettingsProfileTest, RecentTextsCloseGapsAndClearStaleKeys) {
    TempProfile profile;
    CProfile::WriteProfileString("MARKUP", "STRING03", "");
    CProfile::WriteProfileString("MARKUP", "STRING00", "a");
    CProfile::WriteProfileString("MARKUP", "STRING01", "b");
    CProfile::WriteProfileString("MARKUP", "STRING02", "c");
    CProfile::WriteProfileString("MARKUP", "STRING04", "d");
    CProfile::WriteProfileString("MARKUP", "STRING09", "j");
    CDrawDefaults s;
    CRecentTexts recent;
    CSettingsProfile::Load(s, recent);
    ASSERT_EQ(recent.m_recentMarkupTexts.size(), 5u);
    EXPECT_EQ(recent.m_recentMarkupTexts[3].str(), "d");

    recent.m_recentMarkupTexts.pop_back();
    CSettingsProfile::Save(s, recent);
    EXPECT_EQ(CProfile::GetProfileString("MARKUP", "STRING03").str(), "d");
    EXPECT_EQ(CProfile::GetProfileString("MARKUP", "STRING04", "x").str(), "");
    EXPECT_EQ(CProfile::GetProfileString("MARKUP", "STRING09", "x").str(), "");
}

struct BadValue {
    const char* section;
    const char* key;
    const char* value;
};

TEST(CSettingsProfileTest, UnsoundValuesFallBackOrClamp) {
    const BadValue values[] = {
        {"UNDO", "MAXCNT", "0"},          {"SELECT", "BLINKTIME", "-5"},
        {"MARKUP", "TEXT_STANDARD", "0"}, {"MARKUP", "ARROW_SMALL", "0"},
        {"REDLINE", "CLOUD_SPACE", "0"},  {"MAINWINDOW", "MARGINLEFT", "-3"},
        {"PRINT", "MARGINTOP", "-1"},     {"LINE", "SCALE", "inf"},
        {"TEXT", "SCALE", "nan"},         {"LINE", "LTYPECOEFF", "abc"},
    };
    TempProfile profile;
    for (const BadValue& v : values)
        CProfile::WriteProfileString(v.section, v.key, v.value);
    CDrawDefaults s;
    CRecentTexts recent;
    CSettingsProfile::Load(s, recent);
    EXPECT_EQ(s.m_undoMax, 50);
    EXPECT_EQ(s.m_blinkTime, 1000);
    EXPECT_DOUBLE_EQ(s.m_markupTextSize[1], 76.0);
    EXPECT_DOUBLE_EQ(s.m_markupArrowSize[2], 152.0);
    EXPECT_DOUBLE_EQ(s.m_cloudSpace, 40.0);
    EXPECT_EQ(s.m_marginLeft, 0);
    EXPECT_EQ(s.m_printMarginTop, 0);
    EXPECT_DOUBLE_EQ(s.m_lineScale, 7.0);
    EXPECT_DOUBLE_EQ(s.m_textScale, 1.4);
    EXPECT_DOUBLE_EQ(s.m_lineTypeCoeff, 0.0); // text that is no number reads as 0
}

TEST(CProfileTest, IntegersThatAreNotNumbersGiveTheDefault) {
    TempProfile profile;
    CProfile::WriteProfileString("S", "K", "12x");
    EXPECT_EQ(CProfile::GetProfileInt("S", "K", 5), 5u);
    CProfile::WriteProfileInt("S", "N", -2);
    EXPECT_EQ(static_cast<int>(CProfile::GetProfileInt("S", "N", 5)), -2);
    CProfile::Flush();
    EXPECT_TRUE(QFile::exists(profile.IniPath()));
}

// A path keeps its bytes through the profile, whether or not they are
// text; CP932 could hold neither the accent nor the emoji.
TEST(ProfilePathTest, EveryPathComesBackAsItWentIn_Mended) {
    TempProfile profile;
    for (const char* path : {"/home/u/caf\xC3\xA9/", "/home/u/plan\xF0\x9F\x93\x90/",
                             "/home/u/caf\xE9/", "/home/u/\x90\x7D\x96\xCA/", ""}) {
        SCOPED_TRACE(path);
        ASSERT_TRUE(CProfile::WriteProfilePath("FILE", "PATH", CString(path)));
        CProfile::Flush();
        EXPECT_EQ(CProfile::GetProfilePath("FILE", "PATH").str(), path);
    }
    EXPECT_TRUE(CProfile::GetProfilePath("FILE", "NONE").IsEmpty());
}

} // namespace
