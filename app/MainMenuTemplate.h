#pragma once
// The items of the main window's menu, with the tool-bar images of the
// commands that have a button.
#include "controls/CBitmapMenu.h"

std::vector<CMenuTemplateItem> MainMenuTemplate();
