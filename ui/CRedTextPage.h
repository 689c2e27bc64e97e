#pragma once
// Page 0 of the redline palette: the style of the leader-text markups
// (ellipse, rectangle and circle marks and the arrow balloon): text, font,
// text and arrow sizes by preset or by number, the label's box frame and
// where the leader starts. Its keys end in "1", with "BOXFRAME" and "TRANS".
#include "ui/CRedStylePage.h"

class QButtonGroup;
class QCheckBox;
class QRadioButton;

class CRedTextPage : public CRedStylePage {
public:
    enum ControlId : int {
        kTextSizeNumeric = 1059,
        kArrowSizeNumeric = 1060,
        kArrowSizeEdit = 1042,
        kTextSizeEdit = 1043,
        kTextSizeCombo = 1046,
        kArrowSizeCombo = 1047,
        kTextCombo = 1061,
        kNoFrame = 1181,
        kCircleFrame = 1182,
        kRectangleFrame = 1183,
        kTextDetails = 1184,
        kArrowDetails = 1185,
        kTipAtCentre = 1200,
    };

    CRedTextPage(CRedlineDlg& palette, QWidget* parent);

    void RefreshControls() override;
    int Validate() override;
    void SaveStyle() override;
    void ReloadCombos() override;
    // Outside numeric mode the sizes follow the chosen presets again.
    void ReapplyPresets();

protected:
    void DisableInputs() override;

private:
    // One size: its preset combo, numeric check and edit.
    struct SizeControls {
        QComboBox* combo;
        QCheckBox* numeric;
        QLineEdit* edit;
        QToolButton* details;
        bool arrow;
    };

    double& SizeOf(const SizeControls& controls) const;
    const std::array<double, 3>& PresetsOf(const SizeControls& controls) const;
    // The entry of a value: a preset's index, 3 for no arrow, else -1.
    int EntryOf(const SizeControls& controls, double value) const;
    void ShowSize(const SizeControls& controls, bool enabled);
    void OnSizeChosen(const SizeControls& controls, int index);
    void OnSizeEdited(const SizeControls& controls);
    void OnNumericClicked(const SizeControls& controls);
    void OnTextChanged(const QString& text);
    void OnBoxFrame(int frame);
    void OnTipAtCentre();
    void FollowSize(const SizeControls& controls);
    // The value in a size edit, false when it is no number.
    static bool ReadNumber(const QLineEdit* edit, double* value);

    QComboBox* m_textCombo;
    SizeControls m_text{};
    SizeControls m_arrowSize{};
    QButtonGroup* m_frames;
    QCheckBox* m_tipAtCentre;
};
