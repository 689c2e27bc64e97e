#include "app/CQtPrinterInfoSource.h"

#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

QString CQtPrinterInfoSource::DefaultPrinterName() const {
    return QPrinterInfo::defaultPrinter().printerName();
}

std::vector<CPaperInfo> CQtPrinterInfoSource::Papers(const QString& device) const {
    std::vector<CPaperInfo> papers;
    for (const QPageSize& page : QPrinterInfo::printerInfo(device).supportedPageSizes()) {
        const QSizeF mm = page.size(QPageSize::Millimeter);
        papers.push_back({static_cast<WORD>(page.windowsId()), page.name(),
                          POINT{static_cast<LONG>(mm.width() * 10 + 0.5),
                                static_cast<LONG>(mm.height() * 10 + 0.5)}});
    }
    return papers;
}

QMarginsF CQtPrinterInfoSource::Margins(const QString& device) const {
    QPrinter printer(QPrinterInfo::printerInfo(device));
    return printer.pageLayout().minimumMargins();
}
