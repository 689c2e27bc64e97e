#pragma once
// What the scale-print dialog and its preview ask of the view: the drawing
// to paint, and the application's printer whose paper and orientation the
// dialog chooses.

#include "geometry/Geometry.h"
#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"

#include <QString>
#include <vector>

class CDC;
class QPrinter;

struct CScalePaper {
    // The DMPAPER_ number.
    WORD id = 0;
    QString name;
    // Width and length in tenths of a millimetre, upright.
    POINT size{0, 0};
};

// The sheet to print on: the paper as the printer reports it (upright) and
// its unprintable margins, in tenths of a millimetre, and the orientation.
struct CScaleSheet {
    int paperWidth = 0;
    int paperLength = 0;
    int marginLeft = 0;
    int marginTop = 0;
    int marginRight = 0;
    int marginBottom = 0;
    int orientation = 1;
};

// The document's six margin texts, printed inside the printer's margins:
// top left, top right, top centre, bottom left, bottom right, bottom centre.
struct CMarginTexts {
    static constexpr int kCount = 6;
    CString texts[kCount];
    COLORREF colours[kCount] = {};
    // Millimetres.
    double height = 5.0;
};

class CScalePrintHost {
public:
    static constexpr int kPortrait = 1;
    static constexpr int kLandscape = 2;

    virtual ~CScalePrintHost() = default;

    // Paints the drawing and its redlines for output so that the drawing
    // point of (x, y) millimetres lands at the logical point
    // (trunc(x × factor × 100 + 0.5), trunc(y × factor × 100 + 0.5)).
    virtual void PaintDrawing(CDC* dc, const RECT& clip, double factor) = 0;
    // The centre of the whole drawing in millimetres.
    virtual DPOINT DrawingCentre() const = 0;
    // The drawing file's name with its extension, the print job's name.
    virtual QString JobName() const = 0;
    virtual CMarginTexts MarginTexts() const = 0;

    virtual QString PrinterName() const = 0;
    virtual std::vector<CScalePaper> Papers() const = 0;
    virtual int PrinterPaper() const = 0;
    virtual void SetPrinterPaper(int paper) = 0;
    virtual int PrinterOrientation() const = 0;
    virtual void SetPrinterOrientation(bool landscape) = 0;
    // The printer's unprintable margins in millimetres.
    virtual void PrinterMargins(double& left, double& top, double& right, double& bottom) const = 0;
    // The application's printer setup dialog.
    virtual void PrinterSetup() = 0;
    // The printer the print dialog starts from: the chosen paper and
    // orientation, a PDF file where there is no printer.
    virtual void SetUpPrinter(QPrinter& printer) const = 0;
};
