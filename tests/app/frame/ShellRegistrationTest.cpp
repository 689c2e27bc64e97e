#include "app/CShellRegistration.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <ostream>

namespace {

struct ExecCase {
    const char* name;
    QString program;
    QString exec; // the Exec line as the file holds it
};

// Failures name the case.
void PrintTo(const ExecCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class ShellRegistrationExec : public ::testing::TestWithParam<ExecCase> {};

// Each folder name comes back from the entry as it is, and adds no line.
TEST_P(ShellRegistrationExec, TheProgramPathIsEscapedAsTheEntryFormatAsks_Mended) {
    QTemporaryDir data;
    ASSERT_TRUE(CShellRegistration::Register(data.path(), GetParam().program));
    QFile entry(CShellRegistration::DesktopEntryPath(data.path()));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(entry.readAll()).split(QLatin1Char('\n'));
    const QStringList exec = lines.filter(QStringLiteral("Exec="));
    ASSERT_EQ(exec.size(), 1);
    EXPECT_EQ(exec[0], GetParam().exec);
    EXPECT_EQ(lines.size(), 9);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ShellRegistrationExec,
    ::testing::Values(ExecCase{"Plain", QStringLiteral("/opt/zumeo/zumeo"),
                               QStringLiteral("Exec=\"/opt/zumeo/zumeo\" %f")},
                      ExecCase{"Spaces", QStringLiteral("/opt/my apps/zumeo"),
                               QStringLiteral("Exec=\"/opt/my apps/zumeo\" %f")},
                      ExecCase{"Percent", QStringLiteral("/opt/100%f/zumeo"),
                               QStringLiteral("Exec=\"/opt/100%%f/zumeo\" %f")},
                      // A backslash is escaped for the quoting and again for the string.
                      ExecCase{"Backslash", QStringLiteral("/opt/a\\b/zumeo"),
                               QStringLiteral("Exec=\"/opt/a\\\\\\\\b/zumeo\" %f")},
                      ExecCase{"QuoteDollarBacktick", QStringLiteral("/opt/\"$`/zumeo"),
                               QStringLiteral("Exec=\"/opt/\\\\\"\\\\$\\\\`/zumeo\" %f")},
                      ExecCase{"Japanese", QStringLiteral("/opt/図面/zumeo"),
                               QStringLiteral("Exec=\"/opt/図面/zumeo\" %f")}),
    [](const ::testing::TestParamInfo<ExecCase>& info) { return std::string(info.param.name); });

TEST(ShellRegistration, APathWithALineBreakIsRefusedAndNothingWritten_Mended) {
    QTemporaryDir data;
    for (const QString& program :
         {QStringLiteral("/opt/x\nExec=evil/zumeo"), QStringLiteral("/opt/x\r/zumeo"),
          QStringLiteral("/opt/x\t/zumeo")}) {
        EXPECT_FALSE(CShellRegistration::Register(data.path(), program));
        EXPECT_FALSE(QFile::exists(CShellRegistration::DesktopEntryPath(data.path())));
        EXPECT_FALSE(QFile::exists(CShellRegistration::MimePackagePath(data.path())));
    }
}

} // namespace
