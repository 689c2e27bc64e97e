#pragma once
// What the measure dialog asks of the view that owns it: the values of the
// running measurement, and the view's side of the dialog's buttons.

#include "geometry/Geometry.h"

#include <optional>

class CMeasureHost {
public:
    struct Result {
        DPOINT start;
        DPOINT end;
        double value;
        double angle;
        bool area;
    };

    virtual ~CMeasureHost() = default;

    // The running measurement with the cursor at the drawing point (x, y);
    // finished gives its last segment instead. None without a measurement.
    virtual std::optional<Result> MeasureAt(int finished, int x, int y) = 0;
    // The dialog closes: the measurement ends and the view leaves the
    // measure tool. The view lets the dialog go afterwards.
    virtual void OnMeasureDialogClosed() = 0;
    // The measurement is dropped; the measure tool stays.
    virtual void CancelMeasurement() = 0;
    // The measure tool is chosen again (after a change of kind).
    virtual void SelectMeasureTool() = 0;
    virtual void FocusView() = 0;
};
