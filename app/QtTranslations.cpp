#include "app/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool InstallQtTranslations() {
    // Installed once; it stays for the life of the program.
    static QTranslator* const translator = new QTranslator;
    static const bool loaded =
        translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(translator);
    return loaded;
}
