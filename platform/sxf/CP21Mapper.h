#pragma once
// Turns the AP202 instance graphs of a ".p21" file back into the features a
// ".sfc" file holds, in the order a ".sfc" file gives them: the tables,
// then each composite curve, sub-figure definition and sheet after its
// members.
//
// - A sheet is a DRAWING_SHEET_REVISION named by its size ("A3_horizontal",
//   "FREE"), sized by the PLANAR_BOX of its PRESENTATION_SIZE; its name is
//   the drawing's title. A sub-figure definition is a
//   DRAUGHTING_SUBFIGURE_REPRESENTATION whose name's prefix ("$$SXF_FM_",
//   "$$SXF_FG_", "$$SXF_G_", "$$SXF_P_") gives its kind. Their items, in
//   order, are the features, but for the placement or box that closes the
//   list and the structured callouts that repeat a dimension's text. An
//   item that stands for no feature is reported.
// - An item is a styled item (annotation occurrence) over: a TRIMMED_CURVE
//   over a LINE (line), CIRCLE (arc) or ELLIPSE (elliptic arc); a CIRCLE,
//   ELLIPSE, POLYLINE or B-spline curve; a TEXT_LITERAL(_WITH_EXTENT), whose
//   name ("$$SXF_topline centre") gives the anchor from which the writer
//   moved its point along the text's up direction; an ANNOTATION_FILL_AREA
//   of composite curves (colour, hatching with its patterns listed last to
//   first, an externally defined hatch, or tiles of a defined symbol
//   repeated along a TWO_DIRECTION_REPEAT_FACTOR, coloured by the style's
//   colour); a DEFINED_SYMBOL of a pre-defined point marker or an
//   externally defined symbol, placed and scaled by its SYMBOL_TARGET and
//   coloured by its SYMBOL_STYLE; a MAPPED_ITEM that places a sub-figure at
//   its SYMBOL_TARGET.
// - A callout (wrapped in an unstyled styled item on the sheet) lists its
//   elements in its DRAUGHTING_CALLOUT. A LINEAR_DIMENSION holds its
//   DIMENSION_CURVE (a trimmed line), its projection lines named
//   "$$SXF_prj_1"/"$$SXF_prj_2" (trimmed lines from the point on the
//   object), its arrowheads named "$$SXF_arw_1"/"$$SXF_arw_2" and its text.
//   A missing projection line gets the points the writer gives one that is
//   not drawn. RADIUS_DIMENSION and DIAMETER_DIMENSION hold the same
//   without projection lines; ANGULAR_DIMENSION and CURVE_DIMENSION a
//   trimmed circle instead of a line. A LEADER_DIRECTED_CALLOUT holds a
//   LEADER_CURVE (a polyline), its LEADER_TERMINATOR and its text: a label,
//   or a balloon when a styled CIRCLE stands among them too. An arrowhead's
//   placement code tells whether its SYMBOL_TARGET points outwards (for a
//   radius from the line's start to its end; for an arc a quarter turn from
//   its projection line's way to the centre).
// - A COMPOSITE_CURVE is a composite curve; its segments carry no codes, and
//   it is hidden (flag 0) when an INVISIBILITY names its styled item. Fills
//   name composite curves by their number in file order.
// - Angles are radians: trim parameters of circles and ellipses are counted
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
