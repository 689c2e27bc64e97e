#pragma once
// A hover button of a bar that sends its command id when clicked, drawn
// from one of the tool images in its four looks.

#include "controls/CToolImages.h"
#include "platform/win/WinTypes.h"

#include <functional>

class CHoverButton;
class QWidget;

struct CCommandButton {
    UINT id;
    CToolImages::Glyph glyph;
    const char* tip; // UTF-8

    // The button, named "id_<id>" as every control of ours is.
    CHoverButton* Create(QWidget* parent, std::function<void(UINT)> onCommand) const;
};
