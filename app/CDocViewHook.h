#pragma once
// What loading a drawing asks of the view that shows the document and of
// the frame around it. The document calls these steps whether or not a view
// exists; this base does nothing, which is right while there is no view,
// and the view overrides it.

#include "platform/mfc/CString.h"

class CRukEntity;

class CDocViewHook {
public:
    CDocViewHook() = default;
    virtual ~CDocViewHook() = default;
    CDocViewHook(const CDocViewHook&) = delete;
    CDocViewHook& operator=(const CDocViewHook&) = delete;

    // Takes the document's new scale into the view's device mapping.
    virtual void RefreshMapping() {}
    // A markup's label text, for the view's tooltips.
    virtual void AddLabelText(const CString&) {}
    // A markup read from the control file, for the view's own lists.
    virtual void RegisterMarkup(CRukEntity*) {}
    // Ends any tool, restarts the selection blink and fits the drawing in.
    virtual void ShowLoadedDrawing() {}
    // Refills the frame's layer bar from the document's layers.
    virtual void RefreshLayerBar() {}
    // Shows a text in a pane of the frame's status bar.
    virtual void SetStatusText(int, const CString&) {}
};
