#pragma once
// What the program asks of the system's printers: the default printer, the
// papers a printer takes and its unprintable margins. The program uses the
// Qt printer information; tests put in a printer of their own.
#include "platform/win/WinTypes.h"

#include <QMarginsF>
#include <QString>
#include <vector>

struct CPaperInfo {
    // The DMPAPER_ number (9 for A4).
    WORD id = 0;
    QString name;
    // Width and length in tenths of a millimetre.
    POINT size{0, 0};
};

class CPrinterInfoSource {
public:
    virtual ~CPrinterInfoSource() = default;
    // Empty when there is no default printer.
    virtual QString DefaultPrinterName() const = 0;
    virtual std::vector<CPaperInfo> Papers(const QString& device) const = 0;
    // The unprintable margins of the device in millimetres.
    virtual QMarginsF Margins(const QString& device) const = 0;
};
