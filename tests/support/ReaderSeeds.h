#pragma once
// Good files of the program's own kinds, written by the program's own
// writers, as the seeds of the mutation tests and the fuzz targets: control
// files with lines, nested groups and one markup of every class, and drawing
// files with line types, layers, groups, a block reference and markups.

#include "app/CControlFileReader.h"
#include "app/COwnDrawingFile.h"
#include "app/CZumeoDoc.h"
#include "entities/CLineType.h"
#include "entities/CRukGroup.h"
#include "entities/CRukInsert.h"
#include "entities/CRukLayer.h"
#include "entities/CRukLine.h"
#include "entities/CRukSaveGroup.h"
#include "platform/mfc/CArchive.h"
#include "platform/mfc/CMemFile.h"
#include "tests/support/MarkupSeeds.h"

#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

namespace ReaderSeeds {

using Bytes = std::vector<std::uint8_t>;

// What the writer puts into a memory file, behind the given leading bytes.
inline Bytes Written(const Bytes& lead, const std::function<void(CArchive&)>& write) {
    CMemFile file;
    file.Write(lead.data(), static_cast<UINT>(lead.size()));
    {
        CArchive ar(&file, CArchive::store);
        write(ar);
        ar.Close();
    }
    Bytes bytes(static_cast<std::size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

// A control file of that version with the objects in the drawing order;
// a save group goes first.
inline Bytes ControlFile(UINT version, const CObList& drawOrder) {
    Bytes header;
    if (version != 0) {
        header = {'R', 'u', 'k', 'C', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        std::memcpy(header.data() + 4, &version, sizeof version);
    }
    return Written(header, [&](CArchive& ar) {
        CRukSaveGroup saveGroup;
        saveGroup.m_groupName = "G";
        CObList saveGroups;
        saveGroups.AddTail(&saveGroup);
        if (version >= CControlFileReader::kPreambleVersion)
            ar << 1000 << 0 << 0 << CString("a") << CString("b");
        saveGroups.Serialize(ar);
        const_cast<CObList&>(drawOrder).Serialize(ar);
    });
}

inline std::unique_ptr<CRukLine> Line(int x) {
    auto line = std::make_unique<CRukLine>();
    line->m_x1 = x;
    line->m_x2 = x + 10;
    line->m_layerName = "Red";
    line->RecalcExtents();
    return line;
}

inline Bytes ControlFile(UINT version, std::initializer_list<CObject*> drawOrder) {
    CObList list;
    for (CObject* object : drawOrder)
        list.AddTail(object);
    return ControlFile(version, list);
}

inline std::vector<Bytes> ControlFiles() {
    std::vector<Bytes> seeds;
    auto first = Line(1);
    auto second = Line(2);
    // Lines alone, in a file of today and one without a header.
    seeds.push_back(ControlFile(0x10014, {first.get(), second.get()}));
    seeds.push_back(ControlFile(0, {first.get()}));
    // Groups within groups, their members listed too.
    CRukGroup inner;
    inner.AddChild(first.get());
    inner.AddChild(second.get());
    CRukGroup outer;
    outer.AddChild(&inner);
    seeds.push_back(ControlFile(0x10014, {first.get(), second.get(), &inner, &outer}));
    // A group whose child is read inside its own list.
    CRukGroup holder;
    holder.AddChild(first.get());
    seeds.push_back(ControlFile(0x10008, {&holder}));
    // One markup of every class with its children.
    for (int number : MarkupSeeds::Numbers()) {
        MarkupSeeds::MarkupDocument markup(number);
        seeds.push_back(ControlFile(0x10014, markup.Document().m_drawOrder));
    }
    return seeds;
}

// A drawing file of the document's drawing.
inline Bytes OwnDrawingFile(CZumeoDoc& document) {
    return Written({}, [&](CArchive& ar) { COwnDrawingFile::Write(ar, document); });
}

inline std::vector<Bytes> OwnDrawingFiles() {
    std::vector<Bytes> seeds;
    {
        // A line type, two layers, lines in a group and a block reference.
        CZumeoDoc drawing;
        auto* lineType = new CLineType;
        lineType->m_id = 1000;
        lineType->m_dashes = {2.5, -1.25};
        drawing.m_lineTypes.AddTail(lineType);
        CRukLine* first = Line(1).release();
        CRukLine* second = Line(2).release();
        auto* group = new CRukGroup;
        group->m_groupName = "G1";
        group->AddChild(first);
        group->AddChild(second);
        group->RecalcExtents();
        auto* insert = new CRukInsert;
        for (CRukEntity* entity : std::initializer_list<CRukEntity*>{first, second, group, insert})
            drawing.AddRecordEntity(entity);
        drawing.FindLayer("Red")->m_visible = 0;
        seeds.push_back(OwnDrawingFile(drawing));
    }
    // Markups and their children as drawing entities.
    for (int number : MarkupSeeds::Numbers()) {
        MarkupSeeds::MarkupDocument markup(number);
        CZumeoDoc& document = markup.Document();
        document.m_objects.AddTail(&document.m_drawOrder);
        document.m_drawOrder.RemoveAll();
        seeds.push_back(OwnDrawingFile(document));
    }
    return seeds;
}

} // namespace ReaderSeeds
