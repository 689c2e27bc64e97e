#include "por/PorLayout.h"

#include "por/PorRecords.h"

#include <algorithm>

namespace {

template <PorFieldKind K> constexpr PorFieldInfo Field(const char* name, PorField<K> field) {
    return {name, field.word, K, field.count};
}

constexpr PorFieldInfo HeaderFields[] = {
    Field("Magic", PorHeader::Magic),
    Field("Version", PorHeader::Version),
    Field("Scale", PorHeader::Scale),
    Field("SheetWidth", PorHeader::SheetWidth),
    Field("SheetHeight", PorHeader::SheetHeight),
    Field("OriginX", PorHeader::OriginX),
    Field("OriginY", PorHeader::OriginY),
    Field("LeftOut", PorHeader::LeftOut),
    Field("Reserved2", PorHeader::Reserved2),
    Field("Factor", PorHeader::Factor),
    Field("HeaderWord", PorHeader::HeaderWord),
};

constexpr PorFieldInfo LineFields[] = {
    Field("Id", PorLine::Id),   Field("Start", PorLine::Start), Field("End", PorLine::End),
    Field("Pen", PorLine::Pen), Field("Layer", PorLine::Layer),
};

constexpr PorFieldInfo OpenListFields[] = {
    Field("Id", PorOpenList::Id),
    Field("Pen", PorOpenList::Pen),
    Field("Layer", PorOpenList::Layer),
    Field("StartArrow", PorOpenList::StartArrow),
    Field("EndArrow", PorOpenList::EndArrow),
    Field("Points", PorOpenList::Points),
};

constexpr PorFieldInfo ClosedListFields[] = {
    Field("Id", PorClosedList::Id),
    Field("Pen", PorClosedList::Pen),
    Field("Fill", PorClosedList::Fill),
    Field("SecondFillColor", PorClosedList::SecondFillColor),
    Field("Layer", PorClosedList::Layer),
    Field("Transparent", PorClosedList::Transparent),
    Field("Points", PorClosedList::Points),
};

constexpr PorFieldInfo ConicFields[] = {
    Field("Id", PorConic::Id),
    Field("Corners", PorConic::Corners),
    Field("Pen", PorConic::Pen),
    Field("Fill", PorConic::Fill),
    Field("SecondFillColor", PorConic::SecondFillColor),
    Field("Layer", PorConic::Layer),
    Field("Transparent", PorConic::Transparent),
};

constexpr PorFieldInfo ArcFields[] = {
    Field("Id", PorArcBase::Id),       Field("Corners", PorArcBase::Corners),
    Field("Start", PorArcBase::Start), Field("End", PorArcBase::End),
    Field("Pen", PorArcBase::Pen),     Field("Layer", PorArcBase::Layer),
};

constexpr PorFieldInfo TextFields[] = {
    Field("Id", PorText::Id),
    Field("First", PorText::First),
    Field("Second", PorText::Second),
    Field("Angle", PorText::Angle),
    Field("VerticalAlign", PorText::VerticalAlign),
    Field("HorizontalAlign", PorText::HorizontalAlign),
    Field("Layer", PorText::Layer),
    Field("TextKind", PorText::TextKind),
    Field("TextLengthPlus88", PorText::TextLengthPlus88),
    Field("FaceName", PorText::FaceName),
    Field("Height", PorText::Height),
    Field("Color", PorText::Color),
    Field("Underline", PorText::Underline),
    Field("Overline", PorText::Overline),
    Field("Style", PorText::Style),
    Field("Slant", PorText::Slant),
    Field("WidthFactor", PorText::WidthFactor),
    Field("Vertical", PorText::Vertical),
    Field("Spacing", PorText::Spacing),
    Field("FitWidth", PorText::FitWidth),
    Field("Text", PorText::Text),
};

constexpr PorFieldInfo IFrameFields[] = {
    Field("Id", PorIFrame::Id),       Field("ImageName", PorIFrame::ImageName),
    Field("Frame", PorIFrame::Frame), Field("LineType", PorIFrame::LineType),
    Field("Color", PorIFrame::Color), Field("Layer", PorIFrame::Layer),
    Field("Image", PorIFrame::Image),
};

constexpr PorFieldInfo DotFields[] = {
    Field("Id", PorDot::Id),     Field("Position", PorDot::Position), Field("Mode", PorDot::Mode),
    Field("Size", PorDot::Size), Field("Color", PorDot::Color),       Field("Layer", PorDot::Layer),
};

constexpr PorFieldInfo GroupFields[] = {
    Field("Id", PorGroup::Id),
    Field("Name", PorGroup::Name),
    Field("Members", PorGroup::Members),
};

constexpr PorFieldInfo LayerFields[] = {
    Field("Color", PorLayer::Color),
    Field("LineType", PorLayer::LineType),
    Field("Visible", PorLayer::Visible),
    Field("Name", PorLayer::Name),
};

constexpr PorFieldInfo InsertFields[] = {
    Field("Id", PorInsert::Id),
    Field("Layer", PorInsert::Layer),
    Field("Children", PorInsert::Children),
};

constexpr PorFieldInfo LineTypeScaleFields[] = {
    Field("Scale", PorLineTypeScale::Scale),
    Field("Measurement", PorLineTypeScale::Measurement),
};

constexpr PorFieldInfo LineTypeFields[] = {
    Field("LineTypeId", PorLineType::LineTypeId),
    Field("Dashes", PorLineType::Dashes),
};

constexpr PorFieldInfo HatchFields[] = {
    Field("Id", PorHatch::Id),
    Field("Layer", PorHatch::Layer),
    Field("Color", PorHatch::Color),
    Field("Kind", PorHatch::Kind),
    Field("FillSize", PorHatch::FillSize),
    Field("FillOffset", PorHatch::FillOffset),
    Field("PatternCount", PorHatch::PatternCount),
    Field("LoopCount", PorHatch::LoopCount),
};

constexpr PorFieldInfo NurbsFields[] = {
    Field("Id", PorNurbs::Id),
    Field("Pen", PorNurbs::Pen),
    Field("Layer", PorNurbs::Layer),
    Field("StartArrow", PorNurbs::StartArrow),
    Field("EndArrow", PorNurbs::EndArrow),
    Field("Degree", PorNurbs::Degree),
    Field("ControlPoints", PorNurbs::ControlPoints),
};

constexpr PorFieldInfo CNurbsFields[] = {
    Field("Id", PorCNurbs::Id),         Field("Pen", PorCNurbs::Pen),
    Field("Fill", PorCNurbs::Fill),     Field("SecondFillColor", PorCNurbs::SecondFillColor),
    Field("Layer", PorCNurbs::Layer),   Field("Transparent", PorCNurbs::Transparent),
    Field("Degree", PorCNurbs::Degree), Field("ControlPoints", PorCNurbs::ControlPoints),
};

template <typename Record>
constexpr PorLayout Layout(const char* name, std::span<const PorFieldInfo> fields) {
    return {Record::Type, name, Record::FixedSize, fields};
}

constexpr PorLayout Layouts[] = {
    Layout<PorHeader>("PorHeader", HeaderFields),
    Layout<PorEnd>("PorEnd", {}),
    Layout<PorLine>("PorLine", LineFields),
    Layout<PorPolyline>("PorPolyline", OpenListFields),
    Layout<PorPolygon>("PorPolygon", ClosedListFields),
    Layout<PorBezier>("PorBezier", OpenListFields),
    Layout<PorCircle>("PorCircle", ConicFields),
    Layout<PorEllipse>("PorEllipse", ConicFields),
    Layout<PorArc>("PorArc", ArcFields),
    Layout<PorEArc>("PorEArc", ArcFields),
    Layout<PorText>("PorText", TextFields),
    Layout<PorIFrame>("PorIFrame", IFrameFields),
    Layout<PorDot>("PorDot", DotFields),
    Layout<PorGroup>("PorGroup", GroupFields),
    Layout<PorSpline>("PorSpline", OpenListFields),
    Layout<PorCSpline>("PorCSpline", ClosedListFields),
    Layout<PorLayer>("PorLayer", LayerFields),
    Layout<PorInsert>("PorInsert", InsertFields),
    Layout<PorLineTypeScale>("PorLineTypeScale", LineTypeScaleFields),
    Layout<PorLineType>("PorLineType", LineTypeFields),
    Layout<PorHatch>("PorHatch", HatchFields),
    Layout<PorCBezier>("PorCBezier", ClosedListFields),
    Layout<PorNurbs>("PorNurbs", NurbsFields),
    Layout<PorCNurbs>("PorCNurbs", CNurbsFields),
};

static_assert(std::ranges::is_sorted(Layouts, {}, &PorLayout::type));

} // namespace

std::span<const PorLayout> PorLayouts() {
    return Layouts;
}

const PorLayout* FindPorLayout(LONG type) {
    const auto* found = std::ranges::lower_bound(Layouts, type, {}, &PorLayout::type);
    return found != std::end(Layouts) && found->type == type ? found : nullptr;
}

bool IsPorSkippedType(LONG type) {
    return type >= 1 && type <= PorMaxType && FindPorLayout(type) == nullptr;
}
