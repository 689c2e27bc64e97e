#pragma once
// The open point-list record that polylines, and splines that cannot be
// Bezier curves, are written as: pen, layer, no arrows, the points, the
// layer name right after them.

#include "platform/mfc/CString.h"
#include "por/PorBlockWriter.h"
#include "por/PorPen.h"
#include "por/PorRecordBuilder.h"
#include "por/PorRecords.h"

#include <span>

inline void SxfWriteOpenList(PorBlockWriter& stream, LONG type, const PorPen& pen,
                             std::span<const POINT> points, const CString& layer) {
    PorRecordBuilder record(type);
    record.Set(PorOpenList::Pen, pen);
    record.Set(PorOpenList::Points, points);
    record.Set(PorOpenList::Layer, layer);
    stream.Append(record);
}
