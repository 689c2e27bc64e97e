#pragma once
// The dialog service of the running program: real message boxes over the
// active window, and the file dialog.
#include "platform/win/CDialogService.h"

class CMessageBoxService final : public CDialogService {
public:
    int MessageBox(const CString& text, const CString& caption, UINT type) override;
    QString GetOpenFileName(const QString& folder, const QString& filters) override;
    QString GetSaveFileName(const QString& path, const QString& filters) override;
    int MessageBoxWithCheck(const CString& text, const CString& checkText, const CString& caption,
                            UINT type, BOOL* checked) override;
    int RunModal(QDialog& dialog) override;
    bool OpenWithShell(const QString& path) override;
};
