#pragma once
// The base of every object the SXF plug-in builds from the SXF library's
// data: features, assemblies and table entries. The reader and the writer
// treat all of them alike through these operations; the pen block and the
// arrowhead and point markers are shared here.

#include "platform/mfc/CObject.h"
#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"
#include "por/PorPen.h"

#include <memory>
#include <vector>

class CPictureFiles;
class CSxfReader;
class CSxfSfigLocate;
class PorBlockWriter;

class CSxfObject : public CObject {
    DECLARE_DYNAMIC(CSxfObject)

public:
    CSxfObject() = default;
    CSxfObject(int id, const CSxfReader* owner) : m_id(id), m_owner(owner) {}

    int GetId() const { return m_id; }
    void SetId(int id) { m_id = id; }
    const CSxfReader* GetOwner() const { return m_owner; }
    void SetOwner(const CSxfReader* owner) { m_owner = owner; }

    // A new object of the same class, id, owner and data.
    virtual std::unique_ptr<CSxfObject> Clone() const;
    // Moves, turns and scales the geometry by a sub-figure placement.
    virtual void Transform(const CSxfSfigLocate& placement) {}
    // Appends the object's records; 0 stops the writing.
    virtual int WritePOR(PorBlockWriter& stream) const { return 1; }
    // The same, with the pictures placed within the one budget of the
    // drawing being written.
    virtual int WriteWithPictures(PorBlockWriter& stream, CPictureFiles& pictures) const {
        return WritePOR(stream);
    }
    // The points the object holds beyond its fixed fields: what makes one
    // object larger than another when it is copied.
    virtual std::size_t PointCount() const { return 0; }
    // The hatch boundary edge of a curve, none for other objects.
    virtual std::vector<BYTE> MakeBoundaryEdge() const { return {}; }

    // Appends the records of one arrowhead or point marker of the given
    // type, angle (degrees) and size (mm), pointed at (x, y) in mm.
    virtual int MakeMarker(PorBlockWriter& stream, int type, double angle, double x, double y,
                           double size) const;
    // The pen of the object's line-type, width and colour codes.
    virtual PorPen MakePen() const;

    virtual void SetColour(int code) {}
    virtual int GetColour() const { return 0; }
    virtual void SetLayer(int code) {}
    virtual int GetLayer() const { return 0; }
    virtual void SetLineType(int code) {}
    virtual int GetLineType() const { return 0; }
    virtual void SetWidth(int code) {}
    virtual int GetWidth() const { return 0; }

    // What every record of the object carries: the owner's unit scale and
    // the name of the object's layer.
    int UnitScale() const;
    CString LayerName() const;

private:
    int m_id = 0;
    const CSxfReader* m_owner = nullptr;
};

using CSxfObjectList = std::vector<std::unique_ptr<CSxfObject>>;
