#pragma once
// The colour page: ten swatches that set the background colour, and the
// background and selection colour buttons that open the colour dialog.

#include "ui/CSettingsPage.h"

class QPushButton;

class CSettingsColorPage : public CSettingsPage {
public:
    enum ControlId { kFirstSwatch = 5000, kBackground = 1008, kSelection = 1009 };

    CSettingsColorPage(const CSettingsPageControls& controls, CSettingsValues& values,
                       QWidget* parent);

    void Apply() override;

    COLORREF BackgroundColor() const { return m_bkColor; }
    COLORREF SelectionColor() const { return m_selColor; }

private:
    // The button shows its colour over its whole face.
    static void ShowColor(QPushButton* button, COLORREF color);
    // The colour dialog started on the colour; true when one was chosen.
    bool ChooseColor(COLORREF* color);

    COLORREF m_bkColor;
    COLORREF m_selColor;
    QPushButton* m_bkButton;
    QPushButton* m_selButton;
};
