#include "app/CToolBarState.h"

#include "app/CZumeoDoc.h"

CToolBarState CToolBarState::FromDocument(const CZumeoDoc& document) {
    CToolBarState state;
    state.m_hasObjects = !document.m_objects.IsEmpty();
    state.m_readOnly = document.IsReadOnly();
    return state;
}
