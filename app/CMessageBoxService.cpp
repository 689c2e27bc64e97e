#include "app/CMessageBoxService.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace {

QMessageBox::Icon IconOf(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONASTERISK:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons ButtonsOf(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_YESNOCANCEL:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MB_YESNO:
        return QMessageBox::Yes | QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

int AnswerOf(int button, UINT type) {
    switch (button) {
    case QMessageBox::Ok:
        return IDOK;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    default:
        return CautiousAnswer(type);
    }
}

} // namespace

int CMessageBoxService::MessageBox(const CString& text, const CString& caption, UINT type) {
    QMessageBox box(IconOf(type), caption.ToQString(), text.ToQString(), ButtonsOf(type),
                    QApplication::activeWindow());
    return AnswerOf(box.exec(), type);
}

int CMessageBoxService::MessageBoxWithCheck(const CString& text, const CString& checkText,
                                            const CString& caption, UINT type, BOOL* checked) {
    QMessageBox box(IconOf(type), caption.ToQString(), text.ToQString(), ButtonsOf(type),
                    QApplication::activeWindow());
    auto* check = new QCheckBox(checkText.ToQString(), &box);
    box.setCheckBox(check);
    const int answer = AnswerOf(box.exec(), type);
    *checked = check->isChecked() ? TRUE : FALSE;
    return answer;
}

QString CMessageBoxService::GetOpenFileName(const QString& folder, const QString& filters) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), folder, filters);
}

QString CMessageBoxService::GetSaveFileName(const QString& path, const QString& filters) {
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(), path, filters);
}

int CMessageBoxService::RunModal(QDialog& dialog) {
    return dialog.exec();
}

bool CMessageBoxService::OpenWithShell(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
