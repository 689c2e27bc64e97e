#include "platform/sxf/CP21Mapper.h"

#include "platform/sxf/CP21Geometry.h"
#include "platform/sxf/CP21Statement.h"
#include "platform/sxf/CP21Styles.h"
#include "platform/sxf/CSfcParameters.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <iterator>
#include <numbers>
#include <optional>
#include <string_view>
#include <unordered_map>

namespace {

using Point = CP21Geometry::Point;
using Placement = CP21Geometry::Placement;
using Trim = CP21Geometry::Trim;
using Arc = CP21Geometry::Arc;

// Sheet sizes A0 to A4, in millimetres (long side, short side).
constexpr struct {
    double longSide;
    double shortSide;
} SheetSizes[] = {{1189, 841}, {841, 594}, {594, 420}, {420, 297}, {297, 210}};
constexpr int FreeSheet = 9;

// Text anchors 1 to 9 are a row and a column, as in "$$SXF_topline centre"
// (8). The writer moves the text's point along its up direction from the
// anchor: half the height below for the base line, half above for the
// middle line and a whole height above for the top line, with a font of
// ascent 1 and descent 0.
constexpr std::string_view AnchorRows[] = {"baseline", "middleline", "topline"};
constexpr std::string_view AnchorColumns[] = {"left", "centre", "right"};
constexpr std::string_view SxfNamePrefix = "$$SXF_";
constexpr int MiddleRow = 1;
constexpr int TopRow = 2;

// Point marker codes 1 to 7.
constexpr std::string_view PointMarkers[] = {"asterisk", "circle",   "dot", "plus",
                                             "square",   "triangle", "x"};

// Arrowhead codes 1 to 11 of dimension terminators.
constexpr std::string_view Terminators[] = {
    "blanked arrow", "blanked box",  "blanked dot",   "dimension origin",
    "filled box",    "filled arrow", "filled dot",    "integral symbol",
    "open arrow",    "slash",        "unfilled arrow"};

// The kind of a sub-figure is the prefix of its definition's name: flags 1
// to 4. A name without one is a drawing part.
constexpr std::string_view SfigPrefixes[] = {"$$SXF_FM_", "$$SXF_FG_", "$$SXF_G_", "$$SXF_P_"};
constexpr int DrawingPart = 4;

// The elements of a dimension's contents known by their names.
constexpr std::string_view ProjectionNames[] = {"$$SXF_prj_1", "$$SXF_prj_2"};
constexpr std::string_view ArrowNames[] = {"$$SXF_arw_1", "$$SXF_arw_2"};

// The two kinds of instance that close the item list of a sheet or a
// sub-figure definition: no feature stands for them.
constexpr std::string_view ListEnds[] = {"PLANAR_BOX", "AXIS2_PLACEMENT_2D"};

// Sheet sizes by their name: "A3_horizontal" is A3 landscape.
constexpr std::string_view Landscape = "_horizontal";
constexpr std::string_view Portrait = "_vertical";
constexpr std::string_view FreeSheetName = "FREE";

// The name and kind flag of a sub-figure definition's name.
std::pair<std::string, int> SfigName(const std::string& name) {
    for (std::size_t i = 0; i < std::size(SfigPrefixes); ++i) {
        if (name.starts_with(SfigPrefixes[i])) {
            return {name.substr(SfigPrefixes[i].size()), static_cast<int>(i) + 1};
        }
    }
    return {name, DrawingPart};
}

// Size type and orientation from a sheet's name, when it is one of the
// writer's; a free sheet is as wide as its box.
std::optional<std::pair<int, int>> SheetKind(std::string_view name, double x, double y) {
    if (name == FreeSheetName) {
        return std::pair{FreeSheet, x > y ? 1 : 0};
    }
    if (name.size() < 3 || name[0] != 'A' || name[1] < '0' ||
        name[1] >= '0' + static_cast<int>(std::size(SheetSizes))) {
        return std::nullopt;
    }
    const std::string_view rest = name.substr(2);
    if (rest != Landscape && rest != Portrait) {
        return std::nullopt;
    }
    return std::pair{name[1] - '0', rest == Landscape ? 1 : 0};
}

class Mapper {
public:
    explicit Mapper(const CP21Model& model) : m_model(model), m_geometry(model), m_styles(model) {}

    std::vector<CSfcStatement> Run() {
        m_out = m_styles.Statements();
        for (const CP21Instance& instance : m_model.Instances()) {
            if (CP21Model::Is(instance, "COMPOSITE_CURVE")) {
                m_compositeNumbers[instance.id] = static_cast<int>(m_compositeNumbers.size()) + 1;
            } else if (CP21Model::Is(instance, "PRESENTATION_SIZE")) {
                Guard(instance.id, [&] {
                    const CP21Attributes size =
                        CP21Model::Attributes(instance, "PRESENTATION_SIZE");
                    m_sheetSizes.emplace(size.Ref(0), size.Ref(1));
                });
            } else if (CP21Model::Is(instance, "DRAUGHTING_TITLE") && !m_title) {
                m_title = &instance;
            } else if (CP21Model::Is(instance, "CONTRACT") && !m_contract) {
                m_contract = &instance;
            } else if (CP21Model::Is(instance, "CALENDAR_DATE") && !m_date) {
                m_date = &instance;
            } else if (CP21Model::Is(instance, "DRAUGHTING_ORGANIZATION_ASSIGNMENT")) {
                m_organisations.push_back(&instance);
            } else if (CP21Model::Is(instance, "SYMBOL_REPRESENTATION_MAP") ||
                       CP21Model::Is(instance, "REPRESENTATION_MAP")) {
                Guard(instance.id, [&] { TakeMap(instance); });
            }
        }
        for (const CP21Instance& instance : m_model.Instances()) {
            if (CP21Model::Is(instance, "COMPOSITE_CURVE")) {
                Guard(instance.id, [&] { CompositeCurve(instance); });
            }
        }
        for (const CP21Instance& instance : m_model.Instances()) {
            if (CP21Model::Is(instance, "DRAUGHTING_SUBFIGURE_REPRESENTATION")) {
                Guard(instance.id, [&] { SfigOrg(instance); });
            }
        }
        for (const CP21Instance& instance : m_model.Instances()) {
            if (CP21Model::Is(instance, "DRAWING_SHEET_REVISION")) {
                Guard(instance.id, [&] { Sheet(instance); });
            }
        }
        return std::move(m_out);
    }

private:
    // Runs one mapping step; a step that fails leaves a broken feature.
    template <typename Step> void Guard(long long id, Step step) {
        try {
            step();
        } catch (const CSfcError& error) {
            CSfcStatement broken;
            broken.id = id;
            broken.error = error.what();
            m_out.push_back(std::move(broken));
        }
    }

