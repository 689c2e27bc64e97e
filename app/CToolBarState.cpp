#include "app/CToolBarState.h"

#include "app/CZumeoDoc.h"

CToolBarState CToolBarState::FromDocument(const CZumeoDoc& document) {
    CToolBarState state;
    state.m_hasObjects = !document.m_objects.IsEmpty();
    state.m_readOnly = document.IsReadOnly();
    state.m_canUndo = document.m_undo.CanUndo();
    state.m_canRedo = document.m_undo.CanRedo();
    return state;
}
