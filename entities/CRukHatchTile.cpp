#include "entities/CRukHatchTile.h"

#include "entities/CHatchTileLattice.h"
#include "platform/mfc/CArchive.h"
#include "por/PorRecord.h"
#include "por/PorRecords.h"

IMPLEMENT_SERIAL(CRukHatchTile, CObject, VERSIONABLE_SCHEMA | 0)

namespace {

// The archive keeps thousandths of the angles and scales.
constexpr double kThousandths = 1000.0;

int Stored(double value) {
    return TruncInt(value * kThousandths);
}

} // namespace

CRukHatchTile::CRukHatchTile() = default;

void CRukHatchTile::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_originX << m_originY << m_rowStep << Stored(m_rowAngle) << m_offsetLength
           << Stored(m_offsetAngle) << Stored(m_scaleX) << Stored(m_scaleY) << Stored(m_motifAngle);
        m_points.Serialize(ar);
        return;
    }
    if (ar.GetObjectSchema() != 0)
        AfxThrowArchiveException(CArchiveException::badSchema);
    int rowAngle = 0;
    int offsetAngle = 0;
    int scaleX = 0;
    int scaleY = 0;
    int motifAngle = 0;
    ar >> m_originX >> m_originY >> m_rowStep >> rowAngle >> m_offsetLength >> offsetAngle >>
        scaleX >> scaleY >> motifAngle;
    m_rowAngle = rowAngle / kThousandths;
    m_offsetAngle = offsetAngle / kThousandths;
    m_scaleX = scaleX / kThousandths;
    m_scaleY = scaleY / kThousandths;
    m_motifAngle = motifAngle / kThousandths;
    m_points.Serialize(ar);
}

bool CRukHatchTile::ReadTile(const PorRecord& tile, UINT unit) {
    const auto origin = tile.Get(PorHatchTile::Origin);
    const auto rowStep = tile.Get(PorHatchTile::RowStep);
    const auto rowAngle = tile.Get(PorHatchTile::RowAngle);
    const auto offsetLength = tile.Get(PorHatchTile::OffsetLength);
    const auto offsetAngle = tile.Get(PorHatchTile::OffsetAngle);
    const auto scaleX = tile.Get(PorHatchTile::ScaleX);
    const auto scaleY = tile.Get(PorHatchTile::ScaleY);
    const auto motifAngle = tile.Get(PorHatchTile::MotifAngle);
    const auto segments = tile.Get(PorHatchTile::SegmentCount);
    if (!origin || !rowStep || !rowAngle || !offsetLength || !offsetAngle || !scaleX || !scaleY ||
        !motifAngle || !segments || unit == 0 || *segments < 0 || *segments > INT32_MAX / 2)
        return false;
    PorCursor cursor = tile.CursorAt(static_cast<std::size_t>(PorHatchTile::MotifWord) * 4);
    const auto motif = cursor.Points(*segments * 2);
    if (!motif)
        return false;
    const double divisor = unit;
    m_originX = origin->x;
    m_originY = origin->y;
    m_rowStep = *rowStep;
    m_rowAngle = *rowAngle / divisor;
    m_offsetLength = *offsetLength;
    m_offsetAngle = *offsetAngle / divisor;
    m_scaleX = *scaleX / divisor;
    m_scaleY = *scaleY / divisor;
    m_motifAngle = *motifAngle / divisor;
    m_points.RemoveAll();
    for (const POINT& point : *motif)
        m_points.Add(point);
    return true;
}

void CRukHatchTile::Fill(CDC* dc, const CHatchMapping& mapping, const CHatchBox& box, COLORREF) {
    CHatchTileLattice lattice(CHatchTileShape{
        POINT{m_originX, m_originY}, m_rowStep, m_rowAngle, m_offsetLength, m_offsetAngle, m_scaleX,
        m_scaleY, m_motifAngle,
        std::vector<POINT>(m_points.GetData(), m_points.GetData() + m_points.GetSize())});
    lattice.Draw(dc, mapping, box);
}
