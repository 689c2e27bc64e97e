#include "plugins/sxf/CSxfAnnotation.h"

#include "plugins/sxf/CSxfLine.h"
#include "plugins/sxf/CSxfPolyLine.h"
#include "plugins/sxf/CSxfSfigLocate.h"
#include "plugins/sxf/CSxfText.h"
#include "plugins/sxf/SxfUnits.h"

void CSxfAnnotation::Transform(const CSxfSfigLocate& placement) {
    TransformOwn(placement);
    for (const auto& part : m_parts) {
        part->Transform(placement);
    }
}

int CSxfAnnotation::WritePOR(PorBlockWriter& stream) const {
    for (const auto& part : m_parts) {
        if (part->WritePOR(stream) == 0) {
            return 0;
        }
    }
    WriteArrows(stream);
    return 1;
}

void CSxfAnnotation::SetColour(int code) {
    CSxfFeature::SetColour(code);
    for (const auto& part : m_parts) {
        part->SetColour(code);
    }
}

void CSxfAnnotation::SetLayer(int code) {
    CSxfFeature::SetLayer(code);
    if (code == 0) {
        return;
    }
    for (const auto& part : m_parts) {
        part->SetLayer(code);
    }
}

std::unique_ptr<CSxfObject> CSxfAnnotation::WithParts(std::unique_ptr<CSxfAnnotation> copy) {
    copy->MakeParts();
    return copy;
}

void CSxfAnnotation::AddPart(std::unique_ptr<CSxfFeature> part) {
    part->SetId(-GetId());
    part->SetOwner(GetOwner());
    m_parts.push_back(std::move(part));
}

void CSxfAnnotation::AddText(const SxfTextBlock& text) {
    AddPart(std::make_unique<CSxfText>(0, nullptr, SxfTextData{GetLayer(), GetColour(), text}));
}

void CSxfAnnotation::AddLine(double x1, double y1, double x2, double y2) {
    AddPart(std::make_unique<CSxfLine>(0, nullptr, SxfLineData{Codes(), x1, y1, x2, y2}));
}

void CSxfAnnotation::WriteArrow(PorBlockWriter& stream, const SxfArrowData& arrow,
                                double angle) const {
    if (arrow.placement != 0) {
        MakeMarker(stream, arrow.code, angle, arrow.x, arrow.y, arrow.size);
    }
}

void CSxfAnnotation::AddPolyLine(const SxfVertices& vertices) {
    AddPart(std::make_unique<CSxfPolyLine>(
        0, nullptr,
        SxfPolylineData{Codes(), static_cast<int>(vertices.Count()), vertices.x, vertices.y}));
}

void CSxfAnnotation::WriteLeaderArrow(PorBlockWriter& stream, const SxfVertices& leader, int code,
                                      double angle, double size) const {
    if (leader.Count() > 0) {
        MakeMarker(stream, code, angle, leader.x[0], leader.y[0], size);
    }
}

double CSxfAnnotation::LeaderAngle(const SxfVertices& leader) {
    if (leader.Count() < 2) {
        return 0;
    }
    return SxfVectorAngle(leader.x[0] - leader.x[1], leader.y[0] - leader.y[1]);
}

void CSxfAnnotation::TransformLeader(const CSxfSfigLocate& placement, SxfVertices& leader,
                                     SxfTextBlock& text, double& arrowAngle) {
    for (std::size_t i = 0; i < leader.Count(); ++i) {
        placement.PlacePoint(leader.x[i], leader.y[i]);
    }
    placement.PlacePoint(text.x, text.y);
    placement.ScalePair(text.width, text.height);
    placement.ScalePair(text.spacing);
    placement.TurnAngle(arrowAngle);
}
