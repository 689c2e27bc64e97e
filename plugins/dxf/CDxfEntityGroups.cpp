#include "plugins/dxf/CDxfEntityGroups.h"

#include "plugins/dxf/CDxfFile.h"
#include "plugins/dxf/CDxfTextDecoder.h"
#include "plugins/dxf/DxfNumber.h"

namespace {

enum class Kind { Real, Int, Text, OptionalText, OptionalInt, Raw };

// Where each kept code goes: the member it fills and how its value is read.
struct Slot {
    int code;
    Kind kind;
    double CDxfEntityGroups::*real = nullptr;
    int CDxfEntityGroups::*integer = nullptr;
    CString CDxfEntityGroups::*text = nullptr;
    std::optional<CString> CDxfEntityGroups::*optionalText = nullptr;
    std::optional<int> CDxfEntityGroups::*optionalInt = nullptr;
};

const Slot Slots[] = {
    {5, Kind::Raw, nullptr, nullptr, &CDxfEntityGroups::handle},
    {6, Kind::OptionalText, nullptr, nullptr, nullptr, &CDxfEntityGroups::lineType},
    {8, Kind::Text, nullptr, nullptr, &CDxfEntityGroups::layer},
    {30, Kind::Real, &CDxfEntityGroups::z},
    {40, Kind::Real, &CDxfEntityGroups::real40},
    {41, Kind::Real, &CDxfEntityGroups::real41},
    {42, Kind::Real, &CDxfEntityGroups::real42},
    {48, Kind::Real, &CDxfEntityGroups::lineTypeScale},
    {50, Kind::Real, &CDxfEntityGroups::angle50},
    {51, Kind::Real, &CDxfEntityGroups::angle51},
    {62, Kind::OptionalInt, nullptr, nullptr, nullptr, nullptr, &CDxfEntityGroups::aci},
    {70, Kind::Int, nullptr, &CDxfEntityGroups::flags},
    {370, Kind::OptionalInt, nullptr, nullptr, nullptr, nullptr, &CDxfEntityGroups::lineWeight},
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
    for (const Slot& slot : Slots) {
        if (slot.code != code) {
            continue;
        }
        switch (slot.kind) {
        case Kind::Real:
            this->*slot.real = DxfToDouble(group.value);
            break;
        case Kind::Int:
            this->*slot.integer = DxfToInt(group.value);
            break;
        case Kind::Text:
            this->*slot.text = decoder.Decode(group.value);
            break;
        case Kind::Raw:
            this->*slot.text = CString(group.value);
            break;
        case Kind::OptionalText:
            this->*slot.optionalText = decoder.Decode(group.value);
            break;
        case Kind::OptionalInt:
            this->*slot.optionalInt = DxfToInt(group.value);
            break;
        }
        return true;
    }
    return false;
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
