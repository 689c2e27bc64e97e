#include "app/CPlugInReader.h"
#include "platform/win/PathFunctions.h"

#include "tests/app/plugins/PlugInTestFiles.h"
#include "tests/app/plugins/fakes/FakeReport.h"
#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProgressBar>
#include <QStatusBar>
#include <QTemporaryDir>

#include <cstring>
#include <string>

namespace {

// CP932: "DLL呼び出しエラー" and "読み込みエラー".
const char* const kCallError =
    "\x44\x4C\x4C\x8C\xC4\x82\xD1\x8F\x6F\x82\xB5\x83\x47\x83\x89\x81\x5B";
const char* const kReadError = "\x93\xC7\x82\xDD\x8D\x9E\x82\xDD\x83\x47\x83\x89\x81\x5B";

class CPlugInReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        // "図面.pln": the plug-in gets the CP932 path the program holds.
        const QString name = m_folder.path() + QString::fromUtf8("/図面.pln");
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        m_drawing = CString::FromFilePath(name);
    }

    // What FakeAlpha saw; the block is freed.
    FakeReport Report(HGLOBAL block) const {
        FakeReport report{};
        EXPECT_EQ(GlobalSize(block), sizeof report);
        if (const void* data = GlobalLock(block)) {
            std::memcpy(&report, data, sizeof report);
            GlobalUnlock(block);
        }
        GlobalFree(block);
        return report;
    }

    QTemporaryDir m_folder;
    CString m_drawing;
    ScriptedDialogs m_dialogs;
    QStatusBar m_statusBar;
};

TEST_F(CPlugInReaderTest, PlugInReadsWithTheProgressBarAndIsUnloadedAfter) {
    CPlugInReader reader(&m_statusBar);
    const CString library = FakePlugIn("FakeAlpha.so");
    HGLOBAL block = reader.GetPORData(library, m_drawing);
    ASSERT_NE(block, nullptr);
    const FakeReport report = Report(block);
    EXPECT_EQ(report.hadWindow, 1);
    EXPECT_EQ(report.rangeHigh, 200);
    EXPECT_EQ(report.position, 50);
    EXPECT_EQ(report.clampedPosition, 200);
    EXPECT_EQ(std::string(report.path), m_drawing.str());
    EXPECT_TRUE(m_dialogs.Messages().empty());
    EXPECT_EQ(m_statusBar.findChild<QProgressBar*>(), nullptr);
    EXPECT_FALSE(IsLoaded(library));
}

TEST_F(CPlugInReaderTest, WithoutStatusBarThePlugInGetsNoWindow) {
    CPlugInReader reader(nullptr);
    HGLOBAL block = reader.GetPORData(FakePlugIn("FakeAlpha.so"), m_drawing);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(Report(block).hadWindow, 0);
}

struct FailureCase {
    const char* library;
    bool drawingExists;
    const char* message; // null: none
};

TEST_F(CPlugInReaderTest, FailuresTellTheUserAndLeaveNothingLoaded) {
    const FailureCase cases[] = {
        {"Missing.DLL", true, kCallError},
        {"NotALibrary.so", true, kCallError},
        {"FakeNoPorData.so", true, kCallError},
        {"FakeBeta.so", true, kReadError}, // the plug-in read nothing
        {"FakeAlpha.so", false, nullptr},  // no drawing: no message
    };
    CPlugInReader reader(&m_statusBar);
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.library);
        ScriptedDialogs dialogs;
        const CString library = FakePlugIn(c.library);
        const CString drawing = c.drawingExists ? m_drawing : m_drawing + ".missing";
        EXPECT_EQ(reader.GetPORData(library, drawing), nullptr);
        if (c.message) {
            ASSERT_EQ(dialogs.Messages().size(), 1u);
            // A read error names the drawing after the text.
            const std::string expected =
                std::string(c.message) +
                (c.message == kReadError ? "\n" + PathForDisplay(drawing).str() : "");
            EXPECT_EQ(dialogs.Messages()[0].text.str(), expected);
            EXPECT_EQ(dialogs.Messages()[0].type, MB_OK);
        } else {
            EXPECT_TRUE(dialogs.Messages().empty());
        }
        EXPECT_FALSE(IsLoaded(library));
        EXPECT_EQ(m_statusBar.findChild<QProgressBar*>(), nullptr);
    }
}

TEST_F(CPlugInReaderTest, DxfPlugInIsFoundByItsDllName) {
    CPlugInReader reader(&m_statusBar);
    HGLOBAL block = reader.GetPORData("RukDXF.DLL", ZUMEO_TEST_DATA "/dxf/minimal_line.dxf");
    ASSERT_NE(block, nullptr);
    EXPECT_GT(GlobalSize(block), 0u);
    GlobalFree(block);
    EXPECT_TRUE(m_dialogs.Messages().empty());
}

} // namespace
