// One record of every type the plug-ins write, laid out by hand byte by byte
// from the format, as each plug-in writes it: the record builder must write
// exactly these bytes, and the record reader must find every field in them.
#include "por/PorHatchParts.h"
#include "por/PorRecord.h"
#include "por/PorRecordBuilder.h"
#include "por/PorRecordWalker.h"
#include "por/PorRecords.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Little-endian 32-bit words and raw text, appended in the order written.
class HandBytes {
public:
    HandBytes& W(std::initializer_list<std::int64_t> words) {
        for (std::int64_t word : words) {
            const auto value = static_cast<std::uint32_t>(word);
            for (int shift = 0; shift < 32; shift += 8) {
                m_bytes.push_back(static_cast<BYTE>((value >> shift) & 0xFF));
            }
        }
        return *this;
    }
    HandBytes& T(std::string_view text) {
        m_bytes.insert(m_bytes.end(), text.begin(), text.end());
        return *this;
    }
    HandBytes& ZerosTo(std::size_t size) {
        m_bytes.resize(size);
        return *this;
    }
    std::vector<BYTE> Bytes() const { return m_bytes; }

private:
    std::vector<BYTE> m_bytes;
};

constexpr std::int64_t kByBlock = 0x80000000LL;

struct RecordCase {
    const char* name;
    std::function<std::vector<BYTE>()> hand;
    std::function<PorRecordBuilder()> build;
    std::function<void(const PorRecord&)> read;
};