    void Add(CP21Statement statement) { m_out.push_back(statement.Take()); }

    // The layer, colour, line-type and width codes of a styled item.
    SxfStyleCodes CurveCodes(long long styledItem, long long item) const {
        SxfStyleCodes codes = m_styles.CurveCodes(m_styles.StyleOf(styledItem, "CURVE_STYLE"));
        codes.layer = m_styles.Layer(styledItem, item);
        return codes;
    }

    static CP21Statement& Codes(CP21Statement& statement, const SxfStyleCodes& codes) {
        return statement.Int(codes.layer).Int(codes.colour).Int(codes.lineType).Int(codes.width);
    }

    // Maps a curve with its style codes; false for a curve no feature stands for.
    bool Curve(long long id, long long featureId, const SxfStyleCodes& codes) {
        const CP21Instance& curve = m_model.At(id);
        if (CP21Model::Is(curve, "TRIMMED_CURVE")) {
            TrimmedCurve(CP21Model::Attributes(curve, "TRIMMED_CURVE"), featureId, codes);
        } else if (CP21Model::Is(curve, "POLYLINE")) {
            const std::vector<Point> points =
                m_geometry.PointList(CP21Model::Attributes(curve, "POLYLINE"), 1);
            CP21Statement statement(featureId, "polyline_feature");
            Add(Codes(statement, codes)
                    .Int(static_cast<long long>(points.size()))
                    .Numbers(CP21Geometry::Xs(points))
                    .Numbers(CP21Geometry::Ys(points)));
        } else if (CP21Model::Is(curve, "CIRCLE")) {
            const CP21Attributes circle = CP21Model::Attributes(curve, "CIRCLE");
            const Placement centre = m_geometry.PlacementAt(circle.Ref(1));
            CP21Statement statement(featureId, "circle_feature");
            Add(Codes(statement, codes)
                    .Number(centre.origin.x)
                    .Number(centre.origin.y)
                    .Number(circle.Real(2)));
        } else if (CP21Model::Is(curve, "ELLIPSE")) {
            const CP21Attributes ellipse = CP21Model::Attributes(curve, "ELLIPSE");
            const Placement centre = m_geometry.PlacementAt(ellipse.Ref(1));
            CP21Statement statement(featureId, "ellipse_feature");
            Add(Codes(statement, codes)
                    .Number(centre.origin.x)
                    .Number(centre.origin.y)
                    .Number(ellipse.Real(2))
                    .Number(ellipse.Real(3))
                    .Number(centre.angle));
        } else if (CP21Model::Is(curve, "B_SPLINE_CURVE_WITH_KNOTS") ||
                   CP21Model::Is(curve, "B_SPLINE_CURVE")) {
            Spline(curve, featureId, codes);
        } else {
            return false;
        }
        return true;
    }

    void TrimmedCurve(const CP21Attributes& trimmed, long long featureId,
                      const SxfStyleCodes& codes) {
        const CP21Instance& basis = m_model.At(trimmed.Ref(1));
        const Trim first = m_geometry.TrimAt(trimmed, 2);
        const Trim second = m_geometry.TrimAt(trimmed, 3);
        const int direction = trimmed.Logical(4) ? 0 : 1;
        if (CP21Model::Is(basis, "LINE")) {
            const Point start = m_geometry.LineEnd(trimmed, 2);
            const Point end = m_geometry.LineEnd(trimmed, 3);
            CP21Statement statement(featureId, "line_feature");
            Add(Codes(statement, codes)
                    .Number(start.x)
                    .Number(start.y)
                    .Number(end.x)
                    .Number(end.y));
        } else if (CP21Model::Is(basis, "CIRCLE")) {
            const Arc arc = m_geometry.ArcAt(trimmed);
            CP21Statement statement(featureId, "arc_feature");
            Add(Codes(statement, codes)
                    .Number(arc.centre.x)
                    .Number(arc.centre.y)
                    .Number(arc.radius)
                    .Int(direction)
                    .Number(arc.start)
                    .Number(arc.end));
        } else if (CP21Model::Is(basis, "ELLIPSE")) {
            const CP21Attributes ellipse = CP21Model::Attributes(basis, "ELLIPSE");
            const Placement centre = m_geometry.PlacementAt(ellipse.Ref(1));
            const double rx = ellipse.Real(2);
            const double ry = ellipse.Real(3);
            // A trim point gives its parametric angle on the ellipse.
            const auto angle = [&](const Trim& trim) {
                if (!trim.isPoint) {
                    return CP21Geometry::FromRadians(trim.parameter);
                }
                const double dx = trim.point.x - centre.origin.x;
                const double dy = trim.point.y - centre.origin.y;
                const double turn = CP21Geometry::Radians(centre.angle);
                const double u = dx * std::cos(turn) + dy * std::sin(turn);
                const double v = -dx * std::sin(turn) + dy * std::cos(turn);
                return CP21Geometry::Degrees(v / ry, u / rx);
            };
            CP21Statement statement(featureId, "ellipse_arc_feature");
            Add(Codes(statement, codes)
                    .Number(centre.origin.x)
                    .Number(centre.origin.y)
                    .Number(rx)
                    .Number(ry)
                    .Int(direction)
                    .Number(centre.angle)
                    .Number(angle(first))
                    .Number(angle(second)));
        } else {
            trimmed.Refuse("trims a curve that is no line, circle or ellipse");
        }
    }

    void Spline(const CP21Instance& curve, long long featureId, const SxfStyleCodes& codes) {
        // A simple instance names the curve first; the B_SPLINE_CURVE part of
        // a complex one starts with the degree.
        const bool simple = curve.records.size() == 1;
        const CP21Attributes spline = simple ? CP21Attributes(curve, curve.records[0])
                                             : CP21Model::Attributes(curve, "B_SPLINE_CURVE");
        const std::size_t first = simple ? 1 : 0;
        const std::vector<Point> points = m_geometry.PointList(spline, first + 1);
        CP21Statement statement(featureId, "spline_feature");
        Add(Codes(statement, codes)
                .Int(spline.Logical(first + 3) ? 0 : 1)
                .Int(static_cast<long long>(points.size()))
                .Numbers(CP21Geometry::Xs(points))
                .Numbers(CP21Geometry::Ys(points)));
    }

