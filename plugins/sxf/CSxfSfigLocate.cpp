#include "plugins/sxf/CSxfSfigLocate.h"

#include "image/CPictureFiles.h"
#include "plugins/sxf/CSxfPolyLine.h"
#include "plugins/sxf/CSxfRasterFrame.h"
#include "plugins/sxf/CSxfReader.h"
#include "plugins/sxf/CSxfSfigExpansion.h"

#include <cmath>
#include <string_view>

namespace {

constexpr std::string_view RasterPrefix = "$$RASTER$$";
constexpr std::string_view UserAttributePrefix = "$$ATRU$$";
// "画像$$" in CP932: a user attribute that names an image file after it.
constexpr std::string_view ImageMark = "\x89\xE6\x91\x9C$$";

} // namespace

CSxfSfigLocate::CSxfSfigLocate(int id, const CSxfReader* owner, const SxfSfigLocateData& data)
    : CSxfObject(id, owner), m_data(data) {
    m_data.name[sizeof m_data.name - 1] = '\0';
}

std::unique_ptr<CSxfObject> CSxfSfigLocate::Clone() const {
    return CSxfSfigExpansion().Expand(*this);
}

std::unique_ptr<CSxfSfigLocate> CSxfSfigLocate::EmptyCopy() const {
    return std::make_unique<CSxfSfigLocate>(GetId(), GetOwner(), m_data);
}

void CSxfSfigLocate::Adopt(std::unique_ptr<CSxfObject> member) {
    member->Transform(*this);
    if (m_data.layer != 0) {
        member->SetLayer(m_data.layer);
    }
    m_members.push_back(std::move(member));
}

void CSxfSfigLocate::Transform(const CSxfSfigLocate& placement) {
    for (const auto& member : m_members) {
        member->Transform(placement);
    }
}

void CSxfSfigLocate::SetLayer(int code) {
    if (code == 0) {
        return;
    }
    m_data.layer = code;
    for (const auto& member : m_members) {
        member->SetLayer(code);
    }
}

void CSxfSfigLocate::TurnPoint(double& x, double& y) const {
    const double t = m_data.angle * SxfRadiansPerDegree;
    const double oldX = x;
    const double oldY = y;
    x = oldX * std::cos(t) - oldY * std::sin(t);
    y = oldY * std::cos(t) + oldX * std::sin(t);
}

void CSxfSfigLocate::TurnAngle(double& angle) const {
    // fmod first, so a huge angle cannot keep the loop below turning for long.
    angle = std::fmod(angle + m_data.angle, 360.0);
    while (angle < 0 || angle >= 360) {
        angle += angle < 0 ? 360 : -360;
    }
}

void CSxfSfigLocate::ScalePair(double& x, double& y) const {
    x *= m_data.ratioX;
    y *= m_data.ratioY;
}

void CSxfSfigLocate::ScalePair(double& length) const {
    length *= m_data.ratioX;
}

void CSxfSfigLocate::Translate(double& x, double& y) const {
    x += m_data.x;
    y += m_data.y;
}

void CSxfSfigLocate::PlacePoint(double& x, double& y) const {
    TurnPoint(x, y);
    ScalePair(x, y);
    Translate(x, y);
}

std::string CSxfSfigLocate::ImageFileName() const {
    const std::string_view name = m_data.name;
    if (name.starts_with(RasterPrefix)) {
        return std::string(name.substr(RasterPrefix.size()));
    }
    if (name.starts_with(UserAttributePrefix)) {
        const std::size_t mark = name.find(ImageMark);
        if (mark != std::string_view::npos) {
            return std::string(name.substr(mark + ImageMark.size()));
        }
    }
    return {};
}

int CSxfSfigLocate::WritePOR(PorBlockWriter& stream) const {
    CPictureFiles unshared;
    return WriteWithPictures(stream, unshared);
}

int CSxfSfigLocate::WriteWithPictures(PorBlockWriter& stream, CPictureFiles& pictures) const {
    const std::string fileName = ImageFileName();
    if (fileName.empty()) {
        return WriteMembers(stream, pictures);
    }
    const CSxfObject* first = m_members.empty() ? nullptr : m_members.front().get();
    const auto* frame = first && first->IsKindOf(RUNTIME_CLASS(CSxfPolyLine))
                            ? static_cast<const CSxfPolyLine*>(first)
                            : nullptr;
    if (!frame || frame->m_vertices.Count() < CSxfRasterFrame::Corners) {
        // Without a whole frame the image has nowhere to go: its members are
        // drawn instead.
        return WriteMembers(stream, pictures);
    }
    const int layer = m_data.layer != 0 ? m_data.layer : m_members.front()->GetLayer();
    const CSxfRasterFrame image(*frame, GetOwner() ? GetOwner()->LayerName(layer)
                                                   : CString(CSxfReader::DefaultLayerName));
    if (!image.Write(stream, fileName, pictures)) {
        return WriteMembers(stream, pictures);
    }
    return 1;
}

int CSxfSfigLocate::WriteMembers(PorBlockWriter& stream, CPictureFiles& pictures) const {
    for (const auto& member : m_members) {
        if (member->WriteWithPictures(stream, pictures) == 0) {
            return 0;
        }
    }
    return 1;
}
