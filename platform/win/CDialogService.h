#pragma once
// Every message box goes through one replaceable service: the program
// installs one that shows real dialogs, the tests one that answers from a
// script, so nothing modal blocks a test.

#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"

#include <QString>

class QDialog;

class CDialogService {
public:
    virtual ~CDialogService() = default;

    // Shows the text with the MB_ buttons and icon of type; returns the IDOK,
    // IDCANCEL, IDYES or IDNO answer.
    virtual int MessageBox(const CString& text, const CString& caption, UINT type) = 0;
    // Asks for an existing file to open, starting in folder, with Qt name
    // filters separated by ";;". Empty when the user cancels.
    virtual QString GetOpenFileName(const QString& folder, const QString& filters);
    // Asks for a file to save into, proposing the path. Empty when the user
    // cancels.
    virtual QString GetSaveFileName(const QString& path, const QString& filters);
    // A message box with a check box of checkText below the text; *checked
    // receives the box's state. Without a box of its own, a service asks the
    // plain question and leaves the box clear.
    virtual int MessageBoxWithCheck(const CString& text, const CString& checkText,
                                    const CString& caption, UINT type, BOOL* checked);

    // Shows a dialog of the program modally; QDialog::Accepted or
    // QDialog::Rejected. Without a window of its own, a service rejects it.
    virtual int RunModal(QDialog& dialog);
    // Opens the file with the program the desktop associates with it (the
    // shell's "open" verb); false when none could be started. Without a
    // desktop of its own, a service opens nothing.
    virtual bool OpenWithShell(const QString& path);

    // The service in force; never null. Without an installed one, messages go
    // to standard error and get the answer that changes nothing.
    static CDialogService& Current();
    // Installs a service (null restores the default) and returns the previous one.
    static CDialogService* Install(CDialogService* service);
};

// The answer that leaves things as they are for a message box of that type.
int CautiousAnswer(UINT type);

// The caption is the program's name.
int AfxMessageBox(const CString& text, UINT type = MB_OK);