    // The members of a composite curve carry no codes of their own; the
    // curve is shown (1) unless an INVISIBILITY names its styled item.
    void CompositeCurve(const CP21Instance& instance) {
        const CP21Attributes composite = CP21Model::Attributes(instance, "COMPOSITE_CURVE");
        const long long styled = m_styles.StyledItemOf(instance.id);
        const SxfStyleCodes codes = styled ? CurveCodes(styled, instance.id) : SxfStyleCodes{};
        const bool invisible = styled && m_styles.IsInvisible(styled);
        CP21Statement group(instance.id, "composite_curve_org_feature");
        group.Int(codes.colour).Int(codes.lineType).Int(codes.width).Int(invisible ? 0 : 1);
        // Once a member is out, nothing may keep the group from closing, or
        // its members would join the next one.
        for (long long segment : composite.RefList(1)) {
            Guard(segment, [&] {
                const CP21Attributes part = m_model.Attributes(segment, "COMPOSITE_CURVE_SEGMENT");
                if (!Curve(part.Ref(2), part.Ref(2), SxfStyleCodes{})) {
                    part.Refuse("joins a curve no composite curve holds");
                }
            });
        }
        Add(group);
    }

    void TakeMap(const CP21Instance& instance) {
        const CP21Attributes map(instance, instance.records[0]);
        // A map may be named before its two attributes.
        m_mapped[instance.id] = map.Ref(map.Count() == 3 ? 2 : 1);
    }

    std::string RepresentationName(long long id) const {
        const CP21Instance& representation = m_model.At(id);
        return SfigName(CP21Attributes(representation, representation.records[0]).Text(0)).first;
    }

    void SfigOrg(const CP21Instance& instance) {
        const CP21Attributes definition =
            CP21Model::Attributes(instance, "DRAUGHTING_SUBFIGURE_REPRESENTATION");
        const auto [name, flag] = SfigName(definition.Text(0));
        CP21Statement group(instance.id, "sfig_org_feature");
        group.Text(name).Int(flag);
        Items(definition.RefList(1));
        Add(group);
    }

    // The writer names a sheet by its size; the drawing's name stands in its
    // title.
    std::string SheetName(const CP21Attributes& sheet) const {
        return m_title ? CP21Model::Attributes(*m_title, "DRAUGHTING_TITLE").Text(2)
                       : sheet.Text(0);
    }

    void Sheet(const CP21Instance& instance) {
        const CP21Attributes sheet = CP21Model::Attributes(instance, "DRAWING_SHEET_REVISION");
        const std::vector<long long> items = sheet.RefList(1);
        double x = 0;
        double y = 0;
        if (const auto size = m_sheetSizes.find(instance.id); size != m_sheetSizes.end()) {
            const CP21Attributes box = m_model.Attributes(size->second, "PLANAR_BOX");
            x = box.Real(1);
            y = box.Real(2);
        }
        const double longSide = std::max(x, y);
        const double shortSide = std::min(x, y);
        const auto standard =
            std::find_if(std::begin(SheetSizes), std::end(SheetSizes), [&](const auto& size) {
                return std::fabs(size.longSide - longSide) < 0.5 &&
                       std::fabs(size.shortSide - shortSide) < 0.5;
            });
        const auto [sizeType, orientation] =
            SheetKind(sheet.Text(0), x, y)
                .value_or(std::pair{standard == std::end(SheetSizes)
                                        ? FreeSheet
                                        : static_cast<int>(standard - std::begin(SheetSizes)),
                                    x > y ? 1 : 0});
        CP21Statement group(instance.id, "drawing_sheet_feature");
        group.Text(SheetName(sheet)).Int(sizeType).Int(orientation).Number(x).Number(y);
        Items(items);
        if (m_contract) {
            Guard(m_contract->id, [&] { DrawingAttribute(); });
        }
        Add(group);
    }

    // The name of the organisation in that role, blank without one.
    std::string Organisation(std::string_view role) const {
        for (const CP21Instance* assignment : m_organisations) {
            const CP21Attributes assigned =
                CP21Model::Attributes(*assignment, "DRAUGHTING_ORGANIZATION_ASSIGNMENT");
            if (m_model.Attributes(assigned.Ref(1), "ORGANIZATION_ROLE").Text(0) == role) {
                return m_model.Attributes(assigned.Ref(0), "ORGANIZATION").Text(1);
            }
        }
        return " ";
    }

    // The title block's texts, date and organisations, which a drawing with
    // a contract has: the contract's names and type, the title's drawing
    // name, the number, type and scale of its revision, the date and the
    // creating and owning organisations.
    void DrawingAttribute() {
        const CP21Attributes contract = CP21Model::Attributes(*m_contract, "CONTRACT");
        CP21Statement statement(m_contract->id, "drawing_attribute_feature");
        statement.Text(contract.Text(1))
            .Text(contract.Text(0))
            .Text(m_model.Attributes(contract.Ref(2), "CONTRACT_TYPE").Text(0));
        std::array<std::string, 4> drawing{" ", " ", " ", " "};
        if (m_title) {
            const CP21Attributes title = CP21Model::Attributes(*m_title, "DRAUGHTING_TITLE");
            drawing[0] = title.Text(2);
            const std::vector<long long> revisions = title.RefList(0);
            if (!revisions.empty()) {
                const CP21Attributes revision =
                    m_model.Attributes(revisions.front(), "DRAUGHTING_DRAWING_REVISION");
                const CP21Attributes definition =
                    m_model.Attributes(revision.Ref(1), "DRAWING_DEFINITION");
                drawing = {drawing[0], definition.Text(0), definition.Text(1), revision.Text(2)};
            }
        }
        for (const std::string& text : drawing) {
            statement.Text(text);
        }
        if (m_date) {
            const CP21Attributes date = CP21Model::Attributes(*m_date, "CALENDAR_DATE");
            const auto part = [&](std::size_t index) {
                return static_cast<long long>(std::llround(date.Real(index)));
            };
            statement.Int(part(0)).Int(part(2)).Int(part(1));
        } else {
            statement.Int(0).Int(1).Int(1);
        }
        Add(statement.Text(Organisation("creator")).Text(Organisation("owner")));
    }

    // Every item of a list but its closing placement or box, and the
    // structured callouts that only repeat a dimension's text, stands for a
    // feature; one that cannot be mapped is reported.
    void Items(const std::vector<long long>& items) {
        for (std::size_t i = 0; i < items.size(); ++i) {
            Guard(items[i], [&] {
                const CP21Instance& instance = m_model.At(items[i]);
                const bool listEnd =
                    i + 1 == items.size() &&
                    std::any_of(std::begin(ListEnds), std::end(ListEnds),
                                [&](std::string_view end) { return CP21Model::Is(instance, end); });
                if (!listEnd && !CP21Model::Is(instance, "STRUCTURED_DIMENSION_CALLOUT")) {
                    Item(instance);
                }
            });
        }
    }

