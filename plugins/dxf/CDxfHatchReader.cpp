#include "plugins/dxf/CDxfHatchReader.h"

#include "plugins/dxf/CDxfEntityGroups.h"
#include "plugins/dxf/CDxfEntityStyle.h"
#include "plugins/dxf/CDxfFile.h"
#include "plugins/dxf/CDxfHatch.h"
#include "plugins/dxf/CDxfHatchWriter.h"
#include "plugins/dxf/DxfGeometry.h"
#include "plugins/dxf/DxfNumber.h"

#include <algorithm>
#include <optional>

namespace {

// Weights a spline edge may ask for with group 96: far above any drawing,
// well below what a corrupt count could make the reader allocate.
constexpr int MaxWeights = 1 << 20;

// The groups of the entity frame; every other code is hatch data.
bool IsFrameCode(int code) {
    return code == 5 || code == 6 || code == 8 || code == 48 || code == 62 || code == 370;
}

// What has been read so far: the open path, edge and pattern line, and
// the polyline vertex being built.
class HatchState {
public:
    HatchState(const DPOINT& base, CDxfHatch& hatch) : m_base(base), m_hatch(hatch) {}

    void Take(int code, double value, COLORREF color);
    // Closes whatever is open.
    void Finish() {
        ClosePath();
        CloseLine();
    }

private:
    void ClosePath();
    void CloseLine();
    void PolylineGroup(int code, double value);
    void EdgeGroup(int code, double value);
    void LineGroup(int code, double value);
    // The vertex of a bulged path, with the arc from the previous one.
    void AddBulgedVertex(double bulge);

