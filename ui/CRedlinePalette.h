#pragma once
// What the view, the undo records and the settings need of the redline
// palette: the one modeless window that holds the current redline style.
#include "ui/CPaletteStyle.h"

class CRukEntity;

class CRedlinePalette {
public:
    virtual ~CRedlinePalette();

    // The open palette; null while none is open.
    static CRedlinePalette* Current();

    // The style the palette shows and the next markup takes.
    CPaletteStyle m_style;
    // The markup shown in edit mode; null for none.
    CRukEntity* m_selected = nullptr;

    // Makes the window; false when it could not be made.
    virtual bool Create() = 0;
    virtual void ShowWindow() = 0;
    // Writes "POSITION", and "TAB" and "BLEND".
    virtual void SavePosition() const = 0;
    virtual void SaveState() const = 0;
    // The window goes and the palette with it.
    virtual void DestroyWindow() = 0;
    virtual int ShowPage(int page) = 0;
    virtual void SetEditMode(int flag) = 0;
    // 1 when the active page's input is valid: the style went to the
    // document and its keys were written. 0 after a message.
    virtual int ValidatePage() = 0;
    virtual void ShowSelectionStyle() = 0;
    virtual void RefreshLayerCombos() = 0;
    virtual void RedrawStylePreview() = 0;
    virtual void RecreatePaintBrush() = 0;
    virtual void ReapplyTextPresets() = 0;

protected:
    CRedlinePalette();
    // The palette is no longer the open one (its window went).
    void Detach();
};