    // A callout on the sheet comes wrapped in a styled item without a style.
    const CP21Instance& Unwrapped(const CP21Instance& instance) const {
        if (instance.records.size() != 1 || !CP21Model::Is(instance, "STYLED_ITEM")) {
            return instance;
        }
        const CP21Instance& item = Presented(instance);
        return CP21Model::Is(item, "DRAUGHTING_CALLOUT") ? item : instance;
    }

    void Item(const CP21Instance& item) {
        const CP21Instance& instance = Unwrapped(item);
        // Callouts: dimensions and leaders.
        using Callout = void (Mapper::*)(const CP21Instance&, std::string_view, const char*);
        static constexpr struct {
            std::string_view entity;
            const char* feature;
            Callout map;
        } Callouts[] = {
            {"LINEAR_DIMENSION", "linear_dim_feature", &Mapper::LineDimension},
            {"RADIUS_DIMENSION", "radius_dim_feature", &Mapper::LineDimension},
            {"DIAMETER_DIMENSION", "diameter_dim_feature", &Mapper::LineDimension},
            {"ANGULAR_DIMENSION", "angular_dim_feature", &Mapper::ArcDimension},
            {"CURVE_DIMENSION", "curve_dim_feature", &Mapper::ArcDimension},
            {"LEADER_DIRECTED_CALLOUT", nullptr, &Mapper::Leader},
        };
        for (const auto& callout : Callouts) {
            if (CP21Model::Is(instance, callout.entity)) {
                (this->*callout.map)(instance, callout.entity, callout.feature);
                return;
            }
        }
        if (!CP21Styles::IsStyledItem(instance)) {
            CP21Attributes(instance, instance.records[0]).Refuse("is no feature of a drawing");
        }
        std::size_t styles = 0;
        std::size_t itemIndex = 0;
        const CP21Attributes styled = CP21Styles::StyledItem(instance, styles, itemIndex);
        const long long presented = styled.Ref(itemIndex);
        const CP21Instance& target = m_model.At(presented);
        if (CP21Model::Is(target, "TEXT_LITERAL_WITH_EXTENT") ||
            CP21Model::Is(target, "TEXT_LITERAL")) {
            Text(instance.id, target);
        } else if (CP21Model::Is(target, "ANNOTATION_FILL_AREA")) {
            Fill(instance.id, target);
        } else if (CP21Model::Is(target, "DEFINED_SYMBOL")) {
            Symbol(instance.id, target);
        } else if (CP21Model::Is(target, "MAPPED_ITEM")) {
            SfigLocate(instance.id, target);
        } else if (!CP21Model::Is(target, "COMPOSITE_CURVE") &&
                   !Curve(presented, instance.id, CurveCodes(instance.id, presented))) {
            styled.Refuse("presents #" + std::to_string(presented) +
                          ", which is no feature of a drawing");
        }
    }

    // A placement of a sub-figure: its mapped item names the map and the
    // target, a symbol target (placement and two scales), a placement or a
    // transformation.
    void SfigLocate(long long styledItem, const CP21Instance& instance) {
        const CP21Attributes mapped = CP21Model::Attributes(instance, "MAPPED_ITEM");
        // A simple instance names the item before the map and the target.
        const std::size_t first = instance.records.size() == 1 ? 1 : 0;
        const auto representation = m_mapped.find(mapped.Ref(first));
        if (representation == m_mapped.end()) {
            mapped.Refuse("places no representation map");
        }
        const CP21Instance& target = m_model.At(mapped.Ref(first + 1));
        Placement placement;
        double ratioX = 1;
        double ratioY = 1;
        if (CP21Model::Is(target, "SYMBOL_TARGET")) {
            const CP21Attributes symbol = CP21Model::Attributes(target, "SYMBOL_TARGET");
            placement = m_geometry.PlacementAt(symbol.Ref(1));
            ratioX = symbol.Real(2);
            ratioY = symbol.Real(3);
        } else if (CP21Model::Is(target, "AXIS2_PLACEMENT_2D")) {
            placement = m_geometry.PlacementAt(target.id);
        } else {
            const CP21Attributes transform =
                CP21Model::Attributes(target, "CARTESIAN_TRANSFORMATION_OPERATOR_2D");
            placement.origin = m_geometry.PointAt(transform.Ref(4));
            Point axis1{1, 0};
            if (!transform.IsUnset(2)) {
                axis1 = m_geometry.DirectionAt(transform.Ref(2));
                placement.angle = CP21Geometry::Degrees(axis1.y, axis1.x);
            }
            if (transform.Count() > 5 && !transform.IsUnset(5)) {
                ratioX = ratioY = transform.Real(5);
            }
            // A second axis turned clockwise from the first mirrors the figure.
            if (!transform.IsUnset(3)) {
                const Point axis2 = m_geometry.DirectionAt(transform.Ref(3));
                if (axis1.x * axis2.y - axis1.y * axis2.x < 0) {
                    ratioY = -ratioY;
                }
            }
        }
        Add(CP21Statement(styledItem, "sfig_locate_feature")
                .Int(m_styles.Layer(styledItem, instance.id))
                .Text(RepresentationName(representation->second))
                .Number(placement.origin.x)
                .Number(placement.origin.y)
                .Number(placement.angle)
                .Number(ratioX)
                .Number(ratioY));
    }

    void Text(long long styledItem, const CP21Instance& literal) {
        CP21Statement statement(styledItem, "text_string_feature");
        statement.Int(m_styles.Layer(styledItem, literal.id)).Int(TextColour(styledItem));
        Add(TextBlock(statement, styledItem, literal));
    }

    int TextColour(long long styledItem) const {
        const long long style = TextStyle(styledItem);
        if (!style) {
            return 0;
        }
        const CP21Instance& textStyle = m_model.At(style);
        const CP21Attributes appearance(textStyle, textStyle.records[0]);
        const CP21Attributes font =
            m_model.Attributes(appearance.Ref(1), "TEXT_STYLE_FOR_DEFINED_FONT");
        return m_styles.Colour(font.Ref(0));
    }

    // Row and column (0 to 2 each) of an anchor written as "topline centre".
    static std::optional<std::pair<int, int>> Anchor(std::string_view words) {
        const std::size_t space = words.find(' ');
        if (space == std::string_view::npos) {
            return std::nullopt;
        }
        const auto row =
            std::find(std::begin(AnchorRows), std::end(AnchorRows), words.substr(0, space));
        const auto column =
            std::find(std::begin(AnchorColumns), std::end(AnchorColumns), words.substr(space + 1));
        if (row == std::end(AnchorRows) || column == std::end(AnchorColumns)) {
            return std::nullopt;
        }
        return std::pair{static_cast<int>(row - std::begin(AnchorRows)),
                         static_cast<int>(column - std::begin(AnchorColumns))};
    }

