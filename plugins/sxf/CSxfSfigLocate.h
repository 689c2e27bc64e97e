#pragma once
// A placement of a sub-figure definition ("SFIG_LOCATE"): position, angle
// and scales. Its copy expands the definition: every member copied, moved
// by the placement and kept; placements inside definitions nest, and a
// definition that would place itself again is cut off, and an expansion
// that fans out beyond MaxCopies objects throws std::length_error. A
// placement whose
// name marks a raster image writes that image instead of its members.

#include "platform/sxf/SxfData.h"
#include "plugins/sxf/CSxfObject.h"

#include <string>
#include <vector>

class CSxfSfigLocate : public CSxfObject {
public:
    static constexpr std::size_t MaxCopies = 1'000'000;

    CSxfSfigLocate(int id, const CSxfReader* owner, const SxfSfigLocateData& data);

    std::unique_ptr<CSxfObject> Clone() const override;
    void Transform(const CSxfSfigLocate& placement) override;
    int WritePOR(PorBlockWriter& stream) const override;
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
    // The definitions being expanded around a copy, and the objects copied.
    struct Expansion {
        std::vector<std::string> chain;
        std::size_t copies = 0;
    };

    std::unique_ptr<CSxfSfigLocate> Expand(Expansion& expansion) const;
    // The image file a raster placement names, empty for other placements.
    std::string ImageFileName() const;
    int WriteMembers(PorBlockWriter& stream) const;

    SxfSfigLocateData m_data;
    CSxfObjectList m_members;
};
