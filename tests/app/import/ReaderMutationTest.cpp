// Mutated copies of good control files and POR blocks fed to their readers
// for a few seconds: the sanitizer build sees any crash, leak or overflow,
// and a hang fails the test by its time. Longer runs are the fuzz targets'.
#include "ImportFixture.h"

#include "entities/CRukGroup.h"
#include "entities/CRukLine.h"
#include "entities/CRukSaveGroup.h"
#include "platform/mfc/CArchive.h"
#include "platform/mfc/CMemFile.h"
#include "tests/entities/ContainerRecords.h"
#include "tests/support/ByteMutator.h"
#include "tests/support/ReaderFeeds.h"

#include <chrono>
#include <cstring>
#include <memory>
#include <vector>

namespace {

using Bytes = ByteMutator::Bytes;
using std::chrono::milliseconds;

constexpr milliseconds kBudget{3000};
constexpr int kMaxCopies = 4000;

// A control file of that version with the objects in the drawing order;
// the save group goes first.
Bytes ControlFile(UINT version, const std::vector<CObject*>& drawOrder) {
    CMemFile file;
    if (version != 0) {
        BYTE header[16] = {'R', 'u', 'k', 'C'};
        std::memcpy(header + 4, &version, sizeof version);
        file.Write(header, sizeof header);
    }
    CRukSaveGroup saveGroup;
    saveGroup.m_groupName = "G";
    CObList saveGroups;
    saveGroups.AddTail(&saveGroup);
    CObList order;
    for (CObject* object : drawOrder)
        order.AddTail(object);
    {
        CArchive ar(&file, CArchive::store);
        if (version >= CControlFileReader::kPreambleVersion)
            ar << 1000 << 0 << 0 << CString("a") << CString("b");
        saveGroups.Serialize(ar);
        order.Serialize(ar);
        ar.Close();
    }
    const ULONGLONG length = file.GetLength();
    Bytes bytes(static_cast<std::size_t>(length));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(length));
    return bytes;
}

std::unique_ptr<CRukLine> Line(int x) {
    auto line = std::make_unique<CRukLine>();
    line->m_x1 = x;
    line->m_x2 = x + 10;
    line->m_layerName = "Red";
    line->RecalcExtents();
    return line;
}

std::vector<Bytes> ControlFileSeeds() {
    std::vector<Bytes> seeds;
    auto first = Line(1);
    auto second = Line(2);
    // Lines alone, in a file of today and one without a header.
    seeds.push_back(ControlFile(0x10014, {first.get(), second.get()}));
    seeds.push_back(ControlFile(0, {first.get()}));
    // Groups within groups, their members listed too.
    CRukGroup inner;
    inner.AddChild(first.get());
    inner.AddChild(second.get());
    CRukGroup outer;
    outer.AddChild(&inner);
    seeds.push_back(ControlFile(0x10014, {first.get(), second.get(), &inner, &outer}));
    // A group whose child is read inside its own list.
    CRukGroup holder;
    holder.AddChild(first.get());
    seeds.push_back(ControlFile(0x10008, {&holder}));
    return seeds;
}

Bytes Block(std::initializer_list<RecordBytes> records) {
    Bytes block;
    const PorRecordBuilder header = MakeHeader(3003, 1000);
    Add(block, header.Bytes());
    Add(block, MakeLayer("Walls", 1).Bytes());
    for (const RecordBytes& record : records)
        Add(block, record);
    Add(block, MakeEnd().Bytes());
    return block;
}

std::vector<Bytes> PorBlockSeeds() {
    const RecordBytes a = LineRecord("A", "Walls", {0, 0}, {100, 100});
    const RecordBytes b = LineRecord("B", "0", {5, 5}, {50, -50});
    return {
        Block({a, b}),
        Block({a, b, GroupRecord("G", "G1", {"A", "B", "A"}), GroupRecord("*A1", "G2", {"B"})}),
        Block({InsertRecord("I", "Walls", {a, InsertRecord("J", "0", {b})})}),
    };
}

class ReaderMutationTest : public ImportFixture {};

TEST_F(ReaderMutationTest, ControlFilesNeverCrashLeakOrHang) {
    const CString path = PathOf("plan.zcd");
    ByteMutator mutator(20261211);
    const int fed = mutator.FeedFor(ControlFileSeeds(), kBudget, kMaxCopies, [&](const Bytes& b) {
        ReaderFeeds::ControlFile(m_document, path, b);
    });
    EXPECT_GT(fed, 0);
}

TEST_F(ReaderMutationTest, PorBlocksNeverCrashLeakOrHang) {
    ByteMutator mutator(20261212);
    const int fed = mutator.FeedFor(PorBlockSeeds(), kBudget, kMaxCopies,
                                    [&](const Bytes& b) { ReaderFeeds::PorBlock(m_document, b); });
    EXPECT_GT(fed, 0);
}

// The seeds themselves read: a mutation test of a reader that refuses
// everything would prove nothing.
TEST_F(ReaderMutationTest, TheSeedsAreRead) {
    for (const Bytes& seed : ControlFileSeeds()) {
        WriteBytes(PathOf("seed.zcd"), seed);
        EXPECT_EQ(CControlFileReader::Read(PathOf("seed.zcd"), m_document),
                  CControlFileReader::Result::Read);
        m_document.ClearContents();
        m_document.ResetDocument();
    }
    for (const Bytes& seed : PorBlockSeeds())
        EXPECT_FALSE(CPorBlockImport(seed).Refused());
}

} // namespace
