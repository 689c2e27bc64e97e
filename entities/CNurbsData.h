#pragma once
// What the NURBS curves add to their vertex list (the control points): the
// degree, the knot vector, one weight per control point and the record
// scale that converts knots and weights between the integers of records
// and archives and the doubles they are evaluated with.

#include "entities/PointArray.h"
#include "geometry/Geometry.h"
#include "platform/win/WinTypes.h"
#include "por/PorField.h"

#include <cstddef>
#include <vector>

class CArchive;
class PorRecord;

class CNurbsData {
public:
    // Whether the curve can be evaluated over that many control points: a
    // nonzero scale, a weight per control point and a degree that the knot
    // vector has room for.
    bool IsUsable(std::size_t controlCount) const;
    // The curve sampled within the chord tolerance (drawing units), the
    // last control point appended for the open curve; the work is bounded
    // whatever the knots and degree.
    std::vector<DPOINT> Evaluate(const CPointArray& control, bool appendLast,
                                 double tolerance) const;
    // The same over the knot spans below spanLimit only.
    std::vector<DPOINT> EvaluateSpans(const CPointArray& control, bool appendLast, int spanLimit,
                                      double tolerance) const;

    // The tail of the archived body: degree, scale, knot count, knots, weight
    // count, weights (each scale x value, kept modulo 2^32).
    void StoreTail(CArchive& ar) const;
    // The tail read back; a tail the curve cannot use throws a generic
    // archive exception.
    void LoadTail(CArchive& ar, std::size_t controlCount);
    // The degree, weights and knots after the control points in that field,
    // each a signed word divided by the scale; false for a record too short
    // for them or a curve that cannot be used.
    bool ReadRecord(const PorRecord& record, PorIntField degreeField,
                    PorPointListField controlField, UINT scale);

    // The archived word of a value: trunc(scale x value) modulo 2^32, 0 for
    // a value that is not finite.
    static UINT StoredWord(double value, UINT scale);

    std::vector<double> m_knots;
    std::vector<double> m_weights;
    int m_degree = 0;
    UINT m_scale = 0;
};
