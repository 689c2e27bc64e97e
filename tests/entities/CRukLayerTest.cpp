// The layer: its archive body and its three drawing passes with culling,
// skipping rules and colour modes.
#include "entities/CRukLayer.h"

#include "entities/CRukLine.h"
#include "platform/gdi/CRecordingDC.h"
#include "settings/CDrawDefaults.h"
#include "tests/entities/FakeDocument.h"
#include "tests/entities/ShapeTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

constexpr RECT kClip{0, 0, 1000, 1000};

enum class Pass { Culled, Filtered, Clipped };

class LayerTest : public testing::Test {
protected:
    LayerTest() {
        m_line.SetPoint(0, 0, 0);
        m_line.SetPoint(10, 0, 1);
        m_line.m_color = 0x0000FF;
        m_layer.m_entities.AddTail(&m_line);
        m_settings.m_bkColor = 0xFFFFFF;
    }

    Calls Draw(Pass pass, const RECT& clip = kClip, double patternFactor = 1.0) {
        CRecordingDC dc;
        switch (pass) {
        case Pass::Culled:
            m_layer.DrawEntities(&m_document, &dc, clip, 0, 0, 1.0, patternFactor, &m_settings);
            break;
        case Pass::Filtered:
            m_layer.DrawEntitiesFiltered(&m_document, &dc, clip, 1, 0.01, patternFactor,
                                         &m_settings);
            break;
        case Pass::Clipped:
            m_layer.DrawEntitiesClipped(&m_document, &dc, clip, 0, 0, 1.0, patternFactor,
                                        &m_settings);
            break;
        }
        return dc.Calls();
    }

    // The pen the line was drawn with, or "" when it was not drawn.
    std::string Pen(Pass pass, const RECT& clip = kClip, double patternFactor = 1.0) {
        const Calls calls = Draw(pass, clip, patternFactor);
        return calls.empty() ? std::string() : calls.front();
    }

    FakeDocument m_document;
    CDrawDefaults m_settings;
    CRukLine m_line;
    CRukLayer m_layer;
};

constexpr Pass kPasses[] = {Pass::Culled, Pass::Filtered, Pass::Clipped};

TEST_F(LayerTest, HiddenLayerDrawsNothingInAnyPass) {
    for (Pass pass : kPasses)
        EXPECT_FALSE(Draw(pass).empty());
    m_layer.m_visible = 0;
    for (Pass pass : kPasses)
        EXPECT_TRUE(Draw(pass).empty());
}

TEST_F(LayerTest, EntitiesNotShownAreSkippedInEveryPass) {
    m_line.SetVisible(0);
    for (Pass pass : kPasses)
        EXPECT_TRUE(Draw(pass).empty());
    m_line.SetVisible(2);
    for (Pass pass : kPasses)
        EXPECT_TRUE(Draw(pass).empty());
}

TEST_F(LayerTest, CutOutPartsAndHiddenRedlinesAreLeftOutOnlyOnScreen) {
    for (int flag : {3, 4}) {
        m_line.m_childFlag = flag;
        EXPECT_TRUE(Draw(Pass::Culled).empty());
        EXPECT_FALSE(Draw(Pass::Filtered).empty());
        EXPECT_FALSE(Draw(Pass::Clipped).empty());
    }
    m_line.m_childFlag = 2;
    EXPECT_FALSE(Draw(Pass::Culled).empty());

    m_line.m_redline = 1;
    m_settings.m_showRedlines = 0;
    EXPECT_TRUE(Draw(Pass::Culled).empty());
    EXPECT_FALSE(Draw(Pass::Filtered).empty());
    EXPECT_FALSE(Draw(Pass::Clipped).empty());
}

TEST_F(LayerTest, CullingKeepsWhatComesWithinOneUnitOfTheClip) {
    // The line's device box ends at 12 (x 10 grown by 2); the pass grows it by 1.
    const RECT near{12, -5, 100, 5};
    const RECT off{13, -5, 100, 5};
    EXPECT_FALSE(Draw(Pass::Culled, near).empty());
    EXPECT_TRUE(Draw(Pass::Culled, off).empty());
    EXPECT_FALSE(Draw(Pass::Clipped, near).empty());
    EXPECT_TRUE(Draw(Pass::Clipped, off).empty());
    EXPECT_FALSE(Draw(Pass::Filtered, off).empty());
}

