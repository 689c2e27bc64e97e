#pragma once
// A placement of a sub-figure definition ("SFIG_LOCATE"): position, angle
// and scales. Its copy expands the definition (CSxfSfigExpansion): every
// member copied, moved by the placement and kept. A placement whose name
// marks a raster image writes that image instead of its members.

#include "platform/sxf/SxfData.h"
#include "plugins/sxf/CSxfObject.h"

#include <string>
#include <vector>

class CSxfSfigLocate : public CSxfObject {
public:
    CSxfSfigLocate(int id, const CSxfReader* owner, const SxfSfigLocateData& data);

    std::unique_ptr<CSxfObject> Clone() const override;
    // A placement with the same id, owner and fields and no members.
    std::unique_ptr<CSxfSfigLocate> EmptyCopy() const;
    // Takes a copied member: moved by this placement, put on its layer.
    void Adopt(std::unique_ptr<CSxfObject> member);
    void Transform(const CSxfSfigLocate& placement) override;
    // Alone, a placement's image has a budget of its own.
    int WritePOR(PorBlockWriter& stream) const override;
    int WriteWithPictures(PorBlockWriter& stream, CPictureFiles& pictures) const override;
    void SetLayer(int code) override;
    int GetLayer() const override { return m_data.layer; }

    // The four steps every feature's placement is built of.
    void TurnPoint(double& x, double& y) const;
    void TurnAngle(double& angle) const;
    void ScalePair(double& x, double& y) const;
    // A length alone takes the x scale.
    void ScalePair(double& length) const;
    void Translate(double& x, double& y) const;
    // Turn, scale, move.
    void PlacePoint(double& x, double& y) const;

    const SxfSfigLocateData& Data() const { return m_data; }
    const CSxfObjectList& Members() const { return m_members; }

private:
    // The image file a raster placement names, empty for other placements.
    std::string ImageFileName() const;
    int WriteMembers(PorBlockWriter& stream, CPictureFiles& pictures) const;

    SxfSfigLocateData m_data;
    CSxfObjectList m_members;
};
