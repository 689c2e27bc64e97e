#include "plugins/dxf/CDxfEntityGroups.h"

#include "plugins/dxf/CDxfFile.h"
#include "plugins/dxf/CDxfTextDecoder.h"
#include "plugins/dxf/DxfFieldTable.h"
#include "plugins/dxf/DxfNumber.h"

namespace {

constexpr DxfField<CDxfEntityGroups> Fields[] = {
    {5, DxfRawText<CDxfEntityGroups>{&CDxfEntityGroups::handle}},
    {6, &CDxfEntityGroups::lineType},
    {8, &CDxfEntityGroups::layer},
    {30, &CDxfEntityGroups::z},
    {40, &CDxfEntityGroups::real40},
    {41, &CDxfEntityGroups::real41},
    {42, &CDxfEntityGroups::real42},
    {48, &CDxfEntityGroups::lineTypeScale},
    {50, &CDxfEntityGroups::angle50},
    {51, &CDxfEntityGroups::angle51},
    {62, &CDxfEntityGroups::aci},
    {70, &CDxfEntityGroups::flags},
    {370, &CDxfEntityGroups::lineWeight},
};

} // namespace

bool CDxfEntityGroups::Take(const CDxfGroup& group, const CDxfTextDecoder& decoder) {
    const int code = group.code;
    if (code >= 10 && code <= 13) {
        points[static_cast<std::size_t>(code - 10)].x = DxfToDouble(group.value);
        return true;
    }
    if (code >= 20 && code <= 23) {
        points[static_cast<std::size_t>(code - 20)].y = DxfToDouble(group.value);
        return true;
    }
    if (code >= 210 && code <= 230 && code % 10 == 0) {
        double DxfVector::*axis = code == 210   ? &DxfVector::x
                                  : code == 220 ? &DxfVector::y
                                                : &DxfVector::z;
        extrusion.*axis = DxfToDouble(group.value);
        return true;
    }
    return TakeField<CDxfEntityGroups>(Fields, group, decoder, *this);
}

void CDxfEntityGroups::Read(CDxfFile& file, const CDxfTextDecoder& decoder) {
    CDxfGroup group;
    while (file.ReadGroup(group)) {
        if (group.code == 0) {
            file.UngetGroup();
            return;
        }
        Take(group, decoder);
    }
}
