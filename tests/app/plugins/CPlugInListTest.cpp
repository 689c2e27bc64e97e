#include "app/CPlugInList.h"

#include "platform/win/PathFunctions.h"
#include "tests/app/plugins/PlugInTestFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Texts(const std::vector<CString>& list) {
    std::vector<std::string> out;
    for (const CString& text : list)
        out.push_back(text.str());
    return out;
}

class CPlugInListTest : public ::testing::Test {
protected:
    void SetUp() override { m_list.Scan(FakePlugInFolder()); }

    std::string NameOf(const CPlugIn* plugIn) const {
        return plugIn ? GetFileTitleExt(plugIn->GetPath()).str() : "none";
    }

    CPlugInList m_list;
};

TEST_F(CPlugInListTest, HasEveryLibraryOfTheFolderSortedByName) {
    std::vector<std::string> names;
    for (int i = 0; i < m_list.GetCount(); ++i) {
        EXPECT_EQ(GetFileDir(m_list.GetAt(i).GetPath()), FakePlugInFolder());
        names.push_back(NameOf(&m_list.GetAt(i)));
    }
    EXPECT_EQ(names,
              (std::vector<std::string>{"FakeAlpha.so", "FakeBeta.so", "FakeCommentOnly.so",
                                        "FakeExtOnly.so", "FakeNoPorData.so", "NotALibrary.so"}));
}

struct EntryCase {
    int index;
    const char* filter;
    std::vector<std::string> patterns;
};

TEST_F(CPlugInListTest, EntriesCarryTheFilterAndPatternsTheirExportsGive) {
    const EntryCase cases[] = {
        // "ポリライン図面": the trail byte 0x7C of "ポ" is no bar of the filter.
        {0,
         "\x83\x7C\x83\x8A\x83\x89\x83\x43\x83\x93\x90\x7D\x96\xCA(*.PLN;*.dxf)|*.PLN;*.dxf|",
         {"*.PLN", "*.dxf"}},
        {1, "Beta(*.dxf;;*.bet;)|*.dxf;;*.bet;|", {"*.dxf", "*.bet"}},
        {2, "", {}}, // no pattern list
        {3, "", {}}, // no caption
        {4, "No data(*.nop;*)|*.nop;*|", {"*.nop", "*"}},
        {5, "", {}}, // not loadable
    };
    ASSERT_EQ(m_list.GetCount(), 6);
    for (const EntryCase& c : cases) {
        const CPlugIn& plugIn = m_list.GetAt(c.index);
        SCOPED_TRACE(NameOf(&plugIn));
        EXPECT_EQ(plugIn.GetFilter().str(), c.filter);
        EXPECT_EQ(Texts(plugIn.GetPatterns()), c.patterns);
    }
}

TEST_F(CPlugInListTest, ScanLeavesNoLibraryLoaded) {
    for (int i = 0; i < m_list.GetCount(); ++i) {
        SCOPED_TRACE(NameOf(&m_list.GetAt(i)));
        EXPECT_FALSE(IsLoaded(m_list.GetAt(i).GetPath()));
    }
}

struct ExtensionCase {
    const char* path;
    const char* plugIn;
};

TEST_F(CPlugInListTest, FindsTheFirstEntryWhosePatternNamesTheExtension) {
    const ExtensionCase cases[] = {
        {"/d/plan.dxf", "FakeAlpha.so"}, // listed by FakeBeta too
        {"/d/PLAN.DXF", "FakeAlpha.so"},
        {"/d/plan.pln", "FakeAlpha.so"}, // pattern in capitals
        {"/d/plan.Bet", "FakeBeta.so"},
        {"/d/plan.nop", "FakeNoPorData.so"},
        {"plan.dxf", "FakeAlpha.so"},
        {"/d/plan.ext", "none"}, // listed by a library without a caption
        {"/d/plan.dxf.bak", "none"},
        {"/d/plan.dx", "none"},
        {"/d/plan.dxff", "none"},
        {"/d/x.dxf/plan", "none"}, // the dot is in a folder
        {"/d/plan", "none"},       // not even for the bare star
        {"/d/plan.", "none"},
        {"", "none"},
    };
    for (const ExtensionCase& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(NameOf(m_list.FindByExt(c.path)), c.plugIn);
    }
}

TEST_F(CPlugInListTest, ANewScanReplacesTheEntriesAndUnloadsThem) {
    CPlugIn& alpha = m_list.GetAt(0);
    const CString path = alpha.GetPath();
    ASSERT_NE(alpha.Load(), nullptr);
    EXPECT_EQ(alpha.Load(), alpha.Load());
    m_list.Scan(FakePlugInFolder());
    EXPECT_FALSE(IsLoaded(path));
    EXPECT_EQ(m_list.GetCount(), 6);
}

TEST(CPlugInListLifetimeTest, DestroyingTheTableUnloadsItsLibraries) {
    CString path;
    {
        CPlugInList list;
        list.Scan(FakePlugInFolder());
        ASSERT_NE(list.GetAt(1).Load(), nullptr);
        path = list.GetAt(1).GetPath();
        ASSERT_TRUE(IsLoaded(path));
    }
    EXPECT_FALSE(IsLoaded(path));
}

TEST(CPlugInListLifetimeTest, MissingFolderGivesAnEmptyTable) {
    CPlugInList list;
    list.Scan(FakePlugInFolder() + "missing/");
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.FindByExt("plan.dxf"), nullptr);
}

TEST(CPlugInDxfTest, TheProgramFolderOffersTheDxfPlugIn) {
    CPlugInList list;
    list.Scan(GetProgramDir());
    const CPlugIn* dxf = list.FindByExt("/drawings/PLAN.DXF");
    ASSERT_NE(dxf, nullptr);
    EXPECT_EQ(dxf->GetPath(), GetProgramDir() + "RukDXF.so");
    // "DXF ファイル(*.dxf)|*.dxf|" in CP932.
    EXPECT_EQ(dxf->GetFilter().str(), "DXF \x83\x74\x83\x40\x83\x43\x83\x8B(*.dxf)|*.dxf|");
    EXPECT_EQ(Texts(dxf->GetPatterns()), std::vector<std::string>{"*.dxf"});
}

} // namespace
