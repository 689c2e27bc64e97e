#include "por/PorRecordBuilder.h"

#include "PorTestData.h"
#include "por/PorRecord.h"
#include "por/PorRecordWalker.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

std::vector<BYTE> Bytes(const PorRecordBuilder& record) {
    return {record.Bytes().begin(), record.Bytes().end()};
}

// The layouts below are laid out by hand from the format, word by word, as
// the plug-ins write them.

TEST(PorRecordBuilderTest, HeaderLayout) {
    std::vector<BYTE> expected = Words({1, 52, 0, 3002, 1000, 420000, 297000, 0, 0, 0, 0, 1000, 0});
    std::copy_n("kuRW", 4, expected.begin() + 8);

    PorRecordBuilder header = MakeHeader(3002);
    header.Set(PorHeader::SheetWidth, 420000);
    header.Set(PorHeader::SheetHeight, 297000);
    EXPECT_EQ(Bytes(header), expected);
}

TEST(PorRecordBuilderTest, DxfLineLayoutWithStringsFromByte92) {
    std::vector<BYTE> expected = Words(
        {3, 100, 2, 92, -10, 20, 30, -40, 5, 2500, 35, static_cast<LONG>(0x80000000u), 4, 95});
    expected.resize(92);
    Add(expected, std::string_view("1A\0WALL\0", 8));

    PorRecordBuilder line(PorLine::Type);
    line.Set(PorLine::Start, POINT{-10, 20});
    line.Set(PorLine::End, POINT{30, -40});
    line.Set(PorLine::Pen, PorPen{5, 2500, 35, PorByBlockColor});
    line.PadTo(92);
    line.Set(PorLine::Id, "1A");
    line.Set(PorLine::Layer, "WALL");
    EXPECT_EQ(Bytes(line), expected);
}

TEST(PorRecordBuilderTest, LayerLayoutIsTwentyNinePlusTheNameUnpadded) {
    std::vector<BYTE> expected = Words({31, 32, 0x0000FF, 1, 0, 3, 28});
    Add(expected, std::string_view("\x95\xC7\x31\0", 4)); // CP932 text, two bytes then one

    PorRecordBuilder layer(PorLayer::Type);
    layer.Set(PorLayer::Color, RGB(255, 0, 0));
    layer.Set(PorLayer::LineType, 1);
    layer.Set(PorLayer::Name, "\x95\xC7\x31");
    EXPECT_EQ(Bytes(layer), expected);
}

TEST(PorRecordBuilderTest, TextLayoutWithTextAtByte160) {
    // The DXF plug-in's sizes: record 164 + T + F + I + L rounded up to 4,
    // id at 162 + T + F, layer at 163 + T + F + I.
    std::vector<BYTE> expected(160);
    const auto put = [&](int word, LONG value) { StorePorWord(expected.data() + word * 4, value); };
    put(0, 14);
    put(1, 172);
    put(3, 170);
    put(4, 100);
    put(5, 200);
    put(8, 900);
    put(17, 171);
    put(18, 23);
    put(19, 2 + 88);
    put(20, 163);
    put(22, 3500);
    put(24, 0x00FF00);
    put(35, 1);
    put(38, 2);
    put(39, 160);
    Add(expected, std::string_view("AB\0Mincho\0\0\0", 12));

    PorRecordBuilder text(PorText::Type);
    text.Set(PorText::First, POINT{100, 200});
    text.Set(PorText::Angle, 900);
    text.Set(PorText::TextKind, PorText::TextKindValue);
    text.Set(PorText::TextLengthPlus88, 2 + 88);
    text.Set(PorText::Height, 3500);
    text.Set(PorText::Color, RGB(0, 255, 0));
    text.Set(PorText::Vertical, 1);
    text.Set(PorText::Text, "AB");
    text.Set(PorText::FaceName, "Mincho");
    text.Set(PorText::Id, "");
    text.Set(PorText::Layer, "");
    text.PadTo((text.Size() + 3) / 4 * 4);
    EXPECT_EQ(Bytes(text), expected);
}

TEST(PorRecordBuilderTest, IFrameLayoutWithImageBytesAtByte140) {
    PorRecordBuilder frame(PorIFrame::Type);
    const POINT corners[8] = {{0, 0}, {0, 9}, {9, 9}, {9, 0}, {0, 0}, {0, 9}, {9, 9}, {9, 0}};
    frame.Set(PorIFrame::Frame, corners);
    const BYTE dib[] = {40, 0, 0, 0, 7};
    frame.Set(PorIFrame::Image, dib);
    frame.Set(PorIFrame::Id, "XXX");

    const std::vector<BYTE> bytes = Bytes(frame);
    ASSERT_EQ(bytes.size(), 140u + 5 + 4);
    EXPECT_EQ(LoadPorWord(&bytes[33 * 4]), 140);
    EXPECT_EQ(LoadPorWord(&bytes[34 * 4]), 5);
    EXPECT_EQ(LoadPorWord(&bytes[2 * 4]), 3);
    EXPECT_EQ(LoadPorWord(&bytes[3 * 4]), 145);
    EXPECT_EQ(LoadPorWord(&bytes[(6 + 2 * 2) * 4]), 9); // point 2 x
    EXPECT_EQ(LoadPorWord(&bytes[(7 + 2 * 7) * 4]), 0); // point 7 y
    EXPECT_EQ(LoadPorWord(&bytes[(6 + 2 * 7) * 4]), 9); // point 7 x
    EXPECT_EQ(std::vector<BYTE>(bytes.begin() + 140, bytes.begin() + 145),
              std::vector<BYTE>(std::begin(dib), std::end(dib)));
}

