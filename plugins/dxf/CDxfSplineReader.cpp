#include "plugins/dxf/CDxfSplineReader.h"

#include "plugins/dxf/CDxfEntityGroups.h"
#include "plugins/dxf/CDxfEntityStyle.h"
#include "plugins/dxf/CDxfFile.h"
#include "plugins/dxf/CDxfGroup.h"
#include "plugins/dxf/CDxfPrimitiveEmitter.h"
#include "plugins/dxf/DxfNumber.h"

#include <algorithm>
#include <span>

namespace {

constexpr int kDefaultDegree = 3;
constexpr int kClosedBit = 1;

} // namespace

void CDxfSplineReader::Spline(CDxfFile& file, CPorStream& target, const DPOINT& base) {
    CDxfEntityGroups groups;
    std::vector<DPOINT> controlPoints;
    std::vector<DPOINT> fitPoints;
    std::vector<double> knots;
    // Weight slots exist once group 73 has counted the control points; a
    // weight before it, or beyond the slots, is dropped.
    std::vector<double> weights;
    bool weighted = false;
    std::size_t nextWeight = 0;
    int degree = kDefaultDegree;
    double controlX = 0.0;
    double fitX = 0.0;
    CDxfGroup group;
    while (file.ReadGroup(group)) {
        if (group.code == 0) {
            file.UngetGroup();
            break;
        }
        switch (group.code) {
        case 10:
            controlX = DxfToDouble(group.value);
            break;
        case 20:
            controlPoints.push_back({controlX - base.x, DxfToDouble(group.value) - base.y});
            break;
        case 11:
            fitX = DxfToDouble(group.value);
            break;
        case 21:
            fitPoints.push_back({fitX - base.x, DxfToDouble(group.value) - base.y});
            break;
        case 40:
            knots.push_back(DxfToDouble(group.value));
            break;
        case 41:
            if (nextWeight < weights.size())
                weights[nextWeight++] = DxfToDouble(group.value);
            break;
        case 71:
            degree = DxfToInt(group.value);
            break;
        case 73:
            weights.assign(static_cast<std::size_t>(std::max(DxfToInt(group.value), 0)), 1.0);
            weighted = true;
            nextWeight = 0;
            break;
        default:
            groups.Take(group, m_decoder);
            break;
        }
    }
    const int closed = groups.flags & kClosedBit;
    const CDxfPen pen = m_style.Pen(groups);
    if (!controlPoints.empty())
        m_emitter.WriteNurbs(controlPoints, knots,
                             weighted ? std::span<const double>(weights)
                                      : std::span<const double>(),
                             degree, closed, pen, {groups.handle, groups.layer}, target, 0);
    else
        m_emitter.WriteSpline(fitPoints, closed, pen, {groups.handle, groups.layer}, target, 0);
}
