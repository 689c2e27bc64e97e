#pragma once
// Scale printing: the paper and orientation of the application's printer,
// the scale (a fixed list or a custom numerator and denominator) and the
// scale label, shown in the preview pane, which also prints. The dialog
// stays open after a print; only "キャンセル" closes it.

#include "controls/CBkDialog.h"
#include "ui/CScalePreviewDlg.h"

class CScalePrintHost;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

class CScalePrintDlg : public CBkDialog {
public:
    enum ControlId {
        kPaperId = 1055,
        kOrientationId = 1044,
        kScaleId = 1045,
        kNumeratorId = 1048,
        kDenominatorId = 1049,
        kLabelOnId = 1050,
        kLabelHeightId = 1043,
        kLabelPositionId = 1046,
        kPaneFrameId = 1020,
        kInvertId = 6,
        kCentreId = 7,
        kResetId = 5,
        kPrinterSetupId = 3,
        kPrintId = 4,
    };

    // Reads the label settings from the profile.
    explicit CScalePrintDlg(CScalePrintHost& host, QWidget* parent = nullptr);
    ~CScalePrintDlg() override;

    // Fills the controls from the members the caller has set and from the
    // printer; called once before the dialog is shown.
    void OnInitDialog();

    // A control's text read as a leading number (0 for none); false, after
    // the control's range message when show is set, when it is out of range.
    bool CheckValue(int id, bool show, double* value = nullptr) const;
    // Takes the numerator and denominator into the scale; false, with the
    // failing edit selected and focused, when one is out of range.
    bool ValidateScale(bool show);
    // As ValidateScale with messages, and the label height too.
    bool ValidateAll();
    // The fixed entry of the scale, or "カスタム".
    void SelectScaleEntry();

    void OnPaperChanged();
    void OnOrientationChanged();
    void OnScaleChanged();
    void OnLabelOnClicked();
    void OnCentre();
    void OnReset();
    void OnPrinterSetup();
    void OnPrint();

    CScalePreviewDlg& Preview() { return *m_preview; }

    double m_centreX = 0.0;
    double m_centreY = 0.0;
    double m_numerator = 1.0;
    double m_denominator = 1.0;
    int m_labelOn = 1;
    double m_labelHeight = 5.0;
    int m_labelPosition = 3;
    QString m_printerName;
    int m_paperCount = 0;
    CScaleSheet m_sheet;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The printer's name into the caption, its papers, orientation and margins.
    void ReadPrinter();
    int FillPaperCombo();
    void UpdateMargins();
    // The pane takes the paper, margins and orientation and is redrawn.
    void UpdatePanePaper();
    void ApplyScale(double numerator, double denominator);
    void FocusEdit(int id);
    QLineEdit* Edit(int id) const;

    CScalePrintHost& m_host;
    double m_startNumerator = 1.0;
    double m_startDenominator = 1.0;
    CScalePreviewDlg* m_preview;
    QComboBox* m_paper;
    QComboBox* m_orientationCombo;
    QComboBox* m_scale;
    QLineEdit* m_numeratorEdit;
    QLineEdit* m_denominatorEdit;
    QCheckBox* m_labelOnCheck;
    QLineEdit* m_labelHeightEdit;
    QComboBox* m_position;
    QPushButton* m_print;
};