TEST(PorRecordBuilderTest, GroupAndInsertLayouts) {
    PorRecordBuilder group(PorGroup::Type);
    group.Append(PorGroup::Members, "2F");
    group.Append(PorGroup::Members, "\x83\x65");
    group.Set(PorGroup::Name, "*A1");
    std::vector<BYTE> expected = Words({22, 28 + 15 + 15 + 4, 0, 0, 3, 58, 2});
    Add(expected, Words({15, 2, 12}));
    Add(expected, std::string_view("2F\0", 3));
    Add(expected, Words({15, 2, 12}));
    Add(expected, std::string_view("\x83\x65\0", 3));
    Add(expected, std::string_view("*A1\0", 4));
    EXPECT_EQ(Bytes(group), expected);

    const PorRecordBuilder line = MakeLine({1, 2}, {3, 4});
    const PorRecordBuilder dot(PorDot::Type);
    PorRecordBuilder insert(PorInsert::Type);
    insert.Append(PorInsert::Children, Join({line.Bytes(), dot.Bytes()}));
    insert.Append(PorInsert::Children, line.Bytes());
    insert.Set(PorInsert::Id, "A");
    insert.Set(PorInsert::Layer, "L");
    const std::size_t n = 2 * line.Size() + dot.Size();
    expected = Words({33, static_cast<LONG>(30 + n + 1 + 1), 1, static_cast<LONG>(28 + n), 1,
                      static_cast<LONG>(29 + n + 1), 3});
    Add(expected, line.Bytes());
    Add(expected, dot.Bytes());
    Add(expected, line.Bytes());
    Add(expected, std::string_view("A\0L\0", 4));
    EXPECT_EQ(Bytes(insert), expected);
}

TEST(PorRecordBuilderTest, LineTypeAndNurbsLayouts) {
    PorRecordBuilder lineType(PorLineType::Type);
    lineType.Set(PorLineType::LineTypeId, 1001);
    const LONG dashes[] = {50000, -25000, 0};
    lineType.Set(PorLineType::Dashes, dashes);
    EXPECT_EQ(Bytes(lineType), Words({35, 28, 1001, 3, 50000, -25000, 0}));

    PorRecordBuilder nurbs(PorNurbs::Type);
    nurbs.Set(PorNurbs::Degree, 3);
    const POINT points[] = {{1, 2}, {3, 4}};
    nurbs.Set(PorNurbs::ControlPoints, points);
    const LONG tail[] = {2, 1000, 1000, 0};
    nurbs.AppendLongs(tail);
    const std::vector<BYTE> bytes = Bytes(nurbs);
    std::vector<BYTE> expected = Words({38, 116});
    expected.resize(19 * 4);
    Add(expected, Words({3, 2, 1, 2, 3, 4, 2, 1000, 1000, 0}));
    EXPECT_EQ(bytes, expected);
}

TEST(PorRecordBuilderTest, FixedFieldsCannotOverwriteAppendedBytes) {
    PorRecordBuilder polyline(PorPolyline::Type);
    polyline.Set(PorPolyline::Layer, "0");
    const POINT points[] = {{1, 1}};
    EXPECT_THROW(polyline.Set(PorPolyline::Points, points), std::logic_error);
    // Fields inside the fixed part stay writable.
    polyline.Set(PorPolyline::Pen, PorPen{1, 1000, 25, 0});
    EXPECT_EQ(polyline.Size(), 82u);
}

TEST(PorRecordBuilderTest, MisuseIsRefused) {
    PorRecordBuilder circle(PorCircle::Type);
    const POINT three[] = {{0, 0}, {0, 1}, {1, 1}};
    EXPECT_THROW(circle.Set(PorCircle::Corners, three), std::invalid_argument);

    PorRecordBuilder insert(PorInsert::Type);
    const std::vector<BYTE> cut = Words({3, 56, 0, 0});
    EXPECT_THROW(insert.Append(PorInsert::Children, cut), std::invalid_argument);
    EXPECT_THROW(insert.Append(PorInsert::Children, Words({0, 8})), std::invalid_argument);
    EXPECT_EQ(insert.Size(), PorInsert::FixedSize);

    // Items that would not follow their count word could never be found.
    insert.Set(PorInsert::Layer, "0");
    EXPECT_THROW(insert.Append(PorInsert::Children, Words({21, 8})), std::logic_error);
    PorRecordBuilder group(PorGroup::Type);
    group.PadTo(32);
    EXPECT_THROW(group.Append(PorGroup::Members, "1"), std::logic_error);
}

TEST(PorRecordBuilderTest, TypesWithoutALayoutStartAsABareHead) {
    PorRecordBuilder skipped(13);
    EXPECT_EQ(Bytes(skipped), Words({13, 8}));
    skipped.PadTo(10);
    skipped.PadTo(9);
    EXPECT_EQ(skipped.Size(), 10u);
    EXPECT_EQ(LoadPorWord(skipped.Bytes().data() + 4), 10);
}

} // namespace
