#pragma once
// The printer settings the program starts its print jobs with: orientation
// and paper of the default printer, and the paper lists of a printer.
// Without a default printer every operation returns 0 or an empty result
// and changes nothing.
#include "app/CPrinterInfoSource.h"

#include <QStringList>
#include <memory>
#include <vector>

class CDrawDefaults;

class CPrinterDefaults {
public:
    static constexpr int kPortrait = 1;
    static constexpr int kLandscape = 2;

    explicit CPrinterDefaults(std::unique_ptr<CPrinterInfoSource> source);

    // The settings record keeps the last values asked for, printer or not.
    int SetPrinterOrientation(CDrawDefaults& settings, BOOL landscape);
    int GetPrinterOrientation() const;
    // Width and length in tenths of a millimetre; both non-zero make a
    // paper of that size instead of a named form.
    int SetPrinterPaper(CDrawDefaults& settings, int paper, int width, int length);
    int GetPrinterPaper() const;
    // Non-zero only for a paper of its own size.
    POINT GetPrinterPaperSize() const;
    QString GetPrinterName() const;
    int GetPaperCount(const QString& device) const;
    std::vector<WORD> GetPapers(const QString& device) const;
    QStringList GetPaperNames(const QString& device) const;
    std::vector<POINT> GetPaperSizes(const QString& device) const;
    // The default printer's unprintable margins in millimetres; false and
    // nothing set without one.
    bool GetPrinterMargins(double& left, double& top, double& right, double& bottom) const;

private:
    bool HasPrinter() const;

    std::unique_ptr<CPrinterInfoSource> m_source;
    int m_orientation = kPortrait;
    int m_paper = 9;
    POINT m_paperSize{0, 0};
};
