#pragma once
// The images of the palette's kind buttons: a small figure of each redline
// kind, in the four states of a hover button.
#include <QPixmap>

namespace KindIcons {

struct Set {
    QPixmap normal;
    QPixmap hover;
    QPixmap pressed;
    QPixmap disabled;
};

Set ForKind(int kind);

} // namespace KindIcons
