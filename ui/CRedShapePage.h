#pragma once
// Page 1 of the redline palette: the style of the shapes, lines, freehand
// strokes, sticky notes and images: the fill of closed shapes (a paint type
// with paint and hatch colours), the frame of sticky notes, whether the
// outline is drawn, and the note's text. Its keys end in "2" or "3", with
// "PAINTTYPE", "TAGTYPE", "HATCHCOLOR" and "TRANSPARENCY".
#include "ui/CRedStylePage.h"

class QCheckBox;
class QPlainTextEdit;

class CRedShapePage : public CRedStylePage {
public:
    enum ControlId : int {
        kTextEdit = 1037,
        kPaintColorButton = 1040,
        kHatchColorButton = 1041,
        kTypeCombo = 1046,
        kTextHistory = 1197,
        kHatchTransparency = 1200,
        kNoLine = 1206,
        kFirstPaintSwatch = 5010,
        kBackgroundSwatch = 5019,
    };
    static constexpr int kPaintSwatches = 9;

    CRedShapePage(CRedlineDlg& palette, QWidget* parent);

    void RefreshControls() override;
    int Validate() override;
    void SaveStyle() override;
    // The background swatch takes the view's background colour again.
    void RecreateBackgroundBrush();

protected:
    void DisableInputs() override;

private:
    void EnablePaint(bool enabled, COLORREF shown);
    void OnPaintSwatch(int index);
    void OnBackgroundSwatch();
    void OnPaintColorButton();
    void OnHatchColorButton();
    void OnTextChanged();
    void OnTextHistory();
    void OnTypeChosen(int index);
    void OnNoLine();
    void OnHatchTransparency();
    COLORREF BackgroundColor() const;
    bool IsNote() const { return Style().m_kind == CPaletteStyle::kNote; }

    QPlainTextEdit* m_textEdit;
    QToolButton* m_textHistory;
    QComboBox* m_typeCombo;
    QCheckBox* m_noLine;
    QCheckBox* m_hatchTransparency;
    QToolButton* m_paintColorButton;
    QToolButton* m_hatchColorButton;
    std::vector<QToolButton*> m_paintSwatches;
    QToolButton* m_backgroundSwatch;
};
