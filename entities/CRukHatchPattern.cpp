#include "entities/CRukHatchPattern.h"

#include "entities/CHatchLineFamily.h"
#include "platform/mfc/CArchive.h"
#include "por/PorRecord.h"
#include "por/PorRecords.h"

IMPLEMENT_SERIAL(CRukHatchPattern, CObject, VERSIONABLE_SCHEMA | 0)

namespace {

// The record and the archive keep hundredths of a degree.
constexpr double kHundredths = 100.0;

} // namespace

CRukHatchPattern::CRukHatchPattern() {
    m_color = 0;
    m_savedColor = 0;
}

void CRukHatchPattern::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << static_cast<int>(TruncInt(m_angle * kHundredths)) << m_baseX << m_baseY << m_dx
           << m_dy << static_cast<short>(m_lineWidth) << static_cast<UINT>(m_savedColor);
        m_dashes.Serialize(ar);
        return;
    }
    if (ar.GetObjectSchema() != 0)
        AfxThrowArchiveException(CArchiveException::badSchema);
    int angle = 0;
    short width = 0;
    UINT color = 0;
    ar >> angle >> m_baseX >> m_baseY >> m_dx >> m_dy >> width >> color;
    m_angle = angle / kHundredths;
    m_lineWidth = width;
    m_color = color;
    m_savedColor = color;
    m_dashes.Serialize(ar);
}

bool CRukHatchPattern::ReadLine(const PorRecord& line) {
    const auto angle = line.Get(PorHatchLine::Angle);
    const auto base = line.Get(PorHatchLine::Base);
    const auto offset = line.Get(PorHatchLine::Offset);
    const auto width = line.Get(PorHatchLine::Width);
    const auto color = line.Get(PorHatchLine::Color);
    const auto dashes = line.Get(PorHatchLine::Dashes);
    if (!angle || !base || !offset || !width || !color || !dashes)
        return false;
    // Signed: a writer may give -4500 for -45 degrees.
    m_angle = *angle / kHundredths;
    m_baseX = base->x;
    m_baseY = base->y;
    m_dx = offset->x;
    m_dy = offset->y;
    m_lineWidth = *width;
    m_color = *color;
    m_savedColor = *color;
    m_dashes.RemoveAll();
    for (LONG dash : *dashes)
        m_dashes.Add(dash);
    return true;
}

void CRukHatchPattern::Fill(CDC* dc, const CHatchMapping& mapping, const CHatchBox& box,
                            COLORREF fillColor) {
    // A family without a step would put every line on the first. The step
    // is mended for the drawing only: painting changes no entity, as
    // several threads may paint one.
    const POINT step{m_dx == 0 ? 1 : m_dx, m_dy == 0 ? 1 : m_dy};
    CHatchLineFamily family(
        m_angle, POINT{m_baseX, m_baseY}, step,
        std::vector<LONG>(m_dashes.GetData(), m_dashes.GetData() + m_dashes.GetSize()));
    family.Draw(dc, mapping, box, fillColor);
}
