#include "app/CPrinterDefaults.h"

#include "settings/CDrawDefaults.h"

CPrinterDefaults::CPrinterDefaults(std::unique_ptr<CPrinterInfoSource> source)
    : m_source(std::move(source)) {}

bool CPrinterDefaults::HasPrinter() const {
    return !m_source->DefaultPrinterName().isEmpty();
}

int CPrinterDefaults::SetPrinterOrientation(CDrawDefaults& settings, BOOL landscape) {
    settings.m_printLandscape = landscape;
    if (!HasPrinter())
        return 0;
    m_orientation = landscape ? kLandscape : kPortrait;
    return 1;
}

int CPrinterDefaults::GetPrinterOrientation() const {
    return HasPrinter() ? m_orientation : 0;
}

int CPrinterDefaults::SetPrinterPaper(CDrawDefaults& settings, int paper, int width, int length) {
    settings.m_paperSize = paper;
    if (!HasPrinter())
        return 0;
    m_paper = paper;
    if (width != 0 && length != 0)
        m_paperSize = POINT{width, length};
    return 1;
}

int CPrinterDefaults::GetPrinterPaper() const {
    return HasPrinter() ? m_paper : 0;
}

POINT CPrinterDefaults::GetPrinterPaperSize() const {
    return HasPrinter() ? m_paperSize : POINT{0, 0};
}

QString CPrinterDefaults::GetPrinterName() const {
    return m_source->DefaultPrinterName();
}

int CPrinterDefaults::GetPaperCount(const QString& device) const {
    return HasPrinter() ? static_cast<int>(m_source->Papers(device).size()) : 0;
}

std::vector<WORD> CPrinterDefaults::GetPapers(const QString& device) const {
    std::vector<WORD> ids;
    if (HasPrinter())
        for (const CPaperInfo& paper : m_source->Papers(device))
            ids.push_back(paper.id);
    return ids;
}

QStringList CPrinterDefaults::GetPaperNames(const QString& device) const {
    QStringList names;
    if (HasPrinter())
        for (const CPaperInfo& paper : m_source->Papers(device))
            names << paper.name.left(63);
    return names;
}

std::vector<POINT> CPrinterDefaults::GetPaperSizes(const QString& device) const {
    std::vector<POINT> sizes;
    if (HasPrinter())
        for (const CPaperInfo& paper : m_source->Papers(device))
            sizes.push_back(paper.size);
    return sizes;
}

bool CPrinterDefaults::GetPrinterMargins(double& left, double& top, double& right,
                                         double& bottom) const {
    if (!HasPrinter())
        return false;
    const QMarginsF margins = m_source->Margins(m_source->DefaultPrinterName());
    left = margins.left();
    top = margins.top();
    right = margins.right();
    bottom = margins.bottom();
    return true;
}