void PrintTo(const RecordCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

std::vector<POINT> Points(const PorRecord& record, PorPointListField field) {
    return record.Get(field).value_or(std::vector<POINT>{});
}

MATCHER_P2(IsPoint, x, y, "") {
    return arg.x == x && arg.y == y;
}

const RecordCase kCases[] = {
    {"Header",
     [] {
         return HandBytes()
             .W({1, 52})
             .T("kuRW")
             .W({3002, 1000, 420000, 297000, 0, 0, 0, 0, 1000, 0})
             .Bytes();
     },
     [] {
         PorRecordBuilder header(PorHeader::Type);
         header.Set(PorHeader::Magic, PorHeader::MagicValue);
         header.Set(PorHeader::Version, 3002);
         header.Set(PorHeader::Scale, 1000);
         header.Set(PorHeader::SheetWidth, 420000);
         header.Set(PorHeader::SheetHeight, 297000);
         header.Set(PorHeader::Factor, 1000);
         return header;
     },
     [](const PorRecord& record) {
         EXPECT_EQ(record.Get(PorHeader::Magic), PorHeader::MagicValue);
         EXPECT_EQ(record.Get(PorHeader::Version), 3002);
         EXPECT_EQ(record.Get(PorHeader::Scale), 1000);
         EXPECT_EQ(record.Get(PorHeader::SheetWidth), 420000);
         EXPECT_EQ(record.Get(PorHeader::SheetHeight), 297000);
         EXPECT_EQ(record.Get(PorHeader::OriginX), 0);
         EXPECT_EQ(record.Get(PorHeader::Factor), 1000);
     }},
    {"End",
     [] {
         return HandBytes().W({2, 8}).Bytes();
     },
     [] { return PorRecordBuilder(PorEnd::Type); },
     [](const PorRecord& record) { EXPECT_EQ(record.Size(), 8u); }},
    // The DXF plug-in never pads; the SXF one fills the line up to 92 bytes.
    {"DxfLine",
     [] {
         return HandBytes()
             .W({3, 61, 2, 56, -10, 20, 30, -40, 5, 2500, 35, kByBlock, 1, 59})
             .T(std::string_view("1A\0"
                                 "0\0",
                                 5))
             .Bytes();
     },
     [] {
         PorRecordBuilder line(PorLine::Type);
         line.Set(PorLine::Start, POINT{-10, 20});
         line.Set(PorLine::End, POINT{30, -40});
         line.Set(PorLine::Pen, PorPen{5, 2500, 35, PorByBlockColor});
         line.Set(PorLine::Id, "1A");
         line.Set(PorLine::Layer, "0");
         return line;
     },
     [](const PorRecord& record) {
         EXPECT_THAT(*record.Get(PorLine::Start), IsPoint(-10, 20));
         EXPECT_THAT(*record.Get(PorLine::End), IsPoint(30, -40));
         EXPECT_EQ(record.Get(PorLine::Pen), (PorPen{5, 2500, 35, PorByBlockReadColor}));
         EXPECT_EQ(record.Get(PorLine::Id), "1A");
         EXPECT_EQ(record.Get(PorLine::Layer), "0");
     }},
    {"SxfLinePaddedTo92",
     [] {
         return HandBytes()
             .W({3, 96, 0, 0, 0, 0, 1000, 2000, 1, 350, 13, 0x0000FF, 2, 92})
             .ZerosTo(92)
             .T(std::string_view("\x95\xC7\0\0", 4))
             .Bytes();
     },
     [] {
         PorRecordBuilder line(PorLine::Type);
         line.Set(PorLine::Start, POINT{0, 0});
         line.Set(PorLine::End, POINT{1000, 2000});
         line.Set(PorLine::Pen, PorPen{1, 350, 13, RGB(255, 0, 0)});
         line.PadTo(92);
         line.Set(PorLine::Layer, "\x95\xC7");
         line.PadTo(96);
         return line;
     },
     [](const PorRecord& record) {
         EXPECT_THAT(*record.Get(PorLine::End), IsPoint(1000, 2000));
         EXPECT_EQ(record.Get(PorLine::Pen), (PorPen{1, 350, 13, RGB(255, 0, 0)}));
         EXPECT_EQ(record.Get(PorLine::Id), "");
         EXPECT_EQ(record.Get(PorLine::Layer), "\x95\xC7");
     }},
    {"Polyline",
     [] {
         return HandBytes()
             .W({5, 100, 1, 96, 2, 1000, -1, 0x00FF00, 1, 98, 3, 0, 0, 0, 0, 0, 0, 0, 0})
             .W({2, 1, 2, -3, -4})
             .T(std::string_view("7\0L\0", 4))
             .Bytes();
     },
     [] {
         PorRecordBuilder polyline(PorPolyline::Type);
         polyline.Set(PorPolyline::Pen, PorPen{2, 1000, -1, RGB(0, 255, 0)});
         polyline.Set(PorPolyline::StartArrow, 3);
         const POINT points[] = {{1, 2}, {-3, -4}};
         polyline.Set(PorPolyline::Points, points);
         polyline.Set(PorPolyline::Id, "7");
         polyline.Set(PorPolyline::Layer, "L");
         return polyline;
     },
     [](const PorRecord& record) {
         EXPECT_EQ(record.Get(PorPolyline::Pen), (PorPen{2, 1000, -1, RGB(0, 255, 0)}));
         EXPECT_EQ(record.Get(PorPolyline::StartArrow), 3);
         EXPECT_EQ(record.Get(PorPolyline::EndArrow), 0);
         EXPECT_THAT(Points(record, PorPolyline::Points),
                     ::testing::ElementsAre(IsPoint(1, 2), IsPoint(-3, -4)));
         EXPECT_EQ(record.Get(PorPolyline::Id), "7");
         EXPECT_EQ(record.Get(PorPolyline::Layer), "L");
     }},
    {"SxfBezier",
     [] {
         return HandBytes()
             .W({8, 108, 0, 0, 1, 350, 25, 0, 1, 104, 0, 0, 0, 0, 0, 0, 0, 0, 0})
             .W({3, 0, 0, 10, 20, 30, 0})
             .T(std::string_view("5\0\0\0", 4))
             .Bytes();
     },
     [] {
         PorRecordBuilder bezier(PorBezier::Type);
         bezier.Set(PorBezier::Pen, PorPen{1, 350, 25, 0});
         const POINT points[] = {{0, 0}, {10, 20}, {30, 0}};
         bezier.Set(PorBezier::Points, points);
         bezier.Set(PorBezier::Layer, "5");
         bezier.PadTo(108);
         return bezier;
     },
     [](const PorRecord& record) {
         EXPECT_THAT(Points(record, PorBezier::Points),
                     ::testing::ElementsAre(IsPoint(0, 0), IsPoint(10, 20), IsPoint(30, 0)));
         EXPECT_EQ(record.Get(PorBezier::Layer), "5");
     }},
    {"Spline",
     [] {
         return HandBytes()
             .W({29, 101, 2, 96, 1, 1000, 50, 0xFF0000, 1, 99, 0, 3, 0, 0, 0, 0, 0, 0, 0})
             .W({2, -5, 6, 7, -8})
             .T(std::string_view("2C\0"
                                 "0\0",
                                 5))
             .Bytes();
     },
     [] {
         PorRecordBuilder spline(PorSpline::Type);
         spline.Set(PorSpline::Pen, PorPen{1, 1000, 50, RGB(0, 0, 255)});
         spline.Set(PorSpline::EndArrow, 3);
         const POINT points[] = {{-5, 6}, {7, -8}};
         spline.Set(PorSpline::Points, points);
         spline.Set(PorSpline::Id, "2C");
         spline.Set(PorSpline::Layer, "0");
         return spline;
     },
     [](const PorRecord& record) {
         EXPECT_EQ(record.Get(PorSpline::EndArrow), 3);
         EXPECT_THAT(Points(record, PorSpline::Points),
                     ::testing::ElementsAre(IsPoint(-5, 6), IsPoint(7, -8)));
         EXPECT_EQ(record.Get(PorSpline::Id), "2C");
     }},
    {"Polygon",
     [] {
         return HandBytes()
             .W({6, 109, 2, 104, 1, 1000, 25, 0x000001, 3, 0x00FFFF, 0x00FFFF, 1, 107, 1})
             .W({0, 0, 0, 0, 0, 3, 0, 0, 100, 0, 100, 100})
             .T(std::string_view("3D\0"
                                 "A\0",
                                 5))
             .Bytes();
     },
     [] {
         PorRecordBuilder polygon(PorPolygon::Type);
         polygon.Set(PorPolygon::Pen, PorPen{1, 1000, 25, RGB(1, 0, 0)});
         polygon.Set(PorPolygon::Fill, PorFill{3, RGB(255, 255, 0)});
         polygon.Set(PorPolygon::SecondFillColor, RGB(255, 255, 0));
         polygon.Set(PorPolygon::Transparent, 1);
         const POINT points[] = {{0, 0}, {100, 0}, {100, 100}};
         polygon.Set(PorPolygon::Points, points);
         polygon.Set(PorPolygon::Id, "3D");
         polygon.Set(PorPolygon::Layer, "A");
         return polygon;
     },
     [](const PorRecord& record) {
         EXPECT_EQ(record.Get(PorPolygon::Pen), (PorPen{1, 1000, 25, RGB(1, 0, 0)}));
         EXPECT_EQ(record.Get(PorPolygon::Fill), (PorFill{3, RGB(255, 255, 0)}));
         EXPECT_EQ(record.Get(PorPolygon::Transparent), 1);
         EXPECT_THAT(Points(record, PorPolygon::Points),
                     ::testing::ElementsAre(IsPoint(0, 0), IsPoint(100, 0), IsPoint(100, 100)));
         EXPECT_EQ(record.Get(PorPolygon::Layer), "A");
     }},
    {"CSpline",
     [] {
         return HandBytes()
             .W({30, 110, 1, 104, 1, 1000, 25, 0, 0, kByBlock, kByBlock, 3, 106, 1})
             .W({0, 0, 0, 0, 0, 3, 1, 1, 9, 1, 5, 9})
             .T(std::string_view("4\0LAY\0", 6))
             .Bytes();
     },
     [] {
         PorRecordBuilder spline(PorCSpline::Type);
         spline.Set(PorCSpline::Pen, PorPen{1, 1000, 25, 0});
         spline.Set(PorCSpline::Fill, PorFill{0, PorByBlockColor});
         spline.Set(PorCSpline::SecondFillColor, PorByBlockColor);
         spline.Set(PorCSpline::Transparent, 1);
         const POINT points[] = {{1, 1}, {9, 1}, {5, 9}};
         spline.Set(PorCSpline::Points, points);
         spline.Set(PorCSpline::Id, "4");
         spline.Set(PorCSpline::Layer, "LAY");
         return spline;
     },
     [](const PorRecord& record) {
         EXPECT_EQ(record.Get(PorCSpline::Fill), (PorFill{0, PorByBlockReadColor}));
         EXPECT_EQ(Points(record, PorCSpline::Points).size(), 3u);
         EXPECT_EQ(record.Get(PorCSpline::Layer), "LAY");
     }},
    {"SxfCBezier",
     [] {
         return HandBytes()
             .W({37, 116, 0, 0, 1, 350, 25, 0, 3, 0x808080, 0, 1, 112, 1})
             .W({0, 0, 0, 0, 0, 4, 0, 0, 0, 5, 5, 5, 5, 0})
             .T(std::string_view("1\0\0\0", 4))
             .Bytes();
     },
     [] {
         PorRecordBuilder bezier(PorCBezier::Type);
         bezier.Set(PorCBezier::Pen, PorPen{1, 350, 25, 0});
         bezier.Set(PorCBezier::Fill, PorFill{3, RGB(128, 128, 128)});
         bezier.Set(PorCBezier::Transparent, 1);
         const POINT points[] = {{0, 0}, {0, 5}, {5, 5}, {5, 0}};
         bezier.Set(PorCBezier::Points, points);
         bezier.Set(PorCBezier::Layer, "1");
         bezier.PadTo(116);
         return bezier;
     },
     [](const PorRecord& record) {
         EXPECT_EQ(record.Get(PorCBezier::Fill), (PorFill{3, RGB(128, 128, 128)}));
         EXPECT_THAT(
             Points(record, PorCBezier::Points),
             ::testing::ElementsAre(IsPoint(0, 0), IsPoint(0, 5), IsPoint(5, 5), IsPoint(5, 0)));
     }},
    {"Circle",
     [] {
         return HandBytes()
             .W({9, 93, 2, 88, -5, -5, -5, 5, 5, 5, 5, -5})
             .W({1, 1000, 25, 0x0000FF, 3, 0x00FF00, 0x00FF00, 1, 91, 1})
             .T(std::string_view("AB\0"
                                 "0\0",
                                 5))
             .Bytes();
     },
     [] {
         PorRecordBuilder circle(PorCircle::Type);
         const POINT corners[] = {{-5, -5}, {-5, 5}, {5, 5}, {5, -5}};
         circle.Set(PorCircle::Corners, corners);
         circle.Set(PorCircle::Pen, PorPen{1, 1000, 25, RGB(255, 0, 0)});
         circle.Set(PorCircle::Fill, PorFill{3, RGB(0, 255, 0)});
         circle.Set(PorCircle::SecondFillColor, RGB(0, 255, 0));
         circle.Set(PorCircle::Transparent, 1);
         circle.Set(PorCircle::Id, "AB");
         circle.Set(PorCircle::Layer, "0");
         return circle;
     },
     [](const PorRecord& record) {
         EXPECT_THAT(*record.Get(PorCircle::Corners),
                     ::testing::ElementsAre(IsPoint(-5, -5), IsPoint(-5, 5), IsPoint(5, 5),
                                            IsPoint(5, -5)));
         EXPECT_EQ(record.Get(PorCircle::Pen), (PorPen{1, 1000, 25, RGB(255, 0, 0)}));
         EXPECT_EQ(record.Get(PorCircle::Fill), (PorFill{3, RGB(0, 255, 0)}));
         EXPECT_EQ(record.Get(PorCircle::Transparent), 1);
         EXPECT_EQ(record.Get(PorCircle::Id), "AB");
     }},
    // A rotated box: general corners in cyclic order.
    {"Ellipse",
     [] {
         return HandBytes()
             .W({10, 91, 0, 0, 0, -10, -20, 10, 0, 30, 20, 10})
             .W({1, 350, 18, 0, 0, 0, 0, 2, 88, 1})
             .T(std::string_view("12\0", 3))
             .Bytes();
     },
     [] {
         PorRecordBuilder ellipse(PorEllipse::Type);
         const POINT corners[] = {{0, -10}, {-20, 10}, {0, 30}, {20, 10}};
         ellipse.Set(PorEllipse::Corners, corners);
         ellipse.Set(PorEllipse::Pen, PorPen{1, 350, 18, 0});
         ellipse.Set(PorEllipse::Transparent, 1);
         ellipse.Set(PorEllipse::Layer, "12");
         return ellipse;
     },
     [](const PorRecord& record) {
         EXPECT_THAT(*record.Get(PorEllipse::Corners),
                     ::testing::ElementsAre(IsPoint(0, -10), IsPoint(-20, 10), IsPoint(0, 30),
                                            IsPoint(20, 10)));
         EXPECT_EQ(record.Get(PorEllipse::Fill), (PorFill{0, 0}));
         EXPECT_EQ(record.Get(PorEllipse::Layer), "12");
     }},
    {"Arc",
     [] {
         return HandBytes()
             .W({11, 93, 2, 88, -5, -5, -5, 5, 5, 5, 5, -5})
             .W({5, 0, 0, 5, 4, 1000, 35, 0xFF00FF, 1, 91})
             .T(std::string_view("9F\0"
                                 "0\0",
                                 5))
             .Bytes();
     },
     [] {
         PorRecordBuilder arc(PorArc::Type);
         const POINT corners[] = {{-5, -5}, {-5, 5}, {5, 5}, {5, -5}};
         arc.Set(PorArc::Corners, corners);
         arc.Set(PorArc::Start, POINT{5, 0});
         arc.Set(PorArc::End, POINT{0, 5});
         arc.Set(PorArc::Pen, PorPen{4, 1000, 35, RGB(255, 0, 255)});
         arc.Set(PorArc::Id, "9F");
         arc.Set(PorArc::Layer, "0");
         return arc;
     },
     [](const PorRecord& record) {
         EXPECT_THAT(record.Get(PorArc::Corners)->at(2), IsPoint(5, 5));
         EXPECT_THAT(*record.Get(PorArc::Start), IsPoint(5, 0));
         EXPECT_THAT(*record.Get(PorArc::End), IsPoint(0, 5));
         EXPECT_EQ(record.Get(PorArc::Pen), (PorPen{4, 1000, 35, RGB(255, 0, 255)}));
         EXPECT_EQ(record.Get(PorArc::Layer), "0");
     }},
    {"EArc",
     [] {
         return HandBytes()
             .W({12, 90, 0, 0, -20, -10, -20, 10, 20, 10, 20, -10})
             .W({20, 0, -20, 0, 1, 350, 25, 0, 1, 88})
             .T(std::string_view("9\0", 2))
             .Bytes();
     },
     [] {
         PorRecordBuilder arc(PorEArc::Type);
         const POINT corners[] = {{-20, -10}, {-20, 10}, {20, 10}, {20, -10}};
         arc.Set(PorEArc::Corners, corners);
         arc.Set(PorEArc::Start, POINT{20, 0});
         arc.Set(PorEArc::End, POINT{-20, 0});
         arc.Set(PorEArc::Pen, PorPen{1, 350, 25, 0});
         arc.Set(PorEArc::Layer, "9");
         return arc;
     },
     [](const PorRecord& record) {
         EXPECT_THAT(record.Get(PorEArc::Corners)->at(0), IsPoint(-20, -10));
         EXPECT_THAT(*record.Get(PorEArc::End), IsPoint(-20, 0));
         EXPECT_EQ(record.Get(PorEArc::Layer), "9");
     }},
    // The DXF plug-in's sizes: record 164 + T + F + I + L rounded up to 4,
    // id at 162 + T + F, layer at 163 + T + F + I.
    {"DxfText",
     [] {
         return HandBytes()
             .W({14, 172, 0, 170, 100, 200, 300, 200, 900, 1, 2})
             .W({0, 0, 0, 0, 0, 0, 171, 23, 2 + 88, 163, 0, 3500, 0, 0x00FF00, 1, 0, 0})
             .W({0, 0, 0, 0, 1, 15000, 800, 1, 50, 4000, 2, 160})
             .T(std::string_view("AB\0Mincho\0\0\0", 12))
             .Bytes();
     },
     [] {
         PorRecordBuilder text(PorText::Type);
         text.Set(PorText::First, POINT{100, 200});
         text.Set(PorText::Second, POINT{300, 200});
         text.Set(PorText::Angle, 900);
         text.Set(PorText::VerticalAlign, 1);
         text.Set(PorText::HorizontalAlign, 2);
         text.Set(PorText::TextKind, PorText::TextKindValue);
         text.Set(PorText::TextLengthPlus88, 2 + 88);
         text.Set(PorText::Height, 3500);
         text.Set(PorText::Color, RGB(0, 255, 0));
         text.Set(PorText::Underline, 1);
         text.Set(PorText::Style, 1);
         text.Set(PorText::Slant, 15000);
         text.Set(PorText::WidthFactor, 800);
         text.Set(PorText::Vertical, 1);
         text.Set(PorText::Spacing, 50);
         text.Set(PorText::FitWidth, 4000);
         text.Set(PorText::Text, "AB");
         text.Set(PorText::FaceName, "Mincho");
         text.Set(PorText::Id, "");
         text.Set(PorText::Layer, "");
         text.PadTo((text.Size() + 3) / 4 * 4);
         return text;
     },
     [](const PorRecord& record) {
         EXPECT_THAT(*record.Get(PorText::Second), IsPoint(300, 200));
         EXPECT_EQ(record.Get(PorText::Angle), 900);
         EXPECT_EQ(record.Get(PorText::VerticalAlign), 1);
         EXPECT_EQ(record.Get(PorText::HorizontalAlign), 2);
         EXPECT_EQ(record.Get(PorText::TextKind), PorText::TextKindValue);
         EXPECT_EQ(record.Get(PorText::FaceName), "Mincho");
         EXPECT_EQ(record.Get(PorText::Height), 3500);
         EXPECT_EQ(record.Get(PorText::Color), RGB(0, 255, 0));
         EXPECT_EQ(record.Get(PorText::Underline), 1);
         EXPECT_EQ(record.Get(PorText::Style), 1);
         EXPECT_EQ(record.Get(PorText::Slant), 15000);
         EXPECT_EQ(record.Get(PorText::WidthFactor), 800);
         EXPECT_EQ(record.Get(PorText::Vertical), 1);
         EXPECT_EQ(record.Get(PorText::Spacing), 50);
         EXPECT_EQ(record.Get(PorText::FitWidth), 4000);
         EXPECT_EQ(record.Get(PorText::Text), "AB");
         EXPECT_EQ(record.Get(PorText::Layer), "");
     }},
    {"IFrame",
     [] {
         return HandBytes()
             .W({19, 156, 2, 145, 5, 148, 0, 0, 0, 90, 90, 90, 90, 0})
             .W({0, 0, 0, 9, 9, 9, 9, 0})
             .W({0, 0, 0, 0, 1, 154, 0, 0, 0, 0, 0, 140, 5})
             .T(std::string_view("\x28\0\0\0\x07", 5))
             .T(std::string_view("1E\0a.bmp\0"
                                 "0\0",
                                 11))
             .Bytes();
     },
     [] {
         PorRecordBuilder frame(PorIFrame::Type);
         const POINT corners[8] = {{0, 0}, {0, 90}, {90, 90}, {90, 0},
                                   {0, 0}, {0, 9},  {9, 9},   {9, 0}};
         frame.Set(PorIFrame::Frame, corners);
         const BYTE dib[] = {40, 0, 0, 0, 7};
         frame.Set(PorIFrame::Image, dib);
         frame.Set(PorIFrame::Id, "1E");
         frame.Set(PorIFrame::ImageName, "a.bmp");
         frame.Set(PorIFrame::Layer, "0");
         return frame;
     },
     [](const PorRecord& record) {
         const auto frame = record.Get(PorIFrame::Frame);
         ASSERT_TRUE(frame.has_value());
         EXPECT_THAT(frame->at(2), IsPoint(90, 90));
         EXPECT_THAT(frame->at(7), IsPoint(9, 0));
         const auto image = record.Get(PorIFrame::Image);
         ASSERT_TRUE(image.has_value());
         EXPECT_EQ(std::vector<BYTE>(image->begin(), image->end()),
                   (std::vector<BYTE>{40, 0, 0, 0, 7}));
         EXPECT_EQ(record.Get(PorIFrame::ImageName), "a.bmp");
         EXPECT_EQ(record.Get(PorIFrame::Id), "1E");
         EXPECT_EQ(record.Get(PorIFrame::Layer), "0");
     }},
    // The DXF plug-in places its strings from byte 64.
    {"DxfDot",
     [] {
         return HandBytes()
             .W({21, 69, 2, 64, -7, 8, 3, 500, 0x0000FF, 1, 67})
             .ZerosTo(64)
             .T(std::string_view("2B\0"
                                 "0\0",
                                 5))
             .Bytes();
     },
     [] {
         PorRecordBuilder dot(PorDot::Type);
         dot.Set(PorDot::Position, POINT{-7, 8});
         dot.Set(PorDot::Mode, 3);
         dot.Set(PorDot::Size, 500);
         dot.Set(PorDot::Color, RGB(255, 0, 0));
         dot.PadTo(64);
         dot.Set(PorDot::Id, "2B");
         dot.Set(PorDot::Layer, "0");
         return dot;
     },
     [](const PorRecord& record) {
         EXPECT_THAT(*record.Get(PorDot::Position), IsPoint(-7, 8));
         EXPECT_EQ(record.Get(PorDot::Mode), 3);
         EXPECT_EQ(record.Get(PorDot::Size), 500);
         EXPECT_EQ(record.Get(PorDot::Color), RGB(255, 0, 0));
         EXPECT_EQ(record.Get(PorDot::Id), "2B");
         EXPECT_EQ(record.Get(PorDot::Layer), "0");
     }},
    {"Group",
     [] {
         return HandBytes()
             .W({22, 62, 0, 0, 3, 58, 2})
             .W({15, 2, 12})
             .T(std::string_view("2F\0", 3))
             .W({15, 2, 12})
             .T(std::string_view("\x83\x65\0", 3))
             .T(std::string_view("*A1\0", 4))
             .Bytes();
     },
     [] {
         PorRecordBuilder group(PorGroup::Type);
         group.Append(PorGroup::Members, "2F");
         group.Append(PorGroup::Members, "\x83\x65");
         group.Set(PorGroup::Name, "*A1");
         return group;
     },
     [](const PorRecord& record) {
         EXPECT_EQ(record.Get(PorGroup::Members), (std::vector<CString>{"2F", "\x83\x65"}));
         EXPECT_EQ(record.Get(PorGroup::Name), "*A1");
     }},
    {"Layer",
     [] {
         return HandBytes()
             .W({31, 32, 0x0000FF, 1, 0, 3, 28})
             .T(std::string_view("\x95\xC7\x31\0", 4)) // CP932 text, two bytes then one
             .Bytes();
     },
     [] {
         PorRecordBuilder layer(PorLayer::Type);
         layer.Set(PorLayer::Color, RGB(255, 0, 0));
         layer.Set(PorLayer::LineType, 1);
         layer.Set(PorLayer::Name, "\x95\xC7\x31");
         return layer;
     },
     [](const PorRecord& record) {
         EXPECT_EQ(record.Get(PorLayer::Visible), 0);
         EXPECT_EQ(record.Get(PorLayer::Name), "\x95\xC7\x31");
     }},
    // Two nested lines and an end record, in drawing coordinates.
    {"Insert",
     [] {
         HandBytes bytes;
         bytes.W({33, 156, 1, 152, 1, 154, 3});
         for (int i = 0; i < 2; ++i) {
             bytes.W({3, 58, 0, 0, i, 0, i, 9, 1, 1000, 25, 0, 1, 56})
                 .T(std::string_view("0\0", 2));
             if (i == 0) {
                 bytes.W({2, 8});
             }
         }
         return bytes.T(std::string_view("I\0B\0", 4)).Bytes();
     },
     [] {
         const auto line = [](LONG x) {
             PorRecordBuilder line(PorLine::Type);
             line.Set(PorLine::Start, POINT{x, 0});
             line.Set(PorLine::End, POINT{x, 9});
             line.Set(PorLine::Pen, PorPen{1, 1000, 25, 0});
             line.Set(PorLine::Layer, "0");
             return line;
         };
         PorRecordBuilder insert(PorInsert::Type);
         insert.Append(PorInsert::Children, line(0).Bytes());
         insert.Append(PorInsert::Children, PorRecordBuilder(PorEnd::Type).Bytes());
         insert.Append(PorInsert::Children, line(1).Bytes());
         insert.Set(PorInsert::Id, "I");
         insert.Set(PorInsert::Layer, "B");
         return insert;
     },
     [](const PorRecord& record) {
         EXPECT_EQ(record.Get(PorInsert::Id), "I");
         EXPECT_EQ(record.Get(PorInsert::Layer), "B");
         PorRecordWalker children = PorRecordWalker::Nested(record, PorInsert::Children);
         std::vector<LONG> types;
         while (const auto child = children.Next()) {
             types.push_back(child->Type());
         }
         EXPECT_EQ(types, (std::vector<LONG>{PorLine::Type, PorEnd::Type, PorLine::Type}));
     }},
    {"LineTypeScale",
     [] {
         return HandBytes().W({34, 16, 2500, 1}).Bytes();
     },
     [] {
         PorRecordBuilder scale(PorLineTypeScale::Type);
         scale.Set(PorLineTypeScale::Scale, 2500u);
         scale.Set(PorLineTypeScale::Measurement, 1);
         return scale;
     },
     [](const PorRecord& record) {
         EXPECT_EQ(record.Get(PorLineTypeScale::Scale), 2500u);
         EXPECT_EQ(record.Get(PorLineTypeScale::Measurement), 1);
     }},
    {"LineType",
     [] {
         return HandBytes().W({35, 28, 1001, 3, 50000, -25000, 0}).Bytes();
     },
     [] {
         PorRecordBuilder lineType(PorLineType::Type);
         lineType.Set(PorLineType::LineTypeId, 1001);
         const LONG dashes[] = {50000, -25000, 0};
         lineType.Set(PorLineType::Dashes, dashes);
         return lineType;
     },
     [](const PorRecord& record) {
         EXPECT_EQ(record.Get(PorLineType::LineTypeId), 1001);
         EXPECT_EQ(record.Get(PorLineType::Dashes), (std::vector<LONG>{50000, -25000, 0}));
     }},
    // One loop of a line edge and a polyline edge, then one pattern line
    // of two dashes at the fill-data offset.
    {"DxfPatternHatch",
     [] {
         return HandBytes()
             .W({36, 201, 2, 196, 1, 199, 0x0000FF, 0, 44, 152, 1, 1})
             .W({1, 0, 1, 2})
             .W({1, 1, 0, 0, 100, 0, 0, 1, 0, 0})
             .W({5, 0, 0, 0, 0, 0, 0, 2, 100, 100, 0, 0})
             .W({4500, 0, 0, 10, -10, 0, 0x0000FF, 2, 30, -20})
             .ZerosTo(196)
             .T(std::string_view("5A\0"
                                 "0\0",
                                 5))
             .Bytes();
     },
     [] {
         PorRecordBuilder hatch(PorHatch::Type);
         hatch.Set(PorHatch::Color, RGB(255, 0, 0));
         hatch.Set(PorHatch::Kind, PorHatch::PatternKind);
         hatch.Set(PorHatch::FillSize, 44);
         hatch.Set(PorHatch::FillOffset, 152);
         hatch.Set(PorHatch::PatternCount, 1);
         hatch.Set(PorHatch::LoopCount, 1);
         const LONG loop[] = {1, 0, 1, 2, 1, 1, 0, 0, 100, 0,   0,   1, 0,
                              0, 5, 0, 0, 0, 0, 0, 0, 2,   100, 100, 0, 0};
         hatch.AppendLongs(loop);
         const LONG pattern[] = {4500, 0, 0, 10, -10, 0, 0x0000FF, 2, 30, -20};
         hatch.AppendLongs(pattern);
         hatch.PadTo(196);
         hatch.Set(PorHatch::Id, "5A");
         hatch.Set(PorHatch::Layer, "0");
         return hatch;
     },
     [](const PorRecord& record) {
         EXPECT_EQ(record.Get(PorHatch::Color), RGB(255, 0, 0));
         EXPECT_EQ(record.Get(PorHatch::Kind), PorHatch::PatternKind);
         EXPECT_EQ(record.Get(PorHatch::LoopCount), 1);
         EXPECT_EQ(record.Get(PorHatch::Id), "5A");
         EXPECT_EQ(record.Get(PorHatch::Layer), "0");
         const auto loop = record.Part(PorHatch::FixedSize);
         ASSERT_TRUE(loop.has_value());
         EXPECT_EQ(loop->Get(PorHatchLoop::EdgeCount), 2);
         const auto line = loop->Part(PorHatchLoop::HeadSize);
         ASSERT_TRUE(line.has_value());
         EXPECT_EQ(line->Get(PorHatchEdge::EdgeType), PorHatchEdge::LineType);
         EXPECT_THAT(*line->Get(PorHatchEdge::End), IsPoint(100, 0));
         EXPECT_EQ(PorHatchEdgeSize(*line), PorHatchEdge::LineSize);
         const auto polyline = line->Part(PorHatchEdge::LineSize);
         ASSERT_TRUE(polyline.has_value());
         EXPECT_EQ(polyline->Get(PorHatchEdge::EdgeType), PorHatchEdge::PolylineType);
         EXPECT_THAT(Points(*polyline, PorHatchEdge::Points),
                     ::testing::ElementsAre(IsPoint(100, 100), IsPoint(0, 0)));
         EXPECT_EQ(PorHatchEdgeSize(*polyline), 48u);
         const auto pattern = record.Part(152);
         ASSERT_TRUE(pattern.has_value());
         EXPECT_EQ(pattern->Get(PorHatchLine::Angle), 4500);
         EXPECT_THAT(*pattern->Get(PorHatchLine::Offset), IsPoint(10, -10));
         EXPECT_EQ(pattern->Get(PorHatchLine::Color), RGB(255, 0, 0));
         EXPECT_EQ(pattern->Get(PorHatchLine::Dashes), (std::vector<LONG>{30, -20}));
         EXPECT_EQ(PorHatchLineSize(*pattern), 40u);
     }},
    // The SXF plug-in's solid fill: no fill data, the id left empty.
    {"SxfSolidHatch",
     [] {
         return HandBytes()
             .W({36, 124, 0, 0, 2, 120, 0x00FFFF, 1, 0, 0, 0, 1})
             .W({1, 0, 0, 1})
             .W({5, 0, 0, 0, 0, 0, 0, 3, 0, 0, 50, 0, 0, 50})
             .T(std::string_view("\x95\xC7\0\0", 4))
             .Bytes();
     },
     [] {
         PorRecordBuilder hatch(PorHatch::Type);
         hatch.Set(PorHatch::Color, RGB(255, 255, 0));
         hatch.Set(PorHatch::Kind, PorHatch::SolidKind);
         hatch.Set(PorHatch::LoopCount, 1);
         const LONG loop[] = {1, 0, 0, 1, 5, 0, 0, 0, 0, 0, 0, 3, 0, 0, 50, 0, 0, 50};
         hatch.AppendLongs(loop);
         hatch.Set(PorHatch::Layer, "\x95\xC7");
         hatch.PadTo(124);
         return hatch;
     },
     [](const PorRecord& record) {
         EXPECT_EQ(record.Get(PorHatch::Kind), PorHatch::SolidKind);
         EXPECT_EQ(record.Get(PorHatch::PatternCount), 0);
         EXPECT_EQ(record.Get(PorHatch::Layer), "\x95\xC7");
         const auto edge = record.Part(PorHatch::FixedSize + PorHatchLoop::HeadSize);
         ASSERT_TRUE(edge.has_value());
         EXPECT_EQ(Points(*edge, PorHatchEdge::Points).size(), 3u);
     }},
    {"Nurbs",
     [] {
         return HandBytes()
             .W({38, 120, 1, 116, 1, 1000, 25, 0, 1, 118, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3})
             .W({2, 1, 2, 3, 4, 2, 1000, 1000, 0})
             .T(std::string_view("N\0"
                                 "0\0",
                                 4))
             .Bytes();
     },
     [] {
         PorRecordBuilder nurbs(PorNurbs::Type);
         nurbs.Set(PorNurbs::Pen, PorPen{1, 1000, 25, 0});
         nurbs.Set(PorNurbs::Degree, 3);
         const POINT points[] = {{1, 2}, {3, 4}};
         nurbs.Set(PorNurbs::ControlPoints, points);
         const LONG tail[] = {2, 1000, 1000, 0};
         nurbs.AppendLongs(tail);
         nurbs.Set(PorNurbs::Id, "N");
         nurbs.Set(PorNurbs::Layer, "0");
         return nurbs;
     },
     [](const PorRecord& record) {
         EXPECT_EQ(record.Get(PorNurbs::Degree), 3);
         EXPECT_THAT(Points(record, PorNurbs::ControlPoints),
                     ::testing::ElementsAre(IsPoint(1, 2), IsPoint(3, 4)));
         PorCursor tail = record.CursorAt(PorNurbs::FixedSize + 2 * 8);
         EXPECT_EQ(tail.LongList(), (std::vector<LONG>{1000, 1000}));
         EXPECT_EQ(tail.LongList(), (std::vector<LONG>{}));
         EXPECT_EQ(record.Get(PorNurbs::Layer), "0");
     }},
    {"CNurbs",
     [] {
         return HandBytes()
             .W({39, 157, 2, 152, 1, 1000, 25, 0, 3, 0x0000FF, 0x0000FF, 1, 155, 1})
             .W({0, 0, 0, 0, 0, 2, 3, 0, 0, 10, 0, 10, 10})
             .W({3, 1000, 500, 1000, 6, 0, 0, 0, 1000, 1000, 1000})
             .T(std::string_view("3E\0"
                                 "0\0",
                                 5))
             .Bytes();
     },
     [] {
         PorRecordBuilder nurbs(PorCNurbs::Type);
         nurbs.Set(PorCNurbs::Pen, PorPen{1, 1000, 25, 0});
         nurbs.Set(PorCNurbs::Fill, PorFill{3, RGB(255, 0, 0)});
         nurbs.Set(PorCNurbs::SecondFillColor, RGB(255, 0, 0));
         nurbs.Set(PorCNurbs::Transparent, 1);
         nurbs.Set(PorCNurbs::Degree, 2);
         const POINT points[] = {{0, 0}, {10, 0}, {10, 10}};
         nurbs.Set(PorCNurbs::ControlPoints, points);
         const LONG tail[] = {3, 1000, 500, 1000, 6, 0, 0, 0, 1000, 1000, 1000};
         nurbs.AppendLongs(tail);
         nurbs.Set(PorCNurbs::Id, "3E");
         nurbs.Set(PorCNurbs::Layer, "0");
         return nurbs;
     },
     [](const PorRecord& record) {
         EXPECT_EQ(record.Get(PorCNurbs::Fill), (PorFill{3, RGB(255, 0, 0)}));
         EXPECT_EQ(record.Get(PorCNurbs::Transparent), 1);
         EXPECT_EQ(record.Get(PorCNurbs::Degree), 2);
         EXPECT_EQ(Points(record, PorCNurbs::ControlPoints).size(), 3u);
         PorCursor tail = record.CursorAt(PorCNurbs::FixedSize + 3 * 8);
         EXPECT_EQ(tail.LongList(), (std::vector<LONG>{1000, 500, 1000}));
         EXPECT_EQ(tail.LongList(), (std::vector<LONG>{0, 0, 0, 1000, 1000, 1000}));
         EXPECT_EQ(record.Get(PorCNurbs::Id), "3E");
     }},
};

class PorRecordBytesTest : public ::testing::TestWithParam<RecordCase> {};

TEST_P(PorRecordBytesTest, TheBuilderWritesTheHandLaidBytes) {
    const PorRecordBuilder built = GetParam().build();
    EXPECT_EQ(std::vector<BYTE>(built.Bytes().begin(), built.Bytes().end()), GetParam().hand());
}

TEST_P(PorRecordBytesTest, TheReaderFindsEveryFieldInTheHandLaidBytes) {
    const std::vector<BYTE> bytes = GetParam().hand();
    const auto record = PorRecord::Frame(bytes);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->Size(), bytes.size());
    EXPECT_TRUE(record->HasFixedPart());
    GetParam().read(*record);
}

INSTANTIATE_TEST_SUITE_P(EveryType, PorRecordBytesTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<RecordCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
