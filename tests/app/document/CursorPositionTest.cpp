#include "app/CDocViewHook.h"
#include "app/CZumeoDoc.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

class RecordingHook final : public CDocViewHook {
public:
    void SetStatusText(int pane, const CString& text) override {
        m_pane = pane;
        m_text = text.ToQString();
    }
    int m_pane = -1;
    QString m_text;
};

struct CursorCase {
    const char* name;
    LONG minX, minY;
    double scale;
    UINT unit;
    LONG x, y;
    const char* shown;
};

class CursorPosition : public ::testing::TestWithParam<CursorCase> {};

// Under a comma-decimal locale too, the point reads with dots.
TEST_P(CursorPosition, ShowsDrawingUnitsInTheSecondPane) {
    const CursorCase& c = GetParam();
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    CZumeoDoc document;
    RecordingHook hook;
    document.SetViewHook(&hook);
    document.m_extent.m_minX = c.minX;
    document.m_extent.m_minY = c.minY;
    document.m_scaleX = c.scale;
    document.m_unit = c.unit;
    document.ShowCursorPosition(c.x, c.y);
    QLocale::setDefault(previous);
    document.SetViewHook(nullptr);
    EXPECT_EQ(hook.m_pane, 1);
    EXPECT_EQ(hook.m_text, QString::fromLatin1(c.shown));
}

INSTANTIATE_TEST_SUITE_P(
    Document, CursorPosition,
    ::testing::Values(
        CursorCase{"AtTheOrigin", 0, 0, 1.0, 1000, 0, 0, "0.000 0.000"},
        CursorCase{"ShiftedAndHalved", 1000, 2000, 0.5, 1000, 500, 250, "2.000 2.500"},
        CursorCase{"LeftOfAndBelowTheOrigin", -3000, 0, 1.0, 1000, 1000, -1500, "-2.000 -1.499"},
        CursorCase{"UnitOfOne", 0, 0, 1.0, 1, 1234, 5, "1234.000 5.000"},
        CursorCase{"UnitOfZeroCountsAsThousand", 0, 0, 1.0, 0, 1500, 1, "1.500 0.001"}),
    [](const auto& info) { return info.param.name; });

} // namespace
