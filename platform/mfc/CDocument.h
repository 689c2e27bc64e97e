#pragma once
// The class library's document base: the document's path and title, and
// the reading and writing of a whole file through the document's Serialize.

#include "platform/mfc/CObject.h"
#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"

class CException;

class CDocument : public CObject {
    DECLARE_DYNAMIC(CDocument)

public:
    CDocument() = default;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    // Reads the file through a loading archive; FALSE, after telling the
    // user, when it cannot be opened or read.
    virtual BOOL OnOpenDocument(const char* pathName);
    // Writes the file through a storing archive, into a temporary file that
    // replaces the old one only once it is complete; FALSE, after telling
    // the user, with the old file as it was.
    virtual BOOL OnSaveDocument(const char* pathName);

    // The path and the title the window shows; the title defaults to the
    // path's file name.
    virtual void SetPathName(const CString& pathName);
    const CString& GetPathName() const { return m_strPathName; }
    virtual void SetTitle(const CString& title) { m_strTitle = title; }
    const CString& GetTitle() const { return m_strTitle; }

protected:
    // Tells the user why the file could not be read or written.
    virtual void ReportSaveLoadException(const char* pathName, const CException& error,
                                         BOOL saving);

    CString m_strPathName;
    CString m_strTitle;
};
