#pragma once
// What the redline palette asks of the view that opens it and of the
// view's document: the view's redline tool and the markup in progress,
// the document's layers, selection and current markup attributes, and the
// application's fonts and recently typed texts.

#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"

#include <vector>

class CDrawDefaults;
class CRukEntity;
struct CPaletteStyle;

class CRedlineHost {
public:
    // The application's lists of recently typed texts.
    enum RecentList { kMarkupTexts, kRedlineTexts, kTooltipTexts, kLayerNames };

    virtual ~CRedlineHost() = default;

    // ---- The view.

    virtual const CDrawDefaults& Settings() const = 0;
    // The window pixels of a size given as a multiple of the drawing unit
    // at the view's zoom and text scale; 0 without a drawing.
    virtual int LogicalToDeviceSize(double value) const = 0;
    // True when the redlines are shown, or the user agreed to show them.
    virtual bool EnsureRedlinesVisible() = 0;
    // The view's tool becomes the redline tool, or none.
    virtual void SetRedlineTool(bool active) = 0;
    // A kind chosen in the palette: the view draws it next with the redline
    // tool, the selection is cleared and a markup in progress goes.
    virtual void StartRedlineKind(int kind) = 0;
    // The image tool asks for its picture; without one the palette is reset.
    virtual void AskForImage() = 0;
    // The palette closes: the markup in progress goes and the view leaves
    // the redline tool.
    virtual void OnPaletteClosed() = 0;
    virtual void Redraw() = 0;
    virtual void DoSettingsDialog(int firstPage) = 0;

    // ---- The markup in progress.

    virtual bool HasPendingMarkup() const = 0;
    // Its rubber band drawn again at the last mouse point (XOR: before and
    // after a style change).
    virtual void RedrawPendingTrack() = 0;
    virtual void SetPendingLabel(const CString& text) = 0;
    virtual void SetPendingFace(const CString& face) = 0;

    // ---- The document.

    virtual bool HasDocument() const = 0;
    // The style as the document's current markup attributes.
    virtual void ApplyStyle(const CPaletteStyle& style) = 0;
    virtual int SelectionCount() const = 0;
    virtual void ClearSelection() = 0;
    // Whether the markup is still one of the document's: it may have been
    // deleted, or replaced by an undo step.
    virtual bool HoldsMarkup(CRukEntity* markup) const = 0;
    // Drawing units per unit.
    virtual UINT Unit() const = 0;
    // The drawing's height in units; 0 without a drawing.
    virtual double ExtentRatio() const = 0;
    virtual std::vector<CString> LayerNames() const = 0;
    // Whether a layer of the name (in any case) is switched off.
    virtual bool IsLayerHidden(const CString& name) const = 0;
    // The markup takes the style and its layer as one undo step.
    virtual void RestyleMarkup(CRukEntity* markup, const CPaletteStyle& style) = 0;
    // The selected objects go as one undo step.
    virtual void DeleteSelection() = 0;

    // ---- The application.

    virtual std::vector<CString> FontNames() const = 0;
    virtual std::vector<CString> RecentTexts(RecentList list) const = 0;
};
