#include "entities/CLineType.h"
#include "platform/mfc/CArchive.h"
#include "platform/mfc/CArchiveException.h"
#include "platform/mfc/CMemFile.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

std::vector<BYTE> Store(CLineType& type) {
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        type.Serialize(ar);
        ar.Close();
    }
    std::vector<BYTE> bytes(static_cast<std::size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

void Load(CLineType& type, std::vector<BYTE> bytes) {
    CMemFile file;
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    type.Serialize(ar);
}

std::vector<BYTE> Words(std::initializer_list<std::int32_t> words) {
    std::vector<BYTE> bytes;
    for (std::int32_t w : words)
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<BYTE>(static_cast<std::uint32_t>(w) >> (8 * i)));
    return bytes;
}

TEST(CLineTypeTest, DashesAreStoredInTenThousandthsTruncated) {
    CLineType type;
    type.m_id = 1001;
    type.m_dashes = {0.5, -0.25, 0.0, 0.00015, 1e12};
    EXPECT_EQ(Store(type), Words({1001, 5, 5000, -2500, 0, 1, INT_MAX}));

    CLineType back;
    Load(back, Store(type));
    EXPECT_EQ(back.m_id, 1001);
    ASSERT_EQ(back.GetCount(), 5);
    EXPECT_DOUBLE_EQ(back.m_dashes[1], -0.25);
    EXPECT_DOUBLE_EQ(back.m_dashes[3], 0.0001);
}

TEST(CLineTypeTest, CountOfZeroOrBelowReadsNoValues) {
    CLineType empty;
    empty.m_id = 7;
    EXPECT_EQ(Store(empty), Words({7, 0}));
    CLineType back;
    back.m_dashes = {1.0};
    Load(back, Words({7, -3}));
    EXPECT_EQ(back.GetCount(), 0);
}

TEST(CLineTypeTest, ACountPastTheDataEndsTheReadWithoutAHugeAllocation) {
    CLineType type;
    try {
        Load(type, Words({1001, 0x7FFFFFFF, 10, 20}));
        FAIL() << "expected the end of the data";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
    }
}

} // namespace
