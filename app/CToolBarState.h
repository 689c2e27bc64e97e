#pragma once
// What the tool bar's enabling depends on: whether a drawing with objects is
// open, whether its redlines can be saved, and the undo history.
class CZumeoDoc;

struct CToolBarState {
    bool m_hasObjects = false;
    bool m_readOnly = true;
    bool m_canUndo = false;
    bool m_canRedo = false;

    // The document's state and its undo history.
    static CToolBarState FromDocument(const CZumeoDoc& document);
};
