// Memory files: growth, reading within the data, attaching and detaching.
#include "platform/mfc/CMemFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace {

TEST(CMemFileTest, WriteReadSeek) {
    CMemFile file;
    file.Write("hello", 5);
    EXPECT_EQ(file.GetLength(), 5u);
    EXPECT_EQ(file.GetPosition(), 5u);
    EXPECT_EQ(file.GetBufferSize(), 1024u);
    char buf[16] = {};
    EXPECT_EQ(file.Read(buf, 16), 0u); // at the end
    file.SeekToBegin();
    EXPECT_EQ(file.Read(buf, 16), 5u); // never past the end
    EXPECT_STREQ(buf, "hello");
    EXPECT_EQ(file.Seek(-2, CFile::end), 3u);
    EXPECT_EQ(file.Read(buf, 1), 1u);
    EXPECT_EQ(buf[0], 'l');
    EXPECT_EQ(file.Seek(1, CFile::current), 5u);
    EXPECT_EQ(file.SeekToEnd(), 5u);
    try {
        file.Seek(-6, CFile::end);
        FAIL();
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_cause, CFileException::badSeek);
    }
    EXPECT_EQ(file.GetPosition(), 5u);
}

TEST(CMemFileTest, GrowsInStepsAndFillsGaps) {
    CMemFile file(100);
    file.Write("a", 1);
    EXPECT_EQ(file.GetBufferSize(), 100u);
    file.Seek(250, CFile::begin); // past the end: nothing yet
    EXPECT_EQ(file.GetLength(), 1u);
    char buf[4];
    EXPECT_EQ(file.Read(buf, 4), 0u);
    file.Write("z", 1);
    EXPECT_EQ(file.GetLength(), 251u);
    EXPECT_EQ(file.GetBufferSize(), 300u);
    const BYTE* data = file.GetBuffer();
    EXPECT_EQ(data[0], 'a');
    for (int i = 1; i < 250; ++i)
        ASSERT_EQ(data[i], 0) << i;
    EXPECT_EQ(data[250], 'z');

    file.SetLength(10);
    EXPECT_EQ(file.GetLength(), 10u);
    EXPECT_EQ(file.GetPosition(), 10u);
    file.SetLength(20);
    EXPECT_EQ(file.GetBuffer()[15], 0);
}

TEST(CMemFileTest, AttachedFixedBufferStaysTheCallers) {
    BYTE data[6] = {'a', 'b', 'c', 'd', 'e', 'f'};
    {
        CMemFile file(data, 6);
        EXPECT_EQ(file.GetLength(), 6u);
        char buf[10];
        EXPECT_EQ(file.Read(buf, 10), 6u);
        file.SeekToBegin();
        file.Write("XY", 2);
        EXPECT_EQ(data[0], 'X');
        file.SeekToEnd();
        try {
            file.Write("!", 1);
            FAIL();
        } catch (const CFileException& e) {
            EXPECT_EQ(e.m_cause, CFileException::diskFull);
        }
        EXPECT_EQ(file.GetLength(), 6u);
    } // not freed (it is on the stack: freeing it would fail under ASan)
    CMemFile file;
    file.Attach(data, 6);
    EXPECT_EQ(file.Detach(), data);
    EXPECT_EQ(file.GetLength(), 0u);
    char c;
    EXPECT_EQ(file.Read(&c, 1), 0u);
}

TEST(CMemFileTest, AttachedGrowableBufferIsHandedOver) {
    auto* block = static_cast<BYTE*>(std::malloc(4));
    CMemFile file;
    file.Attach(block, 4, 16);
    EXPECT_EQ(file.GetLength(), 0u); // as the class library: the contents are ignored
    file.Write("0123456789", 10);    // reallocates the block
    EXPECT_EQ(file.GetLength(), 10u);
    EXPECT_EQ(file.GetBufferSize(), 20u);
    BYTE* back = file.Detach();
    EXPECT_EQ(std::memcmp(back, "0123456789", 10), 0);
    std::free(back);

    // Not detached: the file frees it.
    auto* other = static_cast<BYTE*>(std::malloc(8));
    CMemFile owner(other, 8, 8);
    owner.Write("abc", 3);
}

TEST(CMemFileTest, DetachGivesUpTheOwnBlock) {
    CMemFile file;
    file.Write("abc", 3);
    ULONGLONG length = file.GetLength();
    BYTE* block = file.Detach();
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(length, 3u);
    EXPECT_EQ(std::memcmp(block, "abc", 3), 0);
    std::free(block);
    EXPECT_EQ(file.Detach(), nullptr);
    file.Close();
}

} // namespace
