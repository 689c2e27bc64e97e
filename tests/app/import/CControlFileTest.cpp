#include "ImportFixture.h"

#include "app/CControlFileReader.h"
#include "entities/CRukGroup.h"
#include "entities/CRukLine.h"
#include "entities/CRukSaveGroup.h"
#include "entities/EntityKinds.h"
#include "markups/CMarkupKinds.h"
#include "markups/CRukMarkBalloon.h"
#include "markups/CRukMarkFlag.h"
#include "markups/CRukMarkTBox.h"
#include "platform/gdi/CRecordingDC.h"
#include "platform/mfc/CArchive.h"
#include "platform/mfc/CFile.h"
#include "settings/CDrawDefaults.h"
#include "tests/support/CpuClock.h"
#include "tests/support/FixedTextMetrics.h"
#include "tests/support/HostileObjectCases.h"
#include "tests/support/MarkupSeeds.h"
#include "tests/support/ReaderSeeds.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <ostream>
#include <string>
#include <tuple>

namespace {

// CP932 "朱書きファイルを読み込めませんでした。ファイルはそのまま残します。".
const char* const kControlUnread =
    "\x8E\xE9\x8F\x91\x82\xAB\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xF0\x93\xC7\x82\xDD\x8D\x9E"
    "\x82\xDF\x82\xDC\x82\xB9\x82\xF1\x82\xC5\x82\xB5\x82\xBD\x81\x42\x83\x74\x83\x40\x83\x43"
    "\x83\x8B\x82\xCD\x82\xBB\x82\xCC\x82\xDC\x82\xDC\x8E\x63\x82\xB5\x82\xDC\x82\xB7\x81\x42";

constexpr UINT kCurrentVersion = 0x10014;

// A redline line on layer "Red".
std::unique_ptr<CRukLine> Redline(int x1, int y1, int x2, int y2) {
    auto line = std::make_unique<CRukLine>();
    line->m_x1 = x1;
    line->m_y1 = y1;
    line->m_x2 = x2;
    line->m_y2 = y2;
    line->m_layerName = "Red";
    line->RecalcExtents();
    return line;
}

// Writes a control file: the header of that version (none for 0), the
// preamble the version has, and the two lists the callback fills.
void WriteControlFile(const CString& path, UINT version,
                      const std::function<void(CObList&, CObList&)>& fill) {
    CFile file;
    ASSERT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeWrite));
    if (version != 0) {
        BYTE header[16] = {'R', 'u', 'k', 'C'};
        std::memcpy(header + 4, &version, sizeof version);
        file.Write(header, sizeof header);
    }
    CObList saveGroups;
    CObList drawOrder;
    fill(saveGroups, drawOrder);
    {
        CArchive ar(&file, CArchive::store);
        if (version >= CControlFileReader::kPreambleVersion)
            ar << 1000 << 0 << 0 << CString() << CString();
        saveGroups.Serialize(ar);
        drawOrder.Serialize(ar);
        ar.Close();
    }
    file.Close();
}

// The lists as objects of their own: written, then deleted.
struct OwnedObjects {
    std::vector<std::unique_ptr<CObject>> objects;
    template <class T> T* Add(std::unique_ptr<T> object) {
        T* raw = object.get();
        objects.push_back(std::move(object));
        return raw;
    }
};

class ControlFileTest : public ImportFixture {
protected:
    // The drawing "plan.por" of one line with that unit, and its control file.
    CString Drawing(LONG unit = 1000) const { return WriteDrawing("plan.por", OneLine(unit)); }
    CString ControlPath() const { return PathOf("plan.zcd"); }

    // The drawing order's lines as their first and second points.
    std::vector<std::vector<int>> RedlinePoints() const {
        std::vector<std::vector<int>> points;
        for (POSITION position = m_document.m_drawOrder.GetHeadPosition(); position;) {
            const auto* line =
                dynamic_cast<const CRukLine*>(m_document.m_drawOrder.GetNext(position));
            if (line)
                points.push_back({line->m_x1, line->m_y1, line->m_x2, line->m_y2});
        }
        return points;
    }

    OwnedObjects m_owned;
};

