#include "app/CShellRegistration.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace {

struct FileType {
    const char* mimeType;
    const char* comment;
    const char* pattern;
};

// The program's own drawings and control files, and the drawings its
// plug-ins read.
const FileType kFileTypes[] = {
    {"application/x-zumeo-drawing", "Zumeo 図面", "*.zmd"},
    {"application/x-zumeo-control", "Zumeo 朱書きデータ", "*.zcd"},
    {"image/vnd.dxf", "DXF 図面", "*.dxf"},
    {"application/x-sxf-sfc", "SXF 図面 (SFC)", "*.sfc"},
    {"application/x-sxf-p21", "SXF 図面 (P21)", "*.p21"},
};

bool WriteFile(const QString& path, const QByteArray& contents) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(contents);
    return file.commit();
}

// The program as the Exec key of a desktop entry names it: quoted, with the
// quoting's own escapes, a literal '%' doubled so that it is no field code,
// and then the string escapes every value takes, which double each
// backslash once more.
QString QuotedExec(const QString& programPath) {
    QString escaped = programPath;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('"'), QLatin1String("\\\""));
    escaped.replace(QLatin1Char('`'), QLatin1String("\\`"));
    escaped.replace(QLatin1Char('$'), QLatin1String("\\$"));
    escaped.replace(QLatin1Char('%'), QLatin1String("%%"));
    QString quoted = QLatin1Char('"') + escaped + QLatin1Char('"');
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    return quoted;
}

// A line break or other control character would end the key early or
// could not be written at all.
bool HasControlCharacter(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; });
}

} // namespace

QString CShellRegistration::DataFolder() {
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (!xdg.isEmpty())
        return xdg;
    return QDir::homePath() + QStringLiteral("/.local/share");
}

bool CShellRegistration::Unregister(const QString& dataFolder) {
    bool removed = true;
    for (const QString& path : {MimePackagePath(dataFolder), DesktopEntryPath(dataFolder)})
        removed = (!QFile::exists(path) || QFile::remove(path)) && removed;
    return removed;
}

QString CShellRegistration::DesktopEntryPath(const QString& dataFolder) {
    return dataFolder + QStringLiteral("/applications/zumeo.desktop");
}

QString CShellRegistration::MimePackagePath(const QString& dataFolder) {
    return dataFolder + QStringLiteral("/mime/packages/zumeo.xml");
}

bool CShellRegistration::Register(const QString& dataFolder, const QString& programPath) {
    if (HasControlCharacter(programPath))
        return false;
    QStringList mimeTypes;
    QByteArray mime =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
    for (const FileType& type : kFileTypes) {
        mimeTypes << QString::fromUtf8(type.mimeType);
        mime += QByteArray("  <mime-type type=\"") + type.mimeType + "\">\n    <comment>" +
                type.comment + "</comment>\n    <glob pattern=\"" + type.pattern +
                "\"/>\n  </mime-type>\n";
    }
    mime += "</mime-info>\n";

    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Zumeo\n"
                                         "Comment=図面の表示と朱書き\n"
                                         "Exec=%1 %f\n"
                                         "Terminal=false\n"
                                         "Categories=Graphics;Viewer;\n"
                                         "MimeType=%2;\n")
                              .arg(QuotedExec(programPath), mimeTypes.join(QLatin1Char(';')));
    return WriteFile(MimePackagePath(dataFolder), mime) &&
           WriteFile(DesktopEntryPath(dataFolder), entry.toUtf8());
}
