#pragma once
// Turns the AP202 instance graphs of a ".p21" file back into the features a
// ".sfc" file holds, in the order a ".sfc" file gives them: the tables,
// then each composite curve, sub-figure definition and sheet after its
// members.
//
// - A sheet is a DRAWING_SHEET_REVISION, sized by the PLANAR_BOX of its
//   PRESENTATION_SIZE (A0 to A4 in either orientation, else a free size);
//   a sub-figure definition a DRAUGHTING_SUBFIGURE_REPRESENTATION whose
//   symbol map may be named "$$SXF_G_<flag>" (4, a drawing part, otherwise).
//   Their items, in order, are the features.
// - An item is a styled item (annotation occurrence) over: a TRIMMED_CURVE
//   over a LINE (line), CIRCLE (arc) or ELLIPSE (elliptic arc); a CIRCLE,
//   ELLIPSE, POLYLINE or B-spline curve; a TEXT_LITERAL(_WITH_EXTENT); an
//   ANNOTATION_FILL_AREA of composite curves (colour, hatching, an
//   externally defined hatch, or tiles of a defined symbol repeated along a
//   TWO_DIRECTION_REPEAT_FACTOR, coloured by the style's colour); a
//   DEFINED_SYMBOL of a pre-defined point
//   marker or an externally defined symbol, placed and scaled by its
//   SYMBOL_TARGET and coloured by its SYMBOL_STYLE. A MAPPED_ITEM places a
//   sub-figure. A LINEAR_DIMENSION holds its DIMENSION_CURVE (a trimmed
//   line), its DIMENSION_CURVE_TERMINATORs (origin: arrow 1, target:
//   arrow 2) and its text; its PROJECTION_CURVEs (three-point polylines)
//   stand in the PROJECTION_DIRECTED_CALLOUT that a
//   DIMENSION_CALLOUT_RELATIONSHIP relates to it. RADIUS_DIMENSION and
//   DIAMETER_DIMENSION hold the same without projection lines;
//   ANGULAR_DIMENSION and CURVE_DIMENSION a trimmed circle instead of a
//   line. A
//   LEADER_DIRECTED_CALLOUT holds a LEADER_CURVE (a polyline), its
//   LEADER_TERMINATOR and its text: a label, or a balloon when a styled
//   CIRCLE stands among them too. An arrowhead's placement code tells
//   whether its SYMBOL_TARGET points along the way the feature counts
//   (from the line's end to its start; for a radius from start to end; for
//   an arc a quarter turn from its projection line's way to the centre).
//   Anything else is skipped.
// - A COMPOSITE_CURVE is a composite curve; its segments take its style,
//   and it is invisible when an INVISIBILITY names its styled item or it has
//   none. Fills name composite curves by their number in file order.
// - Angles are degrees: trim parameters of circles and ellipses are counted
//   from the placement's reference direction.

#include "platform/sxf/CP21Model.h"
#include "platform/sxf/CSfcStatement.h"

#include <vector>

class CP21Mapper {
public:
    // The features of the file; one that cannot be mapped comes with its
    // error, which its group reports when it is read.
    static std::vector<CSfcStatement> Map(const CP21Model& model);
};
