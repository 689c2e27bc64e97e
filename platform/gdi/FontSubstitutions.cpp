#include "platform/gdi/FontSubstitutions.h"

#include <QFont>

void InstallFontSubstitutions() {
    struct Substitution {
        const char* windowsFace;
        const char* asciiName;
        const char* installedFace;
    };
    static const Substitution kTable[] = {
        {"ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic"},
        {"ＭＳ ゴシック", "MS Gothic", "IPAGothic"},
        {"ＭＳ Ｐ明朝", "MS PMincho", "IPAPMincho"},
        {"ＭＳ 明朝", "MS Mincho", "IPAMincho"},
    };
    for (const Substitution& s : kTable) {
        QFont::insertSubstitution(QString::fromUtf8(s.windowsFace),
                                  QString::fromUtf8(s.installedFace));
        QFont::insertSubstitution(QString::fromUtf8(s.asciiName),
                                  QString::fromUtf8(s.installedFace));
    }
}
