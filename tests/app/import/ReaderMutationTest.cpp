// Mutated copies of good control files, drawing files and POR blocks fed to their readers
// for a few seconds: the sanitizer build sees any crash, leak or overflow,
// and a hang fails the test by its time. Longer runs are the fuzz targets'.
#include "ImportFixture.h"

#include "tests/entities/ContainerRecords.h"
#include "tests/support/ByteMutator.h"
#include "tests/support/ReaderFeeds.h"
#include "tests/support/ReaderSeeds.h"

#include <chrono>
#include <vector>

namespace {

using Bytes = ByteMutator::Bytes;
using std::chrono::milliseconds;

constexpr milliseconds kBudget{3000};
constexpr int kMaxCopies = 4000;

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
    const int fed =
        mutator.FeedFor(ReaderSeeds::ControlFiles(), kBudget, kMaxCopies,
                        [&](const Bytes& b) { ReaderFeeds::ControlFile(m_document, path, b); });
    EXPECT_GT(fed, 0);
}

TEST_F(ReaderMutationTest, OwnDrawingFilesNeverCrashLeakOrHang) {
    ByteMutator mutator(20261213);
    const int fed =
        mutator.FeedFor(ReaderSeeds::OwnDrawingFiles(), kBudget, kMaxCopies,
                        [&](const Bytes& b) { ReaderFeeds::OwnDrawing(m_document, b); });
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
    for (const Bytes& seed : ReaderSeeds::ControlFiles()) {
        WriteBytes(PathOf("seed.zcd"), seed);
        EXPECT_EQ(CControlFileReader::Read(PathOf("seed.zcd"), m_document),
                  CControlFileReader::Result::Read);
        m_document.ClearContents();
        m_document.ResetDocument();
    }
    for (const Bytes& seed : ReaderSeeds::OwnDrawingFiles())
        EXPECT_TRUE(ReaderFeeds::OwnDrawing(m_document, seed));
    for (const Bytes& seed : PorBlockSeeds())
        EXPECT_FALSE(CPorBlockImport(seed).Refused());
}

} // namespace