    // The ascent and descent of a font named "<name>-<ascent>-<descent>";
    // 1 and 0 otherwise.
    std::pair<double, double> FontMetrics(const CP21Attributes& text) const {
        std::pair<double, double> metrics{1, 0};
        if (text.IsUnset(5)) {
            return metrics;
        }
        const CP21Instance& font = m_model.At(text.Ref(5));
        const CP21Attributes named(font, font.records[0]);
        const std::string& name = named.Text(0);
        const std::size_t second = name.rfind('-');
        const std::size_t first = second == std::string::npos || second == 0
                                      ? std::string::npos
                                      : name.rfind('-', second - 1);
        if (first == std::string::npos) {
            return metrics;
        }
        double ascent = 0;
        double descent = 0;
        const char* begin = name.data();
        const auto [ascentEnd, ascentError] =
            std::from_chars(begin + first + 1, begin + second, ascent);
        const auto [descentEnd, descentError] =
            std::from_chars(begin + second + 1, begin + name.size(), descent);
        if (ascentError == std::errc() && ascentEnd == begin + second &&
            descentError == std::errc() && descentEnd == begin + name.size() && ascent > 0 &&
            descent >= 0) {
            metrics = {ascent, descent};
        }
        return metrics;
    }

    // A coordinate moved back by the writer's shift, to the six decimals
    // both forms keep, so that it is the point the ".sfc" gives.
    static double Micrometres(double value) { return std::round(value * 1e6) / 1e6; }

    // How far, in heights, the writer moved the point of a text of that
    // anchor row along its up direction.
    static double AnchorShift(int row, std::pair<double, double> metrics) {
        const auto [ascent, descent] = metrics;
        const double half = (ascent - (ascent + descent) / 2) / (ascent + descent);
        return row == TopRow ? ascent / (ascent + descent) : row == MiddleRow ? half : -half;
    }

    // Font code, text, position, height, width, spacing, angle, slant,
    // anchor point and direction of a text literal. Its name holds the
    // anchor; a name of another form leaves it to the alignment.
    CP21Statement& TextBlock(CP21Statement& statement, long long styledItem,
                             const CP21Instance& literal) const {
        const CP21Attributes text = CP21Model::Attributes(literal, literal.records[0].name);
        const Placement placement = m_geometry.PlacementAt(text.Ref(2));
        const std::string& name = text.Text(0);
        auto anchor = name.starts_with(SxfNamePrefix)
                          ? Anchor(std::string_view(name).substr(SxfNamePrefix.size()))
                          : std::nullopt;
        if (!anchor) {
            anchor = Anchor(text.Text(3));
        }
        if (!anchor) {
            text.Refuse("anchor \"" + text.Text(3) + "\" is none of the nine points");
        }
        const int direction = text.Enum(4) == "DOWN" ? 2 : 1;
        double width = 0;
        double height = 0;
        if (text.Count() > 6) {
            const CP21Attributes extent = m_model.Attributes(text.Ref(6), "PLANAR_EXTENT");
            width = extent.Real(1);
            height = extent.Real(2);
        }
        const double shift = AnchorShift(anchor->first, FontMetrics(text)) * height;
        const double turn = CP21Geometry::Radians(placement.angle);
        double spacing = 0;
        double slant = 0;
        if (const long long style = TextStyle(styledItem)) {
            const CP21Instance& textStyle = m_model.At(style);
            if (const CP21Record* box =
                    CP21Model::Find(textStyle, "TEXT_STYLE_WITH_BOX_CHARACTERISTICS")) {
                const CP21Attributes characteristics(textStyle, *box);
                for (const CP21Value& value : characteristics.List(characteristics.Count() - 1)) {
                    if (value.kind == CP21Value::Typed && value.text == "BOX_SLANT_ANGLE") {
                        slant = CP21Geometry::FromRadians(value.items[0].number);
                    }
                }
            }
            if (const CP21Record* spaced = CP21Model::Find(textStyle, "TEXT_STYLE_WITH_SPACING")) {
                const CP21Attributes spacingOf(textStyle, *spaced);
                spacing = spacingOf.Real(spacingOf.Count() - 1);
            }
        }
        return statement.Int(text.IsUnset(5) ? 0 : m_styles.TextFont(text.Ref(5)))
            .Text(text.Text(1))
            .Number(Micrometres(placement.origin.x - shift * std::sin(turn)))
            .Number(Micrometres(placement.origin.y + shift * std::cos(turn)))
            .Number(height)
            .Number(width)
            .Number(spacing)
            .Number(placement.angle)
            .Number(slant)
            .Int(anchor->first * 3 + anchor->second + 1)
            .Int(direction);
    }

    // A defined symbol's definition, placement and scale.
    struct SymbolPlacement {
        const CP21Instance* definition = nullptr;
        Placement placement;
        double scale = 1;
        double scaleY = 1;
    };

    SymbolPlacement SymbolAt(const CP21Instance& symbol) const {
        const CP21Attributes defined = CP21Model::Attributes(symbol, "DEFINED_SYMBOL");
        const CP21Attributes target = m_model.Attributes(defined.Ref(2), "SYMBOL_TARGET");
        return {&m_model.At(defined.Ref(1)), m_geometry.PlacementAt(target.Ref(1)), target.Real(2),
                target.Real(3)};
    }

    // The colour of a symbol's SYMBOL_STYLE, if it has one.
    std::optional<int> SymbolColour(long long styledItem) const {
        const long long style = m_styles.StyleOf(styledItem, "SYMBOL_STYLE");
        if (!style) {
            return std::nullopt;
        }
        const CP21Attributes symbolStyle = m_model.Attributes(style, "SYMBOL_STYLE");
        const CP21Attributes colour = m_model.Attributes(symbolStyle.Ref(1), "SYMBOL_COLOUR");
        return m_styles.Colour(colour.Ref(0));
    }

