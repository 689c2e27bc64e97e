#pragma once
// The own drawing file "<name>.zmd": a drawing converted once, which opens
// again without its plug-in. After the header come the scale, the
// measurement flag, the unit, the line types, the layers with their
// visibility and the drawing's entities; older versions hold less.

#include "platform/win/WinTypes.h"

class CArchive;
class CCommonDoc;

class COwnDrawingFile {
public:
    static void Write(CArchive& ar, CCommonDoc& document);
    // Reads the file into an emptied document: the scale, unit and line
    // types, the stored layer states into m_drawingLayers, and the entities
    // into m_objects, filed on their layers (groups also as top objects),
    // the visible ones widening the extent. All or nothing: an archive
    // error leaves the document as it was and is thrown on.
    static void Read(CArchive& ar, CCommonDoc& document);

    // The versions from which a field is stored.
    static constexpr UINT kScaleVersion = 0x10003;
    static constexpr UINT kUnitVersion = 0x10007;
    static constexpr UINT kLineTypesVersion = 0x10008;
    static constexpr UINT kLayersVersion = 0x10009;
};
