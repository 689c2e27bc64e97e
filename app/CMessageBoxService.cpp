#include "app/CMessageBoxService.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

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

} // namespace

int CMessageBoxService::MessageBox(const CString& text, const CString& caption, UINT type) {
    QMessageBox box(IconOf(type), caption.ToQString(), text.ToQString(), ButtonsOf(type),
                    QApplication::activeWindow());
    switch (box.exec()) {
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

QString CMessageBoxService::GetOpenFileName(const QString& folder, const QString& filters) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), folder, filters);
}