    void Symbol(long long styledItem, const CP21Instance& symbol) {
        const SymbolPlacement placed = SymbolAt(symbol);
        const CP21Instance& definition = *placed.definition;
        const int layer = m_styles.Layer(styledItem, symbol.id);
        const std::optional<int> colour = SymbolColour(styledItem);
        if (CP21Model::Is(definition, "PRE_DEFINED_POINT_MARKER_SYMBOL")) {
            const CP21Attributes marker =
                CP21Model::Attributes(definition, "PRE_DEFINED_POINT_MARKER_SYMBOL");
            const auto code =
                std::find(std::begin(PointMarkers), std::end(PointMarkers), marker.Text(0));
            if (code == std::end(PointMarkers)) {
                marker.Refuse("no point marker is named \"" + marker.Text(0) + "\"");
            }
            Add(CP21Statement(styledItem, "point_marker_feature")
                    .Int(layer)
                    .Int(colour.value_or(0))
                    .Number(placed.placement.origin.x)
                    .Number(placed.placement.origin.y)
                    .Int(static_cast<long long>(code - std::begin(PointMarkers)) + 1)
                    .Number(placed.placement.angle)
                    .Number(placed.scale));
        } else if (CP21Model::Is(definition, "EXTERNALLY_DEFINED_SYMBOL")) {
            const CP21Attributes external =
                CP21Model::Attributes(definition, "EXTERNALLY_DEFINED_SYMBOL");
            Add(CP21Statement(styledItem, "externally_defined_symbol_feature")
                    .Int(layer)
                    .Int(colour ? 1 : 0)
                    .Int(colour.value_or(0))
                    .Text(external.Text(0))
                    .Number(placed.placement.origin.x)
                    .Number(placed.placement.origin.y)
                    .Number(placed.placement.angle)
                    .Number(placed.scale));
        } else {
            CP21Attributes(definition, definition.records[0])
                .Refuse("is a symbol no feature of a drawing stands for");
        }
    }

    // The first element of a callout's contents that is the entity, or null.
    const CP21Instance* Element(const std::vector<long long>& contents,
                                std::string_view entity) const {
        for (long long id : contents) {
            const CP21Instance& element = m_model.At(id);
            if (CP21Model::Is(element, entity)) {
                return &element;
            }
        }
        return nullptr;
    }

    // The item a styled element presents.
    const CP21Instance& Presented(const CP21Instance& element) const {
        std::size_t styles = 0;
        std::size_t item = 0;
        return m_model.At(CP21Styles::StyledItem(element, styles, item).Ref(item));
    }

    // The three points of a projection line: the point on the object and
    // the two ends of the drawn line. A trimmed line keeps the first as its
    // line's origin; a polyline lists them.
    std::array<Point, 3> ProjectionPoints(const CP21Instance& curve) const {
        const CP21Instance& presented = Presented(curve);
        if (CP21Model::Is(presented, "TRIMMED_CURVE")) {
            const CP21Attributes trimmed = CP21Model::Attributes(presented, "TRIMMED_CURVE");
            const CP21Attributes line = m_model.Attributes(trimmed.Ref(1), "LINE");
            return {m_geometry.PointAt(line.Ref(1)), m_geometry.LineEnd(trimmed, 2),
                    m_geometry.LineEnd(trimmed, 3)};
        }
        const CP21Attributes polyline = CP21Model::Attributes(presented, "POLYLINE");
        const std::vector<Point> points = m_geometry.PointList(polyline, 1);
        if (points.size() != 3) {
            polyline.Refuse("a projection line has three points");
        }
        return {points[0], points[1], points[2]};
    }

    // Shown flag and three points of a projection line. One that is not
    // drawn keeps the points the writer gives it: from the end of the
    // dimension line, three steps of a unit back and one forth square to
    // the line.
    void ProjectionLine(CP21Statement& statement, const CP21Instance* curve,
                        std::pair<Point, Point> line, bool atEnd) const {
        std::array<Point, 3> points{};
        if (curve) {
            points = ProjectionPoints(*curve);
        } else {
            const auto [start, end] = line;
            const double length = std::hypot(end.x - start.x, end.y - start.y);
            const Point unit = length > 0
                                   ? Point{(end.x - start.x) / length, (end.y - start.y) / length}
                                   : Point{1, 0};
            const Point normal{-unit.y, unit.x};
            const Point base = atEnd ? end : start;
            const auto step = [&](double k) {
                return Point{base.x + k * normal.x, base.y + k * normal.y};
            };
            points = {step(-3), step(-2), step(1)};
        }
        statement.Int(curve && !m_styles.IsInvisible(curve->id) ? 1 : 0);
        for (const Point& point : points) {
            statement.Number(point.x).Number(point.y);
        }
    }

    // The element of a callout's contents of that name, or null.
    const CP21Instance* Named(const std::vector<long long>& contents, std::string_view name) const {
        for (long long id : contents) {
            const CP21Instance& element = m_model.At(id);
            if (const CP21Record* item = CP21Model::Find(element, "REPRESENTATION_ITEM");
                item && CP21Attributes(element, *item).Text(0) == name) {
                return &element;
            }
        }
        return nullptr;
    }

    // The arrowhead code and the placement and scale of a terminator.
    std::pair<int, SymbolPlacement> ArrowHead(const CP21Instance& terminator) const {
        const SymbolPlacement placed = SymbolAt(Presented(terminator));
        const CP21Attributes symbol =
            CP21Model::Attributes(*placed.definition, "PRE_DEFINED_TERMINATOR_SYMBOL");
        const auto code = std::find(std::begin(Terminators), std::end(Terminators), symbol.Text(0));
        if (code == std::end(Terminators)) {
            symbol.Refuse("no arrowhead is named \"" + symbol.Text(0) + "\"");
        }
        return {static_cast<int>(code - std::begin(Terminators)) + 1, placed};
    }

    // Marker code, placement code, position and size of an arrowhead: the
    // placement code is 1 when the arrowhead points along the way `along`
    // gives for its position, else 2, and 0 without an arrowhead.
    template <typename Along>
    void Arrow(CP21Statement& statement, const CP21Instance* terminator, Along along) const {
        if (!terminator) {
            statement.Int(0).Int(0).Number(0).Number(0).Number(0);
            return;
        }
        const auto [code, placed] = ArrowHead(*terminator);
        const double turn = CP21Geometry::Radians(placed.placement.angle);
        const Point way = along(placed.placement.origin);
        const bool forwards = std::cos(turn) * way.x + std::sin(turn) * way.y > 0;
        statement.Int(code)
            .Int(forwards ? 1 : 2)
            .Number(placed.placement.origin.x)
            .Number(placed.placement.origin.y)
            .Number(placed.scale);
    }

    // Text flag and text block of a callout; without a text, the block a
    // ".sfc" writer gives: no font, anchor 1, written across.
    void CalloutText(CP21Statement& statement, const std::vector<long long>& contents) const {
        if (const CP21Instance* text = Element(contents, "ANNOTATION_TEXT_OCCURRENCE")) {
            statement.Int(1);
            TextBlock(statement, text->id, Presented(*text));
            return;
        }
        statement.Int(0).Int(-1).Text("");
        for (int i = 0; i < 7; ++i) {
            statement.Number(0);
        }
        statement.Int(1).Int(1);
    }

    // The elements of a callout.
    static std::vector<long long> Contents(const CP21Instance& callout) {
        return CP21Model::Attributes(callout, "DRAUGHTING_CALLOUT").RefList(0);
    }

