#pragma once
// Lays out a HATCH as one hatch record (type 36) and appends it to the
// target stream: the fixed part, the boundary paths with their edges, the
// pattern area, then the handle and the layer name. Coordinates and lengths
// are written as trunc(value x scale); the stream's bounds are not extended.

#include "platform/win/WinTypes.h"

#include <vector>

class CDxfPrimitiveEmitter;
class CPorStream;
struct CDxfHatch;
struct CHatchBoundary;
struct CHatchEdge;
struct CHatchPatternLine;

class CDxfHatchWriter {
public:
    explicit CDxfHatchWriter(const CDxfPrimitiveEmitter& emitter) : m_emitter(emitter) {}

    void Write(const CDxfHatch& hatch, CPorStream& target) const;

private:
    // The words of one path; reserved receives the bytes the path takes in
    // the record, which may exceed its words.
    void AppendPath(const CHatchBoundary& path, std::vector<LONG>& words,
                    std::size_t& reserved) const;
    void AppendEdge(const CHatchEdge& edge, std::vector<LONG>& words, std::size_t& reserved) const;
    void AppendArc(const CHatchEdge& edge, std::vector<LONG>& words) const;
    void AppendEllipse(const CHatchEdge& edge, std::vector<LONG>& words) const;
    void AppendSpline(const CHatchEdge& edge, std::vector<LONG>& words,
                      std::size_t& reserved) const;
    void AppendLine(const CHatchPatternLine& line, std::vector<LONG>& words) const;

    const CDxfPrimitiveEmitter& m_emitter;
};
