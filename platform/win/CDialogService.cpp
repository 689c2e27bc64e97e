#include "platform/win/CDialogService.h"

#include "platform/mfc/Cp932.h"

#include <cstdio>

namespace {

class CConsoleDialogService final : public CDialogService {
public:
    int MessageBox(const CString& text, const CString& caption, UINT type) override {
        std::fprintf(stderr, "%s: %s\n", Cp932::ToUtf8(caption.view()).c_str(),
                     Cp932::ToUtf8(text.view()).c_str());
        return CautiousAnswer(type);
    }
};

CDialogService* g_installed = nullptr;

} // namespace

int CautiousAnswer(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
    case MB_YESNOCANCEL:
        return IDCANCEL;
    case MB_YESNO:
        return IDNO;
    default:
        return IDOK;
    }
}

QString CDialogService::GetOpenFileName(const QString&, const QString&) {
    return QString();
}

QString CDialogService::GetSaveFileName(const QString&, const QString&) {
    return QString();
}

int CDialogService::RunModal(QDialog&) {
    return 0;
}

bool CDialogService::OpenWithShell(const QString&) {
    return false;
}

int CDialogService::MessageBoxWithCheck(const CString& text, const CString&, const CString& caption,
                                        UINT type, BOOL* checked) {
    *checked = FALSE;
    return MessageBox(text, caption, type);
}

CDialogService& CDialogService::Current() {
    static CConsoleDialogService console;
    return g_installed ? *g_installed : console;
}

CDialogService* CDialogService::Install(CDialogService* service) {
    CDialogService* previous = g_installed;
    g_installed = service;
    return previous;
}

int AfxMessageBox(const CString& text, UINT type) {
    return CDialogService::Current().MessageBox(text, "Zumeo", type);
}