    // The styled curve of a callout, its presented item and its codes.
    const CP21Instance& CalloutCurve(const CP21Instance& callout,
                                     const std::vector<long long>& contents,
                                     std::string_view entity) const {
        const CP21Instance* curve = Element(contents, entity);
        if (!curve) {
            CP21Attributes(callout, callout.records[0]).Refuse("no " + std::string(entity));
        }
        return *curve;
    }

    // Codes and the two ends of a dimension's line.
    std::pair<Point, Point> DimensionLine(CP21Statement& statement, const CP21Instance& dimension,
                                          const std::vector<long long>& contents) const {
        const CP21Instance& curve = CalloutCurve(dimension, contents, "DIMENSION_CURVE");
        const CP21Attributes trimmed = CP21Model::Attributes(Presented(curve), "TRIMMED_CURVE");
        const Point start = m_geometry.LineEnd(trimmed, 2);
        const Point end = m_geometry.LineEnd(trimmed, 3);
        Codes(statement, CurveCodes(curve.id, dimension.id))
            .Number(start.x)
            .Number(start.y)
            .Number(end.x)
            .Number(end.y);
        return {start, end};
    }

    // A label, or a balloon when a circle stands among the callout's curves.
    void Leader(const CP21Instance& instance, std::string_view, const char*) {
        const std::vector<long long> contents = Contents(instance);
        const CP21Instance& curve = CalloutCurve(instance, contents, "LEADER_CURVE");
        const std::vector<Point> points =
            m_geometry.PointList(CP21Model::Attributes(Presented(curve), "POLYLINE"), 1);
        const CP21Instance* circle = nullptr;
        for (long long id : contents) {
            const CP21Instance& element = m_model.At(id);
            if (CP21Model::Is(element, "ANNOTATION_CURVE_OCCURRENCE") &&
                CP21Model::Is(Presented(element), "CIRCLE")) {
                circle = &Presented(element);
            }
        }
        CP21Statement statement(instance.id, circle ? "balloon_feature" : "label_feature");
        Codes(statement, CurveCodes(curve.id, instance.id))
            .Int(static_cast<long long>(points.size()))
            .Numbers(CP21Geometry::Xs(points))
            .Numbers(CP21Geometry::Ys(points));
        if (circle) {
            const CP21Attributes attributes = CP21Model::Attributes(*circle, "CIRCLE");
            const Placement centre = m_geometry.PlacementAt(attributes.Ref(1));
            statement.Number(centre.origin.x).Number(centre.origin.y).Number(attributes.Real(2));
        }
        if (const CP21Instance* terminator = Element(contents, "LEADER_TERMINATOR")) {
            const auto [code, placed] = ArrowHead(*terminator);
            statement.Int(code).Number(placed.scale);
        } else {
            statement.Int(0).Number(0);
        }
        CalloutText(statement, contents);
        Add(statement);
    }

    // Projection lines 1 and 2 of a dimension, null where it has none.
    std::array<const CP21Instance*, 2> Projections(const std::vector<long long>& contents) const {
        return {Named(contents, ProjectionNames[0]), Named(contents, ProjectionNames[1])};
    }

    // A dimension over a line: a linear one has projection lines and two
    // arrowheads, a diameter two arrowheads, both placed outside (code 1)
    // when they point away from the line's middle; a radius one arrowhead
    // that counts from the line's start to its end.
    void LineDimension(const CP21Instance& instance, std::string_view entity, const char* feature) {
        const std::vector<long long> contents = Contents(instance);
        CP21Statement statement(instance.id, feature);
        const auto line = DimensionLine(statement, instance, contents);
        const auto [start, end] = line;
        if (entity == "RADIUS_DIMENSION") {
            Arrow(statement, Named(contents, ArrowNames[0]),
                  [&](Point) { return CP21Geometry::Minus(end, start); });
        } else {
            if (entity == "LINEAR_DIMENSION") {
                const auto projections = Projections(contents);
                ProjectionLine(statement, projections[0], line, false);
                ProjectionLine(statement, projections[1], line, true);
            }
            const Point middle{(start.x + end.x) / 2, (start.y + end.y) / 2};
            for (std::string_view name : ArrowNames) {
                Arrow(statement, Named(contents, name),
                      [&](Point at) { return CP21Geometry::Minus(at, middle); });
            }
        }
        CalloutText(statement, contents);
        Add(statement);
    }

    // The way an arrowhead of an angular dimension counts as placement code
    // 1: square to its projection line, turned a quarter from the way
    // towards the centre.
    Point AngularAlong(const CP21Instance* projection, Point centre) const {
        if (!projection) {
            return {};
        }
        const std::array<Point, 3> points = ProjectionPoints(*projection);
        const Point start = points[1];
        const Point end = points[2];
        const bool startNearer = std::hypot(start.x - centre.x, start.y - centre.y) <
                                 std::hypot(end.x - centre.x, end.y - centre.y);
        const Point inwards =
            startNearer ? CP21Geometry::Minus(start, end) : CP21Geometry::Minus(end, start);
        return {-inwards.y, inwards.x};
    }

    void ArcDimension(const CP21Instance& instance, std::string_view, const char* feature) {
        const std::vector<long long> contents = Contents(instance);
        const CP21Instance& curve = CalloutCurve(instance, contents, "DIMENSION_CURVE");
        const Arc arc = m_geometry.ArcAt(CP21Model::Attributes(Presented(curve), "TRIMMED_CURVE"));
        CP21Statement statement(instance.id, feature);
        Codes(statement, CurveCodes(curve.id, instance.id))
            .Number(arc.centre.x)
            .Number(arc.centre.y)
            .Number(arc.radius)
            .Number(arc.start)
            .Number(arc.end);
        const auto projections = Projections(contents);
        const Point from = {arc.centre.x + arc.radius * std::cos(CP21Geometry::Radians(arc.start)),
                            arc.centre.y + arc.radius * std::sin(CP21Geometry::Radians(arc.start))};
        const Point to = {arc.centre.x + arc.radius * std::cos(CP21Geometry::Radians(arc.end)),
                          arc.centre.y + arc.radius * std::sin(CP21Geometry::Radians(arc.end))};
        ProjectionLine(statement, projections[0], {from, to}, false);
        ProjectionLine(statement, projections[1], {from, to}, true);
        for (std::size_t i = 0; i < projections.size(); ++i) {
            const Point along = AngularAlong(projections[i], arc.centre);
            Arrow(statement, Named(contents, ArrowNames[i]), [&](Point) { return along; });
        }
        CalloutText(statement, contents);
        Add(statement);
    }

