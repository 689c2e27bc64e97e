// Texts that entities repeat are held once: equal texts share their bytes,
// the last holder frees them, and they are archived as plain strings.
#include "entities/CSharedString.h"
#include "entities/CRukLine.h"
#include "platform/mfc/CArchive.h"
#include "platform/mfc/CMemFile.h"
#include "por/PorRecord.h"
#include "por/PorRecordBuilder.h"
#include "por/PorRecords.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

// The bytes the archive writes for the value.
template <typename Text> std::vector<BYTE> Archived(const Text& text) {
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << text;
        ar.Close();
    }
    const BYTE* data = file.GetBuffer();
    return std::vector<BYTE>(data, data + file.GetLength());
}

TEST(CSharedStringTest, EqualTextsShareOneCopyUntilTheLastHolderGoes) {
    const std::size_t before = CSharedString::SharedCount();
    auto first = std::make_unique<CSharedString>(CString("LAYER-A"));
    auto second = std::make_unique<CSharedString>("LAYER-A");
    EXPECT_EQ(first->c_str(), second->c_str());
    EXPECT_EQ(*first, *second);
    EXPECT_EQ(CSharedString::SharedCount(), before + 1);

    const CSharedString other("LAYER-B");
    EXPECT_FALSE(*first == other);
    EXPECT_EQ(CSharedString::SharedCount(), before + 2);

    first.reset();
    EXPECT_STREQ(second->c_str(), "LAYER-A");
    EXPECT_EQ(CSharedString::SharedCount(), before + 2);
    second.reset();
    EXPECT_EQ(CSharedString::SharedCount(), before + 1);
}

TEST(CSharedStringTest, AssignmentsMoveTheHolderBetweenTexts) {
    const std::size_t before = CSharedString::SharedCount();
    CSharedString text("one");
    CSharedString copy = text;
    copy = CString("two");
    EXPECT_STREQ(text.c_str(), "one");
    EXPECT_STREQ(copy.c_str(), "two");
    text = copy;
    EXPECT_EQ(text.c_str(), copy.c_str());
    EXPECT_EQ(CSharedString::SharedCount(), before + 1);
    CSharedString moved = std::move(copy);
    EXPECT_TRUE(copy.IsEmpty());
    text = "";
    moved = moved;
    EXPECT_STREQ(moved.c_str(), "two");
    moved = CString();
    EXPECT_EQ(CSharedString::SharedCount(), before);
}

TEST(CSharedStringTest, EmptyTextHoldsNothingAndReadsEmpty) {
    const std::size_t before = CSharedString::SharedCount();
    const CSharedString empty(CString(""));
    const CSharedString none;
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_EQ(empty, none);
    EXPECT_EQ(empty, "");
    EXPECT_STREQ(none.c_str(), "");
    EXPECT_EQ(none.GetLength(), 0);
    EXPECT_EQ(CSharedString::SharedCount(), before);
}

TEST(CSharedStringTest, ComparesAndReadsAsTheStringItHolds) {
    const CSharedString text("Ab\x82\xA0");
    EXPECT_EQ(text, CString("Ab\x82\xA0"));
    EXPECT_EQ(CString("Ab\x82\xA0"), text);
    EXPECT_TRUE(text != "Ab");
    EXPECT_EQ(text.Compare("Ab\x82\xA0"), 0);
    EXPECT_EQ(text.CompareNoCase("aB\x82\xA0"), 0);
    EXPECT_EQ(text.GetLength(), 4);
    const CString& held = text;
    EXPECT_EQ(held.Left(2), CString("Ab"));
}

TEST(CSharedStringTest, ArchivedBytesAreThoseOfTheString) {
    // Below 255 bytes a one-byte length, from 255 a marker and a word.
    for (const std::string& text : {std::string(), std::string("L01"), std::string(300, 'x')}) {
        SCOPED_TRACE(text.size());
        EXPECT_EQ(Archived(CSharedString(CString(text))), Archived(CString(text)));
        CMemFile file;
        {
            CArchive ar(&file, CArchive::store);
            ar << CString(text);
            ar.Close();
        }
        file.SeekToBegin();
        CArchive ar(&file, CArchive::load);
        CSharedString back("before");
        ar >> back;
        EXPECT_EQ(back.str(), text);
    }
}

TEST(CSharedStringTest, HoldersOnManyThreadsLeaveNoTextBehind) {
    const std::size_t before = CSharedString::SharedCount();
    const CSharedString kept("kept by the test");
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back([&kept, t] {
            for (int i = 0; i < 2000; ++i) {
                const CSharedString shared(i % 2 ? "shared" : "also shared");
                CSharedString copy = shared;
                const CSharedString own(CString(std::to_string(t * 10000 + i % 7)));
                copy = kept;
                EXPECT_EQ(copy.c_str(), kept.c_str());
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(CSharedString::SharedCount(), before + 1);
}

TEST(CSharedStringTest, LinesOfOneLayerHoldItsNameOnce) {
    PorRecordBuilder builder(PorLine::Type);
    builder.Set(PorLine::Start, POINT{0, 0});
    builder.Set(PorLine::End, POINT{10, 10});
    builder.Set(PorLine::Pen, PorPen{1, 1000, 25, 0});
    builder.Set(PorLine::Layer, "WALLS-OF-THE-SECOND-FLOOR");
    const std::optional<PorRecord> record = PorRecord::Frame(builder.Bytes());
    ASSERT_TRUE(record);
    CRukLine first;
    CRukLine second;
    ASSERT_EQ(first.CreateFromRecord(&*record, nullptr, 0), 1);
    ASSERT_EQ(second.CreateFromRecord(&*record, nullptr, 0), 1);
    EXPECT_EQ(first.m_layerName.c_str(), second.m_layerName.c_str());
    EXPECT_EQ(first.m_sourceLayer.c_str(), second.m_layerName.c_str());
    EXPECT_EQ(first.GetLayerName(), CString("WALLS-OF-THE-SECOND-FLOOR"));
    EXPECT_EQ(CRukLine().m_layerName.c_str(), CRukLine().m_sourceLayer.c_str());
}

} // namespace
