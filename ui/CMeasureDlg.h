#pragma once
// The modeless measure window: start and end point, offset, angle and the
// distance or area of what the view's measure tool measures, converted by a
// drawing scale and a unit. Its choices live in the "MEASURE" section and
// are written as soon as they change.

#include "controls/CBkDialog.h"
#include "geometry/Geometry.h"
#include "ui/CMeasureFormat.h"

#include <optional>

class CMeasureHost;
class QActionGroup;
class QLineEdit;
class QRadioButton;

class CMeasureDlg : public CBkDialog {
public:
    enum ControlId {
        kClose = 8,
        kValue = 1041,
        kScaleNumerator = 1042,
        kScaleDenominator = 1043,
        kAngle = 1044,
        kOffset = 1045,
        kStart = 1046,
        kEnd = 1047,
        kCancel = 1051,
        kDistance = 1221,
        kArea = 1222,
    };
    // The menu commands: units, length digits -2..3, angle digits 0..3.
    enum MenuId {
        kUnitMm = 32788,
        kLengthDigitsFirst = 32791,
        kAngleDigitsFirst = 32797,
    };
    static constexpr int kScaleMin = 1;
    static constexpr int kScaleMax = 100000;

    CMeasureDlg(CMeasureHost& host, QWidget* parent);

    // A measuring step at the drawing point: 1 when the measurement finished.
    void SetPoints(int finished, int x, int y);
    // The measurement was abandoned: no kind chosen, placeholders shown.
    void Reset();
    // Takes both scale edits; false (after a message) when one is not a
    // whole number from 1 to 100000.
    bool ApplyScale();

    int Kind() const { return m_kind; }
    int MeasuredState() const { return m_measured; }
    double Ratio() const { return m_ratio; }
    const CMeasureFormat::Options& Options() const { return m_options; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    enum Measured { kNothing = 0, kDistanceMeasured = 1, kAreaMeasured = 2 };

    void BuildMenu();
    void BuildControls();
    void ShowValues();
    void ShowPlaceholders();
    void ShowTexts(const CMeasureFormat::Texts& texts);
    void UpdateCaption();
    void OnCloseButton();
    void OnCancelButton();
    void OnKindChosen(int kind);
    void SetUnit(int unit);
    void SetLengthDigits(int digits);
    void SetAngleDigits(int digits);
    // The scale edit's whole number, or none when it is outside the range.
    std::optional<int> ScaleOf(QLineEdit* edit) const;

    CMeasureHost& m_host;
    DPOINT m_start{0, 0};
    DPOINT m_end{0, 0};
    double m_value = 0;
    double m_angle = 0;
    int m_measured = kNothing;
    CMeasureFormat::Options m_options;
    int m_scaleNumerator = 1;
    int m_scaleDenominator = 1;
    double m_ratio = 1.0;
    int m_kind = CMeasureFormat::kDistance;
    QLineEdit* m_startEdit = nullptr;
    QLineEdit* m_endEdit = nullptr;
    QLineEdit* m_offsetEdit = nullptr;
    QLineEdit* m_angleEdit = nullptr;
    QLineEdit* m_numeratorEdit = nullptr;
    QLineEdit* m_denominatorEdit = nullptr;
    QLineEdit* m_valueEdit = nullptr;
    QRadioButton* m_distanceButton = nullptr;
    QRadioButton* m_areaButton = nullptr;
    QActionGroup* m_unitGroup = nullptr;
    QActionGroup* m_lengthGroup = nullptr;
    QActionGroup* m_angleGroup = nullptr;
    // Set while a refused scale's message is up, so that the focus the
    // message takes away does not apply the scale a second time.
    bool m_applyingScale = false;
};