    // The text style of a styled item, whichever of its forms it takes.
    long long TextStyle(long long styledItem) const {
        for (std::string_view entity :
             {"TEXT_STYLE", "TEXT_STYLE_WITH_BOX_CHARACTERISTICS", "TEXT_STYLE_WITH_SPACING"}) {
            if (const long long style = m_styles.StyleOf(styledItem, entity)) {
                return style;
            }
        }
        return 0;
    }

    int CompositeNumber(const CP21Attributes& owner, long long curve) const {
        const auto found = m_compositeNumbers.find(curve);
        if (found == m_compositeNumbers.end()) {
            owner.Refuse("#" + std::to_string(curve) + " bounds it but is no composite curve");
        }
        return found->second;
    }

    void Fill(long long styledItem, const CP21Instance& area) {
        const CP21Attributes fillArea = CP21Model::Attributes(area, "ANNOTATION_FILL_AREA");
        const std::vector<long long> boundaries = fillArea.RefList(1);
        if (boundaries.empty()) {
            fillArea.Refuse("no boundary");
        }
        const int outer = CompositeNumber(fillArea, boundaries.front());
        std::vector<double> inner;
        for (std::size_t i = 1; i < boundaries.size(); ++i) {
            inner.push_back(CompositeNumber(fillArea, boundaries[i]));
        }
        const auto bounded = [&](CP21Statement& statement) {
            Add(statement.Int(outer).Int(static_cast<long long>(inner.size())).Numbers(inner));
        };
        const int layer = m_styles.Layer(styledItem, area.id);
        const long long style = m_styles.StyleOf(styledItem, "FILL_AREA_STYLE");
        if (!style) {
            fillArea.Refuse("no fill area style");
        }
        const CP21Attributes fillStyle = m_model.Attributes(style, "FILL_AREA_STYLE");
        std::vector<long long> hatchings;
        const CP21Instance* colour = nullptr;
        for (long long element : fillStyle.RefList(1)) {
            const CP21Instance& styleElement = m_model.At(element);
            if (CP21Model::Is(styleElement, "FILL_AREA_STYLE_COLOUR")) {
                colour = colour ? colour : &styleElement;
            } else if (CP21Model::Is(styleElement, "FILL_AREA_STYLE_HATCHING")) {
                hatchings.push_back(element);
            }
        }
        const int colourCode =
            colour
                ? m_styles.Colour(CP21Model::Attributes(*colour, "FILL_AREA_STYLE_COLOUR").Ref(1))
                : 0;
        for (long long element : fillStyle.RefList(1)) {
            const CP21Instance& styleElement = m_model.At(element);
            if (CP21Model::Is(styleElement, "FILL_AREA_STYLE_TILES")) {
                CP21Statement statement(styledItem, "fill_area_style_tiles_feature");
                Tiles(statement.Int(layer), styleElement, colourCode);
                bounded(statement);
                return;
            }
            if (CP21Model::Is(styleElement, "EXTERNALLY_DEFINED_HATCH_STYLE")) {
                const CP21Attributes hatch =
                    CP21Model::Attributes(styleElement, "EXTERNALLY_DEFINED_HATCH_STYLE");
                CP21Statement statement(styledItem, "externally_defined_hatch_feature");
                bounded(statement.Int(layer).Text(hatch.Text(0)));
                return;
            }
        }
        if (hatchings.empty()) {
            if (!colour) {
                fillArea.Refuse("a fill area style of no known kind");
            }
            CP21Statement statement(styledItem, "fill_area_style_colour_feature");
            bounded(statement.Int(layer).Int(colourCode));
            return;
        }
        CP21Statement statement(styledItem, "fill_area_style_hatching_feature");
        statement.Int(layer).Int(static_cast<long long>(hatchings.size()));
        // The writer lists the patterns last to first.
        for (auto element = hatchings.rbegin(); element != hatchings.rend(); ++element) {
            const CP21Attributes hatching =
                m_model.Attributes(*element, "FILL_AREA_STYLE_HATCHING");
            const SxfStyleCodes codes = m_styles.CurveCodes(hatching.Ref(1));
            const CP21Attributes repeat =
                m_model.Attributes(hatching.Ref(2), "ONE_DIRECTION_REPEAT_FACTOR");
            const CP21Attributes vector = m_model.Attributes(repeat.Ref(1), "VECTOR");
            const Point base = m_geometry.PointAt(hatching.Ref(3));
            statement.Numbers(
                {static_cast<double>(codes.colour), static_cast<double>(codes.lineType),
                 static_cast<double>(codes.width), base.x, base.y, std::fabs(vector.Real(2)),
                 hatching.Real(5) * 180 / std::numbers::pi});
        }
        bounded(statement);
    }

    // Name, colour, base point, the two repeat vectors (length and angle),
    // scales and angle of a tiling: its tile is a defined symbol.
    void Tiles(CP21Statement& statement, const CP21Instance& element, int colour) const {
        const CP21Attributes tiles = CP21Model::Attributes(element, "FILL_AREA_STYLE_TILES");
        const CP21Attributes repeat =
            m_model.Attributes(tiles.Ref(1), "TWO_DIRECTION_REPEAT_FACTOR");
        const std::vector<long long> shapes = tiles.RefList(2);
        if (shapes.empty()) {
            tiles.Refuse("no tile");
        }
        const SymbolPlacement tile = SymbolAt(m_model.At(shapes.front()));
        const CP21Attributes symbol =
            CP21Model::Attributes(*tile.definition, "EXTERNALLY_DEFINED_SYMBOL");
        statement.Text(symbol.Text(0))
            .Int(colour)
            .Number(tile.placement.origin.x)
            .Number(tile.placement.origin.y);
        for (std::size_t index : {1u, 2u}) {
            const CP21Attributes vector = m_model.Attributes(repeat.Ref(index), "VECTOR");
            const Point direction = m_geometry.DirectionAt(vector.Ref(1));
            statement.Number(vector.Real(2))
                .Number(CP21Geometry::Degrees(direction.y, direction.x));
        }
        statement.Number(tile.scale).Number(tile.scaleY).Number(tile.placement.angle);
    }

    const CP21Model& m_model;
    CP21Geometry m_geometry;
    CP21Styles m_styles;
    std::vector<CSfcStatement> m_out;
    std::unordered_map<long long, int> m_compositeNumbers;
    std::unordered_map<long long, long long> m_sheetSizes;
    std::unordered_map<long long, long long> m_mapped;
    const CP21Instance* m_title = nullptr;
    const CP21Instance* m_contract = nullptr;
    const CP21Instance* m_date = nullptr;
    std::vector<const CP21Instance*> m_organisations;
};

} // namespace

std::vector<CSfcStatement> CP21Mapper::Map(const CP21Model& model) {
    return Mapper(model).Run();
}
