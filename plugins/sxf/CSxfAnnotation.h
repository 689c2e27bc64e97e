#pragma once
// What dimensions, labels and balloons share: they are drawn as parts (a
// text, lines, a polyline, an arc, a circle), made when the feature is
// copied for writing, and as arrowheads drawn with the feature's own pen.
// A colour or layer reaches the feature and every part.

#include "plugins/sxf/CSxfFeature.h"
#include "plugins/sxf/SxfVertices.h"

class CSxfAnnotation : public CSxfFeature {
public:
    using CSxfFeature::CSxfFeature;
    // A copy of the fields without the parts.
    CSxfAnnotation(const CSxfAnnotation& other) : CSxfFeature(other) {}
    CSxfAnnotation& operator=(const CSxfAnnotation&) = delete;

    void Transform(const CSxfSfigLocate& placement) override;
    // The parts, then the arrowheads.
    int WritePOR(PorBlockWriter& stream) const override;
    void SetColour(int code) override;
    void SetLayer(int code) override;

    const CSxfObjectList& Parts() const { return m_parts; }

protected:
    // Makes the parts of a copy, in their writing order.
    virtual void MakeParts() = 0;
    // The feature's own points and angles under a placement; the parts
    // follow by themselves.
    virtual void TransformOwn(const CSxfSfigLocate& placement) = 0;
    virtual void WriteArrows(PorBlockWriter& stream) const = 0;

    static std::unique_ptr<CSxfObject> WithParts(std::unique_ptr<CSxfAnnotation> copy);

    // Parts carry minus the feature's id and its owner.
    void AddText(const SxfTextBlock& text);
    void AddLine(double x1, double y1, double x2, double y2);
    void AddPolyLine(const SxfVertices& vertices);
    void AddPart(std::unique_ptr<CSxfFeature> part);
    // An arrowhead whose placement is not 0.
    void WriteArrow(PorBlockWriter& stream, const SxfArrowData& arrow, double angle) const;
    // The arrowhead of a leader at its first vertex; none without a vertex.
    void WriteLeaderArrow(PorBlockWriter& stream, const SxfVertices& leader, int code, double angle,
                          double size) const;
    // The direction from the leader's second vertex to its first; 0 for a
    // leader of fewer than two vertices.
    static double LeaderAngle(const SxfVertices& leader);
    // A leader's vertices, its text's position and size, and its arrowhead
    // under a placement.
    static void TransformLeader(const CSxfSfigLocate& placement, SxfVertices& leader,
                                SxfTextBlock& text, double& arrowAngle);

private:
    CSxfObjectList m_parts;
};