TEST_F(ControlFileTest, RedlinesOfTheControlFileJoinTheDrawing) {
    WriteControlFile(ControlPath(), kCurrentVersion, [this](CObList& groups, CObList& order) {
        auto* group = m_owned.Add(std::make_unique<CRukSaveGroup>());
        group->m_groupName = "G";
        groups.AddTail(group);
        order.AddTail(m_owned.Add(Redline(1000, 2000, 3000, 4000)));
        order.AddTail(m_owned.Add(Redline(5, 6, 7, 8)));
    });
    ASSERT_EQ(m_document.ImportByPlugin(PorPlugIn(), Drawing(100)), 1);

    EXPECT_TRUE(m_dialogs.Messages().empty());
    EXPECT_EQ(m_document.m_fileVersion, kCurrentVersion);
    EXPECT_EQ(m_document.m_saveGroups.GetCount(), 1);
    // A current file is in drawing units already: no rescaling.
    EXPECT_EQ(RedlinePoints(),
              (std::vector<std::vector<int>>{{1000, 2000, 3000, 4000}, {5, 6, 7, 8}}));
    const auto* first = static_cast<const CRukEntity*>(m_document.m_drawOrder.GetHead());
    EXPECT_EQ(first->m_redline, 1);
    const CRukLayer* red = m_document.FindLayer("Red");
    ASSERT_NE(red, nullptr);
    EXPECT_EQ(red->m_entities.GetCount(), 2);
    // The redlines stay out of the drawing's own entities.
    EXPECT_EQ(m_document.m_objects.GetCount(), 1);
    EXPECT_EQ(m_document.m_controlFileUnread, 0);
    EXPECT_EQ(m_document.m_redlineModified, 0);
}

TEST_F(ControlFileTest, GroupsAreTopObjectsAndCutOutPartsStayOffTheLayers) {
    WriteControlFile(ControlPath(), kCurrentVersion, [this](CObList&, CObList& order) {
        CRukLine* member = m_owned.Add(Redline(1, 2, 3, 4));
        CRukLine* outline = m_owned.Add(Redline(5, 6, 7, 8));
        outline->m_childFlag = 3;
        auto* group = m_owned.Add(std::make_unique<CRukGroup>());
        group->AddChild(member);
        order.AddTail(member);
        order.AddTail(outline);
        order.AddTail(group);
    });
    ASSERT_EQ(m_document.ImportByPlugin(PorPlugIn(), Drawing()), 1);
    ASSERT_EQ(m_document.m_drawOrder.GetCount(), 3);
    const CObject* group = m_document.m_drawOrder.GetTail();
    ASSERT_EQ(m_document.m_topObjects.GetCount(), 1);
    EXPECT_EQ(m_document.m_topObjects.GetHead(), group);
    const CRukLayer* red = m_document.FindLayer("Red");
    ASSERT_NE(red, nullptr);
    // The member and its group; the outline belongs to its cut-out alone.
    EXPECT_EQ(red->m_entities.GetCount(), 2);
    EXPECT_EQ(
        red->m_entities.Find(m_document.m_drawOrder.GetAt(m_document.m_drawOrder.FindIndex(1))),
        nullptr);
}

struct RescaleCase {
    const char* name;
    UINT version;
    LONG unit;
    std::vector<int> points;
};

