#include "entities/CRukCircle.h"

#include "entities/CCurveChain.h"
#include "entities/CEntityBody.h"
#include "entities/CEntityDocument.h"
#include "entities/CPixelRunChain.h"
#include "entities/EntityKinds.h"
#include "platform/mfc/CArchive.h"
#include "platform/win/Cursors.h"
#include "por/PorRecord.h"
#include "por/PorRecords.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

IMPLEMENT_SERIAL(CRukCircle, CObject, VERSIONABLE_SCHEMA | 3)

namespace {

constexpr int kSmallRadius = 180;

int Mid(LONG a, LONG b) {
    return static_cast<int>((static_cast<long long>(a) + b) / 2);
}

// Rings and arcs step through whole degrees, up to a second turn for arcs
// across zero: their cosines and sines are taken once, computed as for any
// other angle.
constexpr int kWholeDegrees = 720;

struct UnitPoint {
    double cosine;
    double sine;
};

UnitPoint Unit(double degrees) {
    const double angle = degrees * kDegToRad;
    return UnitPoint{std::cos(angle), std::sin(angle)};
}

const std::array<UnitPoint, kWholeDegrees>& WholeDegrees() {
    static const std::array<UnitPoint, kWholeDegrees> table = [] {
        std::array<UnitPoint, kWholeDegrees> rows{};
        for (int degrees = 0; degrees < kWholeDegrees; ++degrees)
            rows[static_cast<std::size_t>(degrees)] = Unit(degrees);
        return rows;
    }();
    return table;
}

POINT At(POINT center, double radius, const UnitPoint& unit) {
    return POINT{TruncInt(static_cast<double>(center.x) + RndInt(radius * unit.cosine)),
                 TruncInt(static_cast<double>(center.y) + RndInt(radius * unit.sine))};
}

POINT OnCircle(POINT center, double radius, int degrees) {
    const bool inTable = degrees >= 0 && degrees < kWholeDegrees;
    return At(center, radius,
              inTable ? WholeDegrees()[static_cast<std::size_t>(degrees)] : Unit(degrees));
}

POINT OnCircle(POINT center, double radius, double degrees) {
    if (degrees == std::floor(degrees) && degrees >= 0 && degrees < kWholeDegrees)
        return OnCircle(center, radius, static_cast<int>(degrees));
    return At(center, radius, Unit(degrees));
}

} // namespace

CRukCircle::CRukCircle() {
    m_kind = kKindCircle;
}

void CRukCircle::Serialize(CArchive& ar) {
    const std::optional<UINT> schema = CEntityBody::SerializeFilled(*this, ar);
    if (!schema)
        return;
    // Bodies before the third colour hatch in the outline's colour.
    if (*schema < 3)
        m_thirdColor = m_color;
    RecalcExtents();
}

// ---- Geometry

int CRukCircle::GetRadius() const {
    if (!HasCorners())
        return 0;
    return GetDistance(m_points[0], m_points[3]) / 2;
}

POINT CRukCircle::GetCircleCenter() const {
    if (!HasCorners())
        return POINT{0, 0};
    return POINT{Mid(m_points[0].x, m_points[2].x), Mid(m_points[0].y, m_points[2].y)};
}

POINT CRukCircle::CirclePoint(double degrees) const {
    return OnCircle(GetCircleCenter(), GetRadius(), degrees);
}

POINT CRukCircle::RingPoint(POINT center, int radius, int degrees) {
    return OnCircle(center, radius, degrees);
}

int CRukCircle::StepFor(int radius) {
    return radius <= kSmallRadius ? 5 : 1;
}

std::vector<POINT> CRukCircle::Outline() const {
    const POINT center = m_ring.center;
    const int radius = m_ring.radius;
    std::vector<POINT> ring;
    if (radius <= 0)
        return ring;
    const int step = StepFor(radius);
    ring.reserve(static_cast<std::size_t>(360 / step));
    for (int angle = 0; angle < 360; angle += step)
        ring.push_back(OnCircle(center, radius, angle));
    return ring;
}

std::optional<RECT> CRukCircle::OutlineBox() const {
    const POINT center = m_ring.center;
    const int radius = m_ring.radius;
    const auto at = [](LONG value, int offset) {
        return TruncInt(static_cast<double>(value) + offset);
    };
    return RECT{at(center.x, -radius), at(center.y, -radius), at(center.x, radius),
                at(center.y, radius)};
}

