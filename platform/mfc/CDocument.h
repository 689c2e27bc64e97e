#pragma once
// The class library's document base, as far as the program uses it: the
// modified flag and the new-document hook. Views attach to the document in
// the view layer.

#include "platform/mfc/CObject.h"

class CDocument : public CObject {
    DECLARE_DYNAMIC(CDocument)

public:
    CDocument() = default;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    // Empties the document and clears the modified flag.
    virtual BOOL OnNewDocument();
    // The hook that empties the document; the base holds nothing.
    virtual void DeleteContents();

    void SetModifiedFlag(BOOL modified = TRUE) { m_bModified = modified; }
    BOOL IsModified() const { return m_bModified; }

private:
    BOOL m_bModified = FALSE;
};
