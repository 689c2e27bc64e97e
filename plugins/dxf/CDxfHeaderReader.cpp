#include "plugins/dxf/CDxfHeaderReader.h"

#include "plugins/dxf/CDxfFile.h"
#include "plugins/dxf/CDxfProgress.h"
#include "plugins/dxf/DxfNumber.h"

#include <string_view>

namespace {

enum class Variable {
    Other,
    AcadVer,
    DwgCodePage,
    LtScale,
    Measurement,
    PdMode,
    PdSize,
    ExtMin,
    ExtMax
};

Variable VariableOf(std::string_view name) {
    struct Entry {
        std::string_view name;
        Variable variable;
    };
    static constexpr Entry Variables[] = {
        {"$ACADVER", Variable::AcadVer}, {"$DWGCODEPAGE", Variable::DwgCodePage},
        {"$LTSCALE", Variable::LtScale}, {"$MEASUREMENT", Variable::Measurement},
        {"$PDMODE", Variable::PdMode},   {"$PDSIZE", Variable::PdSize},
        {"$EXTMIN", Variable::ExtMin},   {"$EXTMAX", Variable::ExtMax},
    };
    for (const Entry& entry : Variables) {
        if (entry.name == name) {
            return entry.variable;
        }
    }
    return Variable::Other;
}

// AC1021 (AutoCAD 2007) and later write UTF-8.
bool IsUtf8Version(std::string_view version) {
    return version.starts_with("AC") && DxfToInt(version.substr(2)) >= 1021;
}

struct Extents {
    double minX = 0.0;
    double minY = 0.0;
    double maxX = 0.0;
    double maxY = 0.0;
};

// A value group belongs to the variable named by the last code-9 group.
void Apply(Variable variable, const CDxfGroup& group, CDxfHeader& header, Extents& extents) {
    switch (variable) {
    case Variable::AcadVer:
        if (group.code == 1) {
            header.utf8 = IsUtf8Version(group.value);
        }
        break;
    case Variable::DwgCodePage:
        if (group.code == 3) {
            header.codePage = group.value;
        }
        break;
    case Variable::LtScale:
        if (group.code == 40) {
            header.lineTypeScale = DxfToDouble(group.value);
        }
        break;
    case Variable::Measurement:
        if (group.code == 70) {
            header.measurement = DxfToInt(group.value);
        }
        break;
    case Variable::PdMode:
        if (group.code == 70) {
            header.pointMode = DxfToInt(group.value);
        }
        break;
    case Variable::PdSize:
        if (group.code == 40) {
            header.pointSize = DxfToDouble(group.value);
        }
        break;
    case Variable::ExtMin:
    case Variable::ExtMax: {
        const bool min = variable == Variable::ExtMin;
        if (group.code == 10) {
            (min ? extents.minX : extents.maxX) = DxfToDouble(group.value);
        } else if (group.code == 20) {
            (min ? extents.minY : extents.maxY) = DxfToDouble(group.value);
        }
        break;
    }
    case Variable::Other:
        break;
    }
}

} // namespace

void CDxfHeaderReader::Read(CDxfFile& file, CDxfProgress& progress, CDxfHeader& header) {
    Extents extents;
    Variable variable = Variable::Other;
    CDxfGroup group;
    while (progress.Poll(file.GetPosition()) && file.ReadGroup(group)) {
        if (group.code == 0) {
            // Only ENDSEC belongs here; any other item starts what follows a
            // section that lost its end.
            if (group.value != "ENDSEC") {
                file.UngetGroup();
            }
            break;
        }
        if (group.code == 9) {
            variable = VariableOf(group.value);
        } else {
            Apply(variable, group, header, extents);
        }
    }
    header.scale = ScaleForExtents(extents.minX, extents.minY, extents.maxX, extents.maxY);
}

unsigned CDxfHeaderReader::ScaleForExtents(double minX, double minY, double maxX, double maxY) {
    const double width = maxX - minX;
    const double height = maxY - minY;
    const double extent = width > height ? width : height;
    if (!(extent > 0.0)) {
        return CDxfHeader::DefaultScale;
    }
    unsigned scale = 1;
    while (297000.0 / extent / scale >= 1.0 && scale < 99999999u) {
        scale *= 10;
    }
    return scale;
}
