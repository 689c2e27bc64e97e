#include "ui/CFolderFileList.h"

#include "settings/CDrawingKinds.h"

#include <QDir>

#include <algorithm>

namespace {

constexpr char kEveryName[] = "*.*";

} // namespace

int FileKindOf(const QString& name, std::span<const CFileKindEntry> entries) {
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return 0;
    const QString extension = name.mid(dot);
    for (const CDrawingKinds::Extension& known : CDrawingKinds::Extensions()) {
        if (known.kind == 0 ||
            extension.compare(QLatin1String(known.name), Qt::CaseInsensitive) != 0)
            continue;
        const bool offered =
            std::any_of(entries.begin(), entries.end(),
                        [&](const CFileKindEntry& e) { return e.kind == known.kind; });
        return offered ? known.kind : 0;
    }
    return 0;
}

QStringList ListFolderFiles(const CString& folder, const CFileKindEntry& entry,
                            std::span<const CFileKindEntry> entries) {
    const bool everyName = qstrcmp(entry.pattern, kEveryName) == 0;
    // Without QDir::CaseSensitive the pattern matches regardless of case,
    // as the extensions are compared.
    const QStringList names =
        QDir(folder.ToFilePath())
            .entryList({everyName ? QStringLiteral("*") : QString::fromLatin1(entry.pattern)},
                       QDir::Files | QDir::Hidden, QDir::Name);
    if (!everyName)
        return names;
    QStringList kept;
    for (const QString& name : names) {
        const int kind = FileKindOf(name, entries);
        if (entry.kind == 0 ? kind != 0 : kind == entry.kind)
            kept.append(name);
    }
    return kept;
}

CString JoinFolderPath(const CString& folder, const QString& name) {
    QString path = folder.ToFilePath();
    if (!path.isEmpty() && !path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return CString::FromFilePath(path + name);
}

const CFileKindEntry& KindEntryOf(std::span<const CFileKindEntry> entries, int kind) {
    for (const CFileKindEntry& entry : entries)
        if (entry.kind == kind)
            return entry;
    return entries.front();
}