    DPOINT m_base;
    CDxfHatch& m_hatch;
    std::optional<CHatchBoundary> m_path;
    std::optional<CHatchEdge> m_edge;
    std::optional<CHatchPatternLine> m_line;
    double m_x = 0.0;
    double m_y = 0.0;
    double m_previousBulge = 0.0;
    int m_vertexCount = 0;
    int m_vertexNumber = 0;
};

void HatchState::ClosePath() {
    if (!m_path) {
        return;
    }
    if (m_edge) {
        m_path->edges.push_back(std::move(*m_edge));
        m_edge.reset();
    }
    m_hatch.paths.push_back(std::move(*m_path));
    m_path.reset();
}

void HatchState::CloseLine() {
    if (m_line) {
        m_hatch.lines.push_back(std::move(*m_line));
        m_line.reset();
    }
}

void HatchState::Take(int code, double value, COLORREF color) {
    switch (code) {
    case 62:
        if (m_line) {
            m_line->color = color;
        }
        return;
    case 70:
        m_hatch.solid = static_cast<int>(value);
        return;
    case 92:
        ClosePath();
        m_path = CHatchBoundary{};
        m_path->flags = static_cast<int>(value);
        m_vertexNumber = 0;
        m_previousBulge = 0.0;
        return;
    case 97:
        // Inside a spline edge the first 97 counts its fit points; any
        // other ends the path, so that the handles that follow are not
        // taken for boundary data.
        if (m_edge && m_edge->type == CHatchEdge::SplineType && !m_edge->fitCountRead) {
            m_edge->fitCountRead = true;
            return;
        }
        ClosePath();
        return;
    case 53:
        CloseLine();
        m_line = CHatchPatternLine{};
        m_line->angle = value;
        m_line->color = color;
        return;
    case 43:
    case 44:
    case 45:
    case 46:
    case 49:
        LineGroup(code, value);
        return;
    default:
        break;
    }
    if (!m_path) {
        return;
    }
    if (m_path->IsPolyline()) {
        PolylineGroup(code, value);
    } else {
        EdgeGroup(code, value);
    }
}

void HatchState::PolylineGroup(int code, double value) {
    switch (code) {
    case 72:
        m_path->hasBulge = static_cast<int>(value);
        break;
    case 73:
        m_path->closed = static_cast<int>(value);
        break;
    case 93:
        m_vertexCount = static_cast<int>(value);
        break;
    case 10:
        m_x = value;
        break;
    case 20:
        m_y = value;
        if (!m_path->hasBulge) {
            m_path->vertices.push_back({m_x - m_base.x, m_y - m_base.y});
            ++m_vertexNumber;
        }
        break;
    case 42:
        if (m_path->hasBulge) {
            AddBulgedVertex(value);
        }
        break;
    default:
        break;
    }
}

void HatchState::AddBulgedVertex(double bulge) {
    std::vector<DPOINT>& vertices = m_path->vertices;
    const DPOINT vertex{m_x - m_base.x, m_y - m_base.y};
    if (m_previousBulge != 0.0 && !vertices.empty()) {
        const DPOINT last = vertices.back();
        BulgeArcPoints(vertices, last, vertex, m_previousBulge, CDxfHatchReader::BulgeStep);
    }
    vertices.push_back(vertex);
    ++m_vertexNumber;
    if (m_vertexNumber == m_vertexCount && bulge != 0.0) {
        const DPOINT last = vertices.back();
        const DPOINT first = vertices.front();
        BulgeArcPoints(vertices, last, first, bulge, CDxfHatchReader::BulgeStep);
    }
    m_previousBulge = bulge;
}

void HatchState::EdgeGroup(int code, double value) {
    if (code == 72) {
        if (m_edge) {
            m_path->edges.push_back(std::move(*m_edge));
        }
        m_edge = CHatchEdge{};
        m_edge->type = static_cast<int>(value);
        return;
    }
    if (!m_edge) {
        return;
    }
    CHatchEdge& edge = *m_edge;
    const bool spline = edge.type == CHatchEdge::SplineType;
    switch (code) {
    case 73:
        edge.ccw = static_cast<int>(value);
        break;
    case 10:
        m_x = value;
        edge.first.x = value - m_base.x;
        break;
    case 20:
        if (spline) {
            edge.controlPoints.push_back({m_x - m_base.x, value - m_base.y});
        } else {
            edge.first.y = value - m_base.y;
        }
        break;
    case 11:
        // A line's end is a point; an ellipse's major axis is a vector.
        edge.second.x = edge.type == CHatchEdge::LineType ? value - m_base.x : value;
        break;
    case 21:
        edge.second.y = edge.type == CHatchEdge::LineType ? value - m_base.y : value;
        break;
    case 40:
        if (spline) {
            edge.knots.push_back(value);
        } else {
            edge.radius = value;
        }
        break;
    case 42:
        if (spline && edge.nextWeight < edge.weights.size()) {
            edge.weights[edge.nextWeight++] = value;
        }
        break;
    case 50:
        edge.startAngle = value;
        break;
    case 51:
        edge.endAngle = value;
        break;
    case 94:
        edge.degree = static_cast<int>(value);
        break;
    case 96:
        if (spline) {
            edge.weights.assign(
                static_cast<std::size_t>(std::clamp(static_cast<int>(value), 0, MaxWeights)), 1.0);
            edge.nextWeight = 0;
        }
        break;
    default:
        break;
    }
}

void HatchState::LineGroup(int code, double value) {
    if (!m_line) {
        return;
    }
    switch (code) {
    case 43:
        m_line->base.x = value - m_base.x;
        break;
    case 44:
        m_line->base.y = value - m_base.y;
        break;
    case 45:
        m_line->offset.x = value;
        break;
    case 46:
        m_line->offset.y = value;
        break;
    default:
        m_line->dashes.push_back(value);
        break;
    }
}

} // namespace

void CDxfHatchReader::Hatch(CDxfFile& file, CPorStream& target, const DPOINT& base) {
    CDxfEntityGroups groups;
    CDxfHatch hatch;
    HatchState state(base, hatch);
    CDxfGroup group;
    while (file.ReadGroup(group)) {
        if (group.code == 0) {
            file.UngetGroup();
            break;
        }
        if (IsFrameCode(group.code)) {
            groups.Take(group, m_decoder);
            if (group.code != 62) {
                continue;
            }
        }
        // Pattern lines take the entity's colour as it stands when they start.
        const bool colored = group.code == 53 || group.code == 62;
        state.Take(group.code, DxfToDouble(group.value), colored ? m_style.Color(groups) : 0);
    }
    state.Finish();
    hatch.tag = {groups.handle, groups.layer};
    hatch.color = m_style.Color(groups);
    m_writer.Write(hatch, target);
}
