#pragma once
// The question on closing a drawing that came through a plug-in: keep it
// as an own drawing file, which opens faster next time? With a box that
// stops the question for good.

#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"

class CConvertOnCloseDlg {
public:
    // The file name of the own drawing file goes into the third line.
    explicit CConvertOnCloseDlg(const CString& ownFileName);

    // IDYES, IDNO or IDCANCEL; m_dontAskAgain holds the box's state.
    int DoModal();

    CString m_text1;
    CString m_text2;
    CString m_text3;
    BOOL m_dontAskAgain = FALSE;
};
