#include "plugins/dxf/CDxfEntityGroups.h"

#include "plugins/dxf/CDxfFile.h"
#include "plugins/dxf/CDxfTextDecoder.h"
#include "plugins/dxf/DxfNumber.h"

void CDxfEntityGroups::Read(CDxfFile& file, const CDxfTextDecoder& decoder) {
    CDxfGroup group;
    while (file.ReadGroup(group)) {
        const int code = group.code;
        if (code == 0) {
            file.UngetGroup();
            return;
        }
        if (code >= 10 && code <= 13) {
            points[static_cast<std::size_t>(code - 10)].x = DxfToDouble(group.value);
        } else if (code >= 20 && code <= 23) {
            points[static_cast<std::size_t>(code - 20)].y = DxfToDouble(group.value);
        } else {
            switch (code) {
            case 5:
                handle = CString(group.value);
                break;
            case 6:
                lineType = decoder.Decode(group.value);
                break;
            case 8:
                layer = decoder.Decode(group.value);
                break;
            case 30:
                z = DxfToDouble(group.value);
                break;
            case 40:
                real40 = DxfToDouble(group.value);
                break;
            case 41:
                real41 = DxfToDouble(group.value);
                break;
            case 42:
                real42 = DxfToDouble(group.value);
                break;
            case 48:
                lineTypeScale = DxfToDouble(group.value);
                break;
            case 50:
                angle50 = DxfToDouble(group.value);
                break;
            case 51:
                angle51 = DxfToDouble(group.value);
                break;
            case 62:
                aci = DxfToInt(group.value);
                break;
            case 70:
                flags = DxfToInt(group.value);
                break;
            case 210:
                extrusion.x = DxfToDouble(group.value);
                break;
            case 220:
                extrusion.y = DxfToDouble(group.value);
                break;
            case 230:
                extrusion.z = DxfToDouble(group.value);
                break;
            case 370:
                lineWeight = DxfToInt(group.value);
                break;
            default:
                break;
            }
        }
    }
}
