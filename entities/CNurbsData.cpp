#include "entities/CNurbsData.h"

#include "geometry/CurveMath.h"
#include "platform/mfc/CArchive.h"
#include "platform/mfc/CArchiveException.h"
#include "por/PorCursor.h"
#include "por/PorRecord.h"

#include <algorithm>
#include <cmath>

namespace {

// Basis evaluations one curve may cost (points x knots x degree): a curve
// asking for more is sampled more coarsely, never endlessly.
constexpr double kWorkBudget = 2.0e8;

std::vector<double> Divided(const std::vector<LONG>& values, UINT scale) {
    std::vector<double> out;
    out.reserve(values.size());
    for (LONG value : values)
        out.push_back(static_cast<double>(value) / scale);
    return out;
}

// A count word of the archive; a negative one cannot be read.
std::size_t ReadCount(CArchive& ar) {
    int count = 0;
    ar >> count;
    if (count < 0)
        AfxThrowArchiveException(CArchiveException::generic);
    return static_cast<std::size_t>(count);
}

std::vector<double> ReadValues(CArchive& ar, UINT scale) {
    const std::size_t count = ReadCount(ar);
    std::vector<double> values;
    for (std::size_t i = 0; i < count; ++i) {
        int word = 0;
        ar >> word;
        values.push_back(static_cast<double>(word) / scale);
    }
    return values;
}

} // namespace

bool CNurbsData::IsUsable(std::size_t controlCount) const {
    return m_scale != 0 && m_weights.size() >= controlCount && m_degree >= 0 &&
           static_cast<std::size_t>(m_degree) + 2 <= m_knots.size();
}

std::vector<DPOINT> CNurbsData::Evaluate(const CPointArray& control, bool appendLast,
                                         double tolerance) const {
    const int spans = static_cast<int>(std::min<std::size_t>(
        m_knots.empty() ? 0 : m_knots.size() - 1, static_cast<std::size_t>(INT32_MAX)));
    return EvaluateSpans(control, appendLast, spans, tolerance);
}

std::vector<DPOINT> CNurbsData::EvaluateSpans(const CPointArray& control, bool appendLast,
                                              int spanLimit, double tolerance) const {
    const std::vector<POINT> points(control.GetData(), control.GetData() + control.GetSize());
    const double work = static_cast<double>(m_knots.size()) * (std::max(m_degree, 0) + 1.0);
    const int maxPoints = static_cast<int>(
        std::clamp(kWorkBudget / std::max(work, 1.0), 1.0, static_cast<double>(kNurbsMaxPoints)));
    return SampleNurbs(points, m_weights, m_knots, m_degree, spanLimit, appendLast, tolerance,
                       maxPoints);
}

UINT CNurbsData::StoredWord(double value, UINT scale) {
    const double scaled = std::trunc(static_cast<double>(scale) * value);
    if (!std::isfinite(scaled))
        return 0;
    constexpr double kWrap = 4294967296.0;
    double wrapped = std::fmod(scaled, kWrap);
    if (wrapped < 0)
        wrapped += kWrap;
    return static_cast<UINT>(wrapped);
}

void CNurbsData::StoreTail(CArchive& ar) const {
    ar << m_degree << m_scale << static_cast<int>(m_knots.size());
    for (double knot : m_knots)
        ar << StoredWord(knot, m_scale);
    ar << static_cast<int>(m_weights.size());
    for (double weight : m_weights)
        ar << StoredWord(weight, m_scale);
}

void CNurbsData::LoadTail(CArchive& ar, std::size_t controlCount) {
    ar >> m_degree >> m_scale;
    // Nothing can be divided by a scale of 0.
    if (m_scale == 0)
        AfxThrowArchiveException(CArchiveException::generic);
    m_knots = ReadValues(ar, m_scale);
    m_weights = ReadValues(ar, m_scale);
    if (!IsUsable(controlCount))
        AfxThrowArchiveException(CArchiveException::generic);
}

bool CNurbsData::ReadRecord(const PorRecord& record, PorIntField degreeField,
                            PorPointListField controlField, UINT scale) {
    const auto degree = record.Get(degreeField);
    PorCursor cursor = record.CursorAt(static_cast<std::size_t>(controlField.word) * 4);
    const auto control = cursor.PointList();
    if (!degree || !control || scale == 0)
        return false;
    const auto weights = cursor.LongList();
    const auto knots = weights ? cursor.LongList() : std::nullopt;
    if (!knots)
        return false;
    m_degree = *degree;
    m_scale = scale;
    m_weights = Divided(*weights, scale);
    m_knots = Divided(*knots, scale);
    return IsUsable(control->size());
}