struct ColorModeCase {
    const char* name;
    Pass pass;
    int mode;
    int redline;
    int monochrome;
    bool black;
};

std::ostream& operator<<(std::ostream& out, const ColorModeCase& c) {
    return out << c.name;
}

class ColorModes : public LayerTest, public testing::WithParamInterface<ColorModeCase> {};

TEST_P(ColorModes, ChooseDrawBlack) {
    const ColorModeCase& c = GetParam();
    m_settings.m_mono = c.pass == Pass::Culled ? c.mode : 0;
    m_settings.m_printColorMode = c.pass == Pass::Culled ? 1 : c.mode;
    m_line.m_redline = c.redline;
    m_layer.m_monochrome = c.monochrome;
    EXPECT_EQ(Pen(c.pass), c.black ? "SelectObject(pen PS_SOLID 0 0x000000)"
                                   : "SelectObject(pen PS_SOLID 0 0x0000FF)");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColorModes,
    testing::Values(ColorModeCase{"Screen0Colours", Pass::Culled, 0, 0, 1, false},
                    ColorModeCase{"Screen1Black", Pass::Culled, 1, 1, 0, true},
                    ColorModeCase{"Screen2Black", Pass::Culled, 2, 0, 0, true},
                    ColorModeCase{"Screen2RedlineKeepsColour", Pass::Culled, 2, 1, 0, false},
                    ColorModeCase{"Screen3ByLayer", Pass::Culled, 3, 0, 1, true},
                    ColorModeCase{"Screen3LayerInColour", Pass::Culled, 3, 0, 0, false},
                    ColorModeCase{"Screen4Colours", Pass::Culled, 4, 0, 1, false},
                    ColorModeCase{"Print0Black", Pass::Filtered, 0, 1, 0, true},
                    ColorModeCase{"Print1Colours", Pass::Filtered, 1, 0, 1, false},
                    ColorModeCase{"Print2RedlineKeepsColour", Pass::Filtered, 2, 1, 0, false},
                    ColorModeCase{"Print2Black", Pass::Filtered, 2, 0, 0, true},
                    ColorModeCase{"Print3ByLayer", Pass::Filtered, 3, 0, 1, true},
                    ColorModeCase{"Styled0Black", Pass::Clipped, 0, 0, 0, true},
                    ColorModeCase{"Styled1Colours", Pass::Clipped, 1, 0, 1, false},
                    ColorModeCase{"Styled3LayerInColour", Pass::Clipped, 3, 0, 0, false}),
    testing::PrintToStringParamName());

TEST_F(LayerTest, RedlinesOutsideTheDrawingScaleTakeTheFixedPatternFactor) {
    m_line.m_lineType = 2;
    m_document.m_scaleMarkups = 0;
    m_document.m_scaleMode = 1;
    const std::string doubled =
        "SelectObject(pen PS_GEOMETRIC|PS_USERSTYLE|PS_ENDCAP_FLAT|PS_JOIN_ROUND 0 0x0000FF "
        "{13200,5000})";
    EXPECT_EQ(Pen(Pass::Culled, kClip, 2.0), doubled);
    m_line.m_redline = 1;
    EXPECT_EQ(Pen(Pass::Culled, kClip, 2.0),
              "SelectObject(pen PS_GEOMETRIC|PS_USERSTYLE|PS_ENDCAP_FLAT|PS_JOIN_ROUND 0 0x0000FF "
              "{6600,2500})");
    m_document.m_scaleMarkups = 1;
    EXPECT_EQ(Pen(Pass::Culled, kClip, 2.0), doubled);
}

TEST(CRukLayerTest, BodyIsTheNameAndTheVisibleFlag) {
    const std::vector<BYTE> bytes = Bytes().Text("WALL").Long(0).Get();
    CRukLayer layer;
    LoadBody(layer, bytes, 0);
    EXPECT_EQ(layer.m_name, "WALL");
    EXPECT_EQ(layer.m_visible, 0);
    EXPECT_EQ(StoreBody(layer), bytes);

    const CRukLayer fresh;
    EXPECT_EQ(StoreObject(fresh), ClassRecord(0, "CRukLayer").Text("").Long(1).Get());
}

} // namespace