// Failures name the case, not its bytes.
void PrintTo(const RescaleCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class RescaleTest : public ControlFileTest, public ::testing::WithParamInterface<RescaleCase> {};

// Files of old versions hold thousandths of a unit.
TEST_P(RescaleTest, OldRedlinesTakeTheDrawingsUnit) {
    WriteControlFile(ControlPath(), GetParam().version, [this](CObList&, CObList& order) {
        order.AddTail(m_owned.Add(Redline(1000, 2000, -3000, 4005)));
    });
    ASSERT_EQ(m_document.ImportByPlugin(PorPlugIn(), Drawing(GetParam().unit)), 1);
    EXPECT_TRUE(m_dialogs.Messages().empty());
    EXPECT_EQ(RedlinePoints(), (std::vector<std::vector<int>>{GetParam().points}));
}

INSTANTIATE_TEST_SUITE_P(
    Versions, RescaleTest,
    ::testing::Values(RescaleCase{"UnitBelowThousand", 0x10005, 100, {100, 200, -300, 400}},
                      RescaleCase{
                          "UnitAboveThousand", 0x10005, 10000, {10000, 20000, -30000, 40050}},
                      RescaleCase{"UnitThousand", 0x10005, 1000, {1000, 2000, -3000, 4005}},
                      RescaleCase{"WithoutHeader", 0, 100, {100, 200, -300, 400}},
                      RescaleCase{"FirstWithPreamble", 0x10008, 100, {1000, 2000, -3000, 4005}}),
    [](const ::testing::TestParamInfo<RescaleCase>& info) { return info.param.name; });

struct UnreadableCase {
    const char* name;
    std::function<void(const CString& path, OwnedObjects& owned)> write;
};

// Failures name the case, not its bytes.
void PrintTo(const UnreadableCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class UnreadableTest : public ControlFileTest,
                       public ::testing::WithParamInterface<UnreadableCase> {};

TEST_P(UnreadableTest, FileIsKeptAndTheUserTold) {
    GetParam().write(ControlPath(), m_owned);
    const std::vector<BYTE> before = ReadBytes(ControlPath());
    ASSERT_EQ(m_document.ImportByPlugin(PorPlugIn(), Drawing()), 1);

    ASSERT_EQ(m_dialogs.Messages().size(), 1u);
    EXPECT_EQ(m_dialogs.Messages()[0].text, CString(kControlUnread) + "\n" + ControlPath());
    EXPECT_EQ(m_document.m_controlFileUnread, 1);
    EXPECT_EQ(ReadBytes(ControlPath()), before);
    // Nothing of it was taken; the drawing is there.
    EXPECT_TRUE(m_document.m_drawOrder.IsEmpty());
    EXPECT_TRUE(m_document.m_saveGroups.IsEmpty());
    EXPECT_EQ(m_document.m_fileVersion, 0u);
    EXPECT_EQ(m_document.m_objects.GetCount(), 1);
}

void WriteTwoLines(const CString& path, OwnedObjects& owned) {
    WriteControlFile(path, kCurrentVersion, [&owned](CObList&, CObList& order) {
        order.AddTail(owned.Add(Redline(1, 2, 3, 4)));
        order.AddTail(owned.Add(Redline(5, 6, 7, 8)));
    });
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnreadableTest,
    ::testing::Values(
        UnreadableCase{"Truncated",
                       [](const CString& path, OwnedObjects& owned) {
                           WriteTwoLines(path, owned);
                           std::vector<BYTE> bytes = ReadBytes(path);
                           bytes.resize(bytes.size() - 10);
                           WriteBytes(path, bytes);
                       }},
        UnreadableCase{"UnknownClass",
                       [](const CString& path, OwnedObjects&) {
                           std::vector<BYTE> bytes = {'R', 'u', 'k', 'C', 0x14, 0x00, 0x01, 0x00};
                           bytes.resize(16 + 12);
                           Add(bytes, std::vector<BYTE>{0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0xFF,
                                                        0xFF, 0x01, 0x00, 0x09, 0x00});
                           Add(bytes, std::string_view("CRukCloud"));
                           WriteBytes(path, bytes);
                       }},
        UnreadableCase{"LayerInTheDrawingOrder",
                       [](const CString& path, OwnedObjects& owned) {
                           WriteControlFile(
                               path, kCurrentVersion, [&owned](CObList&, CObList& order) {
                                   order.AddTail(owned.Add(Redline(1, 2, 3, 4)));
                                   order.AddTail(owned.Add(std::make_unique<CRukLayer>()));
                               });
                       }},
        UnreadableCase{"SameObjectTwice",
                       [](const CString& path, OwnedObjects& owned) {
                           WriteControlFile(path, kCurrentVersion,
                                            [&owned](CObList&, CObList& order) {
                                                CRukLine* line = owned.Add(Redline(1, 2, 3, 4));
                                                order.AddTail(line);
                                                order.AddTail(line);
                                            });
                       }},
        UnreadableCase{"RedlineAmongTheSaveGroups",
                       [](const CString& path, OwnedObjects& owned) {
                           WriteControlFile(path, kCurrentVersion,
                                            [&owned](CObList& groups, CObList&) {
                                                groups.AddTail(owned.Add(Redline(1, 2, 3, 4)));
                                            });
                       }}),
    [](const ::testing::TestParamInfo<UnreadableCase>& info) { return info.param.name; });

class HostileControlFileTest : public ControlFileTest,
                               public ::testing::WithParamInterface<HostileCase> {};

// Each file is refused or read at once, and what was read is freed once
// (the sanitizer build sees a leak or a second delete).
TEST_P(HostileControlFileTest, IsJudgedAtOnceWithNothingLeaked_Mended) {
    WriteBytes(ControlPath(), GetParam().build(HostileObjectFile::Kind::Control).Bytes());
    const auto start = CpuClock::now();
    ASSERT_EQ(m_document.ImportByPlugin(PorPlugIn(), Drawing()), 1);
    EXPECT_LT(CpuClock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(m_document.m_controlFileUnread, GetParam().read ? 0 : 1);
    EXPECT_EQ(m_dialogs.Messages().size(), GetParam().read ? 0u : 1u);
    EXPECT_EQ(m_document.m_drawOrder.IsEmpty(), !GetParam().read);
}

// A control file whose drawing order has that many entries.
HostileObjectFile HostileFile(DWORD count) {
    return HostileObjectFile(HostileObjectFile::Kind::Control, count);
}

// Groups nested one inside the other, as deep as given.
HostileObjectFile Nested(int depth) {
    HostileObjectFile file = HostileFile(1);
    for (int i = 1; i < depth; ++i)
        file.GroupHead(1);
    file.GroupHead(0);
    return file;
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileControlFileTest,
    ::testing::ValuesIn(HostileCases({
        {"NestingAtTheArchivesLimit",
         [](HostileObjectFile::Kind) { return Nested(CArchive::kMaxObjectDepth); }, true},
        {"DeepNestingIsRefusedInsteadOfOverflowingTheStack",
         [](HostileObjectFile::Kind) { return Nested(50000); }, false},
        {"SharedChildrenFortyDeepAreRefusedInsteadOfFanningOut",
         [](HostileObjectFile::Kind) {
             // Each group lists the one inside it twice.
             HostileObjectFile file = HostileFile(1);
             for (DWORD level = 0; level < 40; ++level)
                 file.GroupHead(2);
             file.GroupHead(0);
             for (DWORD level = 40; level > 0; --level)
                 file.Reference(level + 2);
             return file;
         },
         false},
        {"ChildTwiceInOneListIsRefused",
         [](HostileObjectFile::Kind) {
             HostileObjectFile file = HostileFile(2);
             file.GroupHead(0);
             file.GroupHead(2).Reference(2).Reference(2);
             return file;
         },
         false},
        {"LongChainIsRefusedInLinearTime",
         [](HostileObjectFile::Kind kind) { return HostileObjectFile::Chain(kind, 20000); }, false},
    })),
    [](const ::testing::TestParamInfo<HostileCase>& info) { return info.param.name; });

TEST_F(ControlFileTest, NextDrawingForgetsTheUnreadFile) {
    WriteBytes(ControlPath(), std::vector<BYTE>{'R', 'u', 'k', 'C', 0x14, 0x00, 0x01});
    ASSERT_EQ(m_document.ImportByPlugin(PorPlugIn(), Drawing()), 1);
    ASSERT_EQ(m_document.m_controlFileUnread, 1);
    ASSERT_EQ(m_document.ImportByPlugin(PorPlugIn(), WriteDrawing("other.por", OneLine())), 1);
    EXPECT_EQ(m_document.m_controlFileUnread, 0);
}

} // namespace

namespace {

// The newer markups filed by their gestures in a document of their own,
// written to the control file, read with the drawing.
TEST_F(ControlFileTest, BalloonNoteAndFlagComeBackWithTheirParts) {
    FixedTextMetrics metrics;
    CZumeoDoc source;
    source.m_curLayerName = "Red";
    source.m_noteText = "AB";
    const CDrawDefaults settings;
    CRecordingDC dc;
    std::vector<std::unique_ptr<CRukMark>> marks;
    marks.push_back(std::make_unique<CRukMarkBalloon>());
    marks.push_back(std::make_unique<CRukMarkTBox>());
    marks.push_back(std::make_unique<CRukMarkFlag>());
    for (auto& mark : marks) {
        mark->SetEndMarkFlag(1);
        mark->SetText("AB");
        mark->OnButtonDown(&dc, &source, 1000, 1000, &settings, 0);
        ASSERT_EQ(mark->AddPoint(4000, 3000, 0), 1);
        mark->Finish(&source, &dc, &settings);
        ASSERT_TRUE(source.AddFinishedMarkup(mark.release()));
    }
    WriteControlFile(ControlPath(), kCurrentVersion,
                     [&source](CObList&, CObList& order) { order.AddTail(&source.m_drawOrder); });
    ASSERT_EQ(m_document.ImportByPlugin(PorPlugIn(), Drawing()), 1);
    EXPECT_TRUE(m_dialogs.Messages().empty());
    ASSERT_EQ(m_document.m_topObjects.GetCount(), 3);
    const std::vector<std::pair<int, int>> expected{
        {MarkupKind(0x04), 5}, {MarkupKind(0x05), 2}, {MarkupKind(0x0D), 3}};
    POSITION position = m_document.m_topObjects.GetHeadPosition();
    for (const auto& [kind, parts] : expected) {
        const auto* mark =
            static_cast<const CRukEntity*>(m_document.m_topObjects.GetNext(position));
        EXPECT_EQ(mark->GetKind(), kind);
        EXPECT_EQ(mark->GetCount(), parts) << kind;
        for (POSITION part = mark->GetHeadPosition(); part;)
            EXPECT_TRUE(m_document.m_drawOrder.Find(mark->GetNext(part))) << kind;
    }
    EXPECT_EQ(m_document.m_drawOrder.GetCount(), 3 + 5 + 2 + 3);
}

} // namespace

namespace {

struct SelfListingCase {
    std::string name;
    // The class written, and the class and schema its record is given.
    int written;
    std::string readAs;
    WORD schema;
};

// Failures name the case, not its bytes.
void PrintTo(const SelfListingCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

// Every markup class as it writes itself, and the old schemas whose bodies
// repair their children while they are read, written by a class of the
// same layout.
std::vector<SelfListingCase> SelfListingCases() {
    std::vector<SelfListingCase> cases;
    for (int number : MarkupSeeds::Numbers())
        cases.push_back({MarkupSeeds::ClassName(number), number, MarkupSeeds::ClassName(number),
                         static_cast<WORD>(CMarkupKinds::Find(MarkupKind(number))->m_schema)});
    constexpr int kPolygon = 0x06;
    constexpr int kNote = 0x05;
    for (const auto& [written, readAs] :
         std::initializer_list<std::pair<int, const char*>>{{kPolygon, "CRukMarkPolygon"},
                                                            {kPolygon, "CRukMarkCloud"},
                                                            {kNote, "CRukMarkTBox"},
                                                            {kNote, "CRukMarkCircle"},
                                                            {kNote, "CRukMarkEllipse"},
                                                            {kNote, "CRukMarkSquare"},
                                                            {kNote, "CRukMarkBalloon"}})
        cases.push_back({std::string(readAs) + "OfSchemaZero", written, readAs, 0});
    return cases;
}

// The bytes with the class record of `from` made one of `to` with that schema.
std::vector<BYTE> Restamped(const std::vector<BYTE>& bytes, const std::string& from,
                            const std::string& to, WORD schema) {
    std::vector<BYTE> record{static_cast<BYTE>(from.size()), 0};
    record.insert(record.end(), from.begin(), from.end());
    const auto found = std::search(bytes.begin(), bytes.end(), record.begin(), record.end());
    std::vector<BYTE> out(bytes.begin(), found - 2);
    out.insert(out.end(), {static_cast<BYTE>(schema), static_cast<BYTE>(schema >> 8),
                           static_cast<BYTE>(to.size()), 0});
    out.insert(out.end(), to.begin(), to.end());
    out.insert(out.end(), found + static_cast<std::ptrdiff_t>(record.size()), bytes.end());
    return out;
}

class SelfListingMarkupTest : public ControlFileTest,
                              public ::testing::WithParamInterface<SelfListingCase> {};

// Mended: the archive resolved a markup's reference to itself while its body
// was still being read, and the body (an old one repairing its children's
// line widths) walked its children, itself first, until the stack ran out.
// The file is refused with the message instead.
TEST_P(SelfListingMarkupTest, IsRefusedInsteadOfWalkingItself_Mended) {
    const SelfListingCase& selfListing = GetParam();
    std::unique_ptr<CRukMark> created(MarkupSeeds::Create(selfListing.written));
    ASSERT_NE(created, nullptr) << "not linked";
    WriteControlFile(ControlPath(), kCurrentVersion, [&](CObList&, CObList& order) {
        CRukMark* mark = m_owned.Add(std::move(created));
        CRukLine* line = m_owned.Add(Redline(1, 2, 3, 4));
        mark->AddChild(mark);
        mark->AddChild(line);
        order.AddTail(line);
        order.AddTail(mark);
    });
    WriteBytes(ControlPath(),
               Restamped(ReadBytes(ControlPath()), MarkupSeeds::ClassName(selfListing.written),
                         selfListing.readAs, selfListing.schema));
    ASSERT_EQ(m_document.ImportByPlugin(PorPlugIn(), Drawing()), 1);
    ASSERT_EQ(m_dialogs.Messages().size(), 1u);
    EXPECT_EQ(m_dialogs.Messages()[0].text, CString(kControlUnread) + "\n" + ControlPath());
    EXPECT_TRUE(m_document.m_drawOrder.IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Classes, SelfListingMarkupTest, ::testing::ValuesIn(SelfListingCases()),
                         [](const ::testing::TestParamInfo<SelfListingCase>& info) {
                             return info.param.name;
                         });

} // namespace

namespace {

struct FarCase {
    const char* name;
    // Where a coordinate of the drawn markups goes (they lie within 0..8000).
    LONG (*place)(LONG);
};

// Failures name the case, not its bytes.
void PrintTo(const FarCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class FarMarkupTest : public ControlFileTest,
                      public ::testing::WithParamInterface<std::tuple<int, FarCase>> {};

// Mended: coordinates at the edge of the range the file can hold overflowed
// while a markup was read and filed (a circle's centre, a cloud's outline).
// Every markup class reads such a file and files it; the sanitizer build
// stops at any overflow.
TEST_P(FarMarkupTest, IsReadWithoutOverflow_Mended) {
    const auto& [number, far] = GetParam();
    MarkupSeeds::MarkupDocument markup(number);
    CObList& order = markup.Document().m_drawOrder;
    for (POSITION position = order.GetHeadPosition(); position;) {
        auto* object = static_cast<CRukEntity*>(order.GetNext(position));
        for (LONG* field : {&object->m_x1, &object->m_y1, &object->m_x2, &object->m_y2})
            *field = far.place(*field);
        for (INT_PTR i = 0; i < object->m_points.GetSize(); ++i)
            object->m_points[i] =
                POINT{far.place(object->m_points[i].x), far.place(object->m_points[i].y)};
    }
    WriteBytes(ControlPath(), ReaderSeeds::ControlFile(kCurrentVersion, order));
    ASSERT_EQ(m_document.ImportByPlugin(PorPlugIn(), Drawing()), 1);
    EXPECT_TRUE(m_dialogs.Messages().empty());
    EXPECT_EQ(m_document.m_drawOrder.GetCount(), order.GetCount());
}

INSTANTIATE_TEST_SUITE_P(
    Classes, FarMarkupTest,
    ::testing::Combine(::testing::ValuesIn(MarkupSeeds::Numbers()),
                       ::testing::Values(FarCase{"NearTheHighest",
                                                 [](LONG v) {
                                                     return std::numeric_limits<LONG>::max() -
                                                            8000 + v;
                                                 }},
                                         FarCase{"NearTheLowest",
                                                 [](LONG v) {
                                                     return std::numeric_limits<LONG>::min() +
                                                            8000 - v;
                                                 }})),
    [](const ::testing::TestParamInfo<std::tuple<int, FarCase>>& info) {
        return std::string(MarkupSeeds::ClassName(std::get<0>(info.param))) +
               std::get<1>(info.param).name;
    });

} // namespace
