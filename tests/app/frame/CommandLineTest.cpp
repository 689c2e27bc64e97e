#include "app/CCommandLineInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <ostream>

namespace {

struct ParseCase {
    const char* name;
    QByteArrayList arguments;
    CCommandLineInfo::ShellCommand command;
    const char* fileName;
    bool showSplash;
    bool automation;
};

// Failures name the case, not its bytes.
void PrintTo(const ParseCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class CommandLineParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(CommandLineParse, ReadsSwitchesAndTheFile) {
    CCommandLineInfo info;
    info.ParseCommandLine(GetParam().arguments);
    EXPECT_EQ(info.m_nShellCommand, GetParam().command);
    EXPECT_EQ(info.m_strFileName.str(), GetParam().fileName);
    EXPECT_EQ(info.m_bShowSplash, GetParam().showSplash);
    EXPECT_EQ(info.m_bRunEmbedded || info.m_bRunAutomated, GetParam().automation);
}

using C = CCommandLineInfo;

INSTANTIATE_TEST_SUITE_P(
    Lines, CommandLineParse,
    ::testing::Values(
        ParseCase{"Empty", {}, C::FileNew, "", true, false},
        ParseCase{"File", {"図面.dxf"}, C::FileOpen, "図面.dxf", true, false},
        ParseCase{"SecondFileIgnored", {"a.dxf", "b.dxf"}, C::FileOpen, "a.dxf", true, false},
        ParseCase{"Print", {"/p", "a.dxf"}, C::FilePrint, "a.dxf", true, false},
        ParseCase{
            "PrintToDashes", {"-PT", "a.dxf", "printer"}, C::FilePrintTo, "a.dxf", true, false},
        ParseCase{"Embedding", {"/Embedding"}, C::FileNew, "", false, true},
        ParseCase{"Automation", {"-automation"}, C::FileNew, "", false, true},
        ParseCase{"Unregister", {"/UnregServer"}, C::AppUnregister, "", true, false},
        ParseCase{"Regserver", {"/regserver", "x"}, C::FileOpen, "x", true, false},
        ParseCase{"AbsolutePath",
                  {"/p", "/home/user/a.dxf"},
                  C::FilePrint,
                  "/home/user/a.dxf",
                  true,
                  false},
        ParseCase{"LeadingDashIsAFileNotASwitch_Mended",
                  {"-plan.dxf"},
                  C::FileOpen,
                  "-plan.dxf",
                  true,
                  false},
        ParseCase{"UnknownSlashWordIsAFile_Mended", {"/plan"}, C::FileOpen, "/plan", true, false},
        ParseCase{"DoubleDashEndsTheSwitches_Mended",
                  {"--", "-p", "b.dxf"},
                  C::FileOpen,
                  "-p",
                  true,
                  false},
        ParseCase{"NotUtf8KeepsItsBytes_Mended",
                  {"caf\xE9 \"x\".dxf"},
                  C::FileOpen,
                  "caf\xE9 \"x\".dxf",
                  true,
                  false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLineFile, AnExistingFileNamedLikeASwitchIsAFile_Mended) {
    QTemporaryDir folder;
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    QFile file(QStringLiteral("-p"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    CCommandLineInfo info;
    info.ParseCommandLine({"-p"});
    EXPECT_EQ(info.m_nShellCommand, C::FileOpen);
    EXPECT_EQ(info.m_strFileName.str(), "-p");
    ASSERT_TRUE(QDir::setCurrent(QDir::tempPath()));
}

// The built program, beside this test program.
QString ProgramPath() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/zumeo");
}

class ProgramRun : public ::testing::Test {
protected:
    void Start(const QStringList& arguments) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        process.setProcessEnvironment(environment);
        process.start(ProgramPath(), arguments);
        ASSERT_TRUE(process.waitForStarted()) << "run the build of the program zumeo first";
    }
    void TearDown() override {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }
    QString DesktopEntry() const {
        return data.path() + QStringLiteral("/applications/zumeo.desktop");
    }

    QTemporaryDir data;
    QTemporaryDir config;
    QProcess process;
};

struct RegisterCase {
    const char* argument;
};

class RegisterRun : public ProgramRun, public ::testing::WithParamInterface<RegisterCase> {};

TEST_P(RegisterRun, WritesTheDesktopEntryAndEndsWithoutAWindow) {
    Start({QString::fromLatin1(GetParam().argument)});
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
    QFile entry(DesktopEntry());
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(entry.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("Exec=\"") + ProgramPath() + QStringLiteral("\" %f")));
    EXPECT_TRUE(text.contains(QStringLiteral("image/vnd.dxf")));
    QFile mime(data.path() + QStringLiteral("/mime/packages/zumeo.xml"));
    ASSERT_TRUE(mime.open(QIODevice::ReadOnly));
    const QByteArray types = mime.readAll();
    for (const char* pattern : {"*.zmd", "*.zcd", "*.dxf", "*.sfc", "*.p21"})
        EXPECT_TRUE(types.contains(pattern)) << pattern;
}

INSTANTIATE_TEST_SUITE_P(Cases, RegisterRun,
                         ::testing::Values(RegisterCase{"/regserver"}, RegisterCase{"/REGSERVER"},
                                           RegisterCase{"/RegServer"}));

TEST_F(ProgramRun, AutomationStartsEndWithoutAWindow) {
    Start({QStringLiteral("/Automation")});
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(DesktopEntry()));
}

TEST_F(ProgramRun, UnregisterRemovesWhatRegisterWrote) {
    Start({QStringLiteral("/regserver")});
    ASSERT_TRUE(process.waitForFinished(20000));
    ASSERT_TRUE(QFile::exists(DesktopEntry()));
    Start({QStringLiteral("/UnregServer")});
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(DesktopEntry()));
}

// With more on the line it is an ordinary start: the window stays up.
TEST_F(ProgramRun, RegserverWithAFileIsAnOrdinaryStart) {
    Start({QStringLiteral("/REGSERVER"), QStringLiteral("x")});
    EXPECT_FALSE(process.waitForFinished(4000));
    EXPECT_FALSE(QFile::exists(DesktopEntry()));
}

} // namespace
