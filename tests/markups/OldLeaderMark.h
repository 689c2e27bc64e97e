#pragma once
// An ellipse mark as older versions stored it: its ellipse, a line leader
// and a text, the box's two corners still among its points, written as the
// bodies of schemas 0 and 1.

#include "entities/CRukEllipse.h"
#include "entities/CRukLine.h"
#include "entities/CRukText.h"
#include "markups/CRukMarkEllipse.h"
#include "tests/entities/ShapeTestSupport.h"

#include <cstdint>
#include <vector>

inline constexpr char kEllipseName[] = "CRukMarkEllipse";

inline std::vector<BYTE> Slice(const std::vector<BYTE>& bytes, std::size_t from, std::size_t to) {
    return std::vector<BYTE>(bytes.begin() + static_cast<std::ptrdiff_t>(from),
                             bytes.begin() + static_cast<std::ptrdiff_t>(to));
}

// The children are the struct's own; the mark refers to them.
struct OldMark {
    OldMark(bool withText, int lineWidth) {
        mark.m_points.Add(POINT{0, 2000});
        mark.m_points.Add(POINT{2000, 0});
        mark.m_points.Add(POINT{5000, 1000});
        mark.m_layerName = "OLD";
        ellipse.SetFirstPoint(0, 2000);
        ellipse.AppendPoint(2000, 0);
        ellipse.SetLayerName("OLD");
        ellipse.SetLineWidth(lineWidth);
        line.SetFirstPoint(1000, 1000);
        line.AppendPoint(5000, 1000);
        line.SetLayerName("LEAD");
        line.SetLineWidth(lineWidth);
        text.SetText("Hi");
        text.SetTextHeight(100);
        text.SetOrigin(5000, 1100);
        text.SetCorner2(5200, 1000);
        text.SetLayerName("OLD");
        mark.AddChild(&ellipse);
        mark.AddChild(&line);
        if (withText)
            mark.AddChild(&text);
    }
    // The stored object with the schema's fields put back: the defining
    // points after the point list and the child count before the list.
    std::vector<BYTE> Body(std::uint16_t schema) {
        const std::vector<BYTE> stored = StoreObject(mark);
        const std::size_t head = ClassRecord(2, kEllipseName).Get().size();
        const std::size_t points = head + 2 + 3 * 8;
        // Layer "OLD", colour, group string, flag byte, tag, name.
        const std::size_t attributes = points + 4 + 4 + 1 + 1 + 1 + 1;
        Bytes body = ClassRecord(schema, kEllipseName);
        body.Append(Slice(stored, head, points));
        body.Long(0).Long(2000).Long(2000).Long(0);
        body.Append(Slice(stored, points, attributes));
        body.Long(mark.m_children.GetCount());
        body.Append(Slice(stored, attributes, stored.size()));
        return body.Get();
    }

    CRukMarkEllipse mark;
    CRukEllipse ellipse;
    CRukLine line;
    CRukText text;
};
