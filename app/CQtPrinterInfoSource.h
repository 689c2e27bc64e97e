#pragma once
// The system's printers as Qt's printer information reports them.
#include "app/CPrinterInfoSource.h"

class CQtPrinterInfoSource final : public CPrinterInfoSource {
public:
    QString DefaultPrinterName() const override;
    std::vector<CPaperInfo> Papers(const QString& device) const override;
    QMarginsF Margins(const QString& device) const override;
};
