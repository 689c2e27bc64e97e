#include "platform/mfc/CDocument.h"

IMPLEMENT_DYNAMIC(CDocument, CObject)

BOOL CDocument::OnNewDocument() {
    DeleteContents();
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::DeleteContents() {}