bool CRukCircle::PixelOutline(const CDC& dc, int originX, int originY, double scale,
                              std::vector<POINT>& chain) const {
    CPixelRunChain runs(dc, chain);
    const POINT center = m_ring.center;
    const int radius = m_ring.radius;
    if (radius <= 0)
        return true;
    const int step = StepFor(radius);
    const auto sample = [&](int index) {
        const POINT point = OnCircle(center, radius, index * step);
        return ToViewPoint(point.x, point.y, originX, originY, scale);
    };
    const int quarter = 90 / step;
    const int last = 360 / step - 1;
    for (int first = 0; first <= last; first += quarter)
        runs.AddMonotonic(first, std::min(first + quarter, last), sample);
    return true;
}

std::vector<POINT> CRukCircle::GripPoints() const {
    if (!HasCorners())
        return {};
    std::vector<POINT> grips;
    for (int i = 0; i < 4; ++i) {
        const POINT& from = m_points[i];
        const POINT& to = m_points[(i + 1) % 4];
        grips.push_back(POINT{Mid(from.x, to.x), Mid(from.y, to.y)});
    }
    return grips;
}

void CRukCircle::RecalcExtents() {
    KeepRing();
    const std::span<const POINT> points(m_points.GetData(),
                                        static_cast<std::size_t>(m_points.GetSize()));
    CCurveChain::SetExtents(*this, HasCorners() ? points.first(4) : points);
}

void CRukCircle::SetFirstPoint(int x, int y) {
    m_centerX = x;
    m_centerY = y;
}

int CRukCircle::AppendPoint(int x, int y) {
    const double r = GetDistance(m_centerX, m_centerY, x, y);
    const auto at = [](int value, double offset) {
        return TruncInt(static_cast<double>(value) + offset);
    };
    m_points.Add(POINT{at(m_centerX, -r), at(m_centerY, -r)});
    m_points.Add(POINT{at(m_centerX, r), at(m_centerY, -r)});
    m_points.Add(POINT{at(m_centerX, r), at(m_centerY, r)});
    m_points.Add(POINT{at(m_centerX, -r), at(m_centerY, r)});
    RecalcExtents();
    return 1;
}

int CRukCircle::CreateFromRecord(const PorRecord* record, CEntityDocument*, int defaultWidth) {
    if (!record || record->Type() != PorCircle::Type)
        return 0;
    const auto corners = record->Get(PorCircle::Corners);
    const auto pen = record->Get(PorCircle::Pen);
    const auto fill = record->Get(PorCircle::Fill);
    const auto transparent = record->Get(PorCircle::Transparent);
    if (!corners || !pen || !fill || !transparent)
        return 0;
    m_id = record->Get(PorCircle::Id);
    m_layerName = record->Get(PorCircle::Layer);
    m_sourceLayer = m_layerName;
    // Sized once: a drawing holds circles by the hundred thousand.
    const INT_PTR first = m_points.GetSize();
    m_points.SetSize(first + static_cast<INT_PTR>(corners->size()));
    std::ranges::copy(*corners, m_points.GetData() + first);
    TakePen(*pen, defaultWidth);
    m_fillType = fill->type;
    m_fillColor = fill->color;
    m_savedFillColor = m_fillColor;
    m_transparent = *transparent;
    RecalcExtents();
    return 1;
}

// ---- Drawing

void CRukCircle::DrawMoved(CEntityDocument* document, CDC* dc, int dx, int dy,
                           const CDrawDefaults*) {
    Draw(dc, CCurveChain::ToDocumentView(Outline(), document, dx, dy));
}

void CRukCircle::DrawGrips(CDC* dc, int originX, int originY, double scale, const CDrawDefaults*) {
    const std::vector<POINT> grips =
        CCurveChain::ToView(GripPoints(), originX, originY, scale, false);
    DrawGripBoxes(dc, grips.data(), static_cast<int>(grips.size()));
}

// ---- Hit tests

int CRukCircle::HitTest(CDC*, CEntityDocument* document, int x, int y) {
    return CCurveChain::Hit(*this, CCurveChain::ToDocumentView(Outline(), document, 0, 0),
                            document->LogicalToDevicePoint(x, y), m_fillType != 0, true);
}

int CRukCircle::HitGrip(CDC* dc, CEntityDocument* document, int x, int y, int* grip) {
    return HitGripAt(dc, document, GripPoints(), x, y, grip);
}

void CRukCircle::SetGripCursor(int grip) {
    if (grip < 0 || grip > 3)
        return;
    SetCursor(LoadStandardCursor(grip % 2 == 1 ? IDC_SIZEWE : IDC_SIZENS));
}
