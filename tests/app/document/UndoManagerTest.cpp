// The undo history: its limit, what a push drops, undo and redo, and the
// Edit menu's texts.
#include "app/CUndoManager.h"
#include "platform/mfc/CString.h"
#include "tests/support/TempProfile.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

// A record that only counts what was done to it.
class CountingRecord : public CUndoRecord {
public:
    CountingRecord(const char* name, std::vector<std::string>& log)
        : CUndoRecord(nullptr, name), m_log(log) {}
    int Undo() override {
        m_log.push_back("undo " + GetName().str());
        return 1;
    }
    int Redo() override {
        m_log.push_back("redo " + GetName().str());
        return 1;
    }

private:
    std::vector<std::string>& m_log;
};

class UndoManagerTest : public ::testing::Test {
protected:
    // A history whose limit the profile gives.
    void SetLimit(int limit) { CProfile::WriteProfileInt("UNDO", "MAXCNT", limit); }
    void Push(CUndoManager& manager, const char* name) {
        manager.Push(new CountingRecord(name, m_log));
    }

    TempProfile m_profile;
    std::vector<std::string> m_log;
};

TEST_F(UndoManagerTest, LimitDefaultsToFifty) {
    const CUndoManager manager;
    EXPECT_EQ(manager.GetLimit(), 50);
}

struct LimitCase {
    const char* name;
    int stored;
    int limit;
};

void PrintTo(const LimitCase& c, std::ostream* out) {
    *out << c.name;
}

class UndoLimitTest : public UndoManagerTest, public ::testing::WithParamInterface<LimitCase> {};

// Pushing beyond the limit keeps the newest records and undoes them newest first.
TEST_P(UndoLimitTest, PushBeyondTheLimitDropsTheOldest) {
    SetLimit(GetParam().stored);
    CUndoManager manager;
    ASSERT_EQ(manager.GetLimit(), GetParam().limit);
    const int pushed = GetParam().limit + 2;
    for (int i = 0; i < pushed; ++i)
        Push(manager, std::to_string(i).c_str());
    EXPECT_EQ(manager.GetCount(), GetParam().limit);
    int undone = 0;
    while (manager.Undo())
        ++undone;
    EXPECT_EQ(undone, GetParam().limit);
    EXPECT_EQ(m_log.front(), "undo " + std::to_string(pushed - 1));
    EXPECT_EQ(m_log.back(), "undo " + std::to_string(pushed - GetParam().limit));
}

INSTANTIATE_TEST_SUITE_P(
    Limits, UndoLimitTest,
    ::testing::Values(LimitCase{"One", 1, 1}, LimitCase{"Two", 2, 2}, LimitCase{"Fifty", 50, 50},
                      // Mended: a limit of 0 or below crashed on the first push.
                      LimitCase{"MendedZeroIsOne", 0, 1}, LimitCase{"MendedNegativeIsOne", -5, 1}),
    [](const ::testing::TestParamInfo<LimitCase>& info) { return info.param.name; });

TEST_F(UndoManagerTest, LimitOfOneReplacesTheRecord) {
    SetLimit(1);
    CUndoManager manager;
    Push(manager, "a");
    Push(manager, "b");
    EXPECT_EQ(manager.GetCount(), 1);
    EXPECT_EQ(manager.GetUndoName(), CString("b"));
}

TEST_F(UndoManagerTest, PushAfterTwoUndosDropsTheRedoRecords) {
    CUndoManager manager;
    for (const char* name : {"a", "b", "c"})
        Push(manager, name);
    manager.Undo();
    manager.Undo();
    ASSERT_TRUE(manager.CanRedo());
    Push(manager, "d");
    EXPECT_FALSE(manager.CanRedo());
    EXPECT_EQ(manager.GetCount(), 2);
    EXPECT_EQ(manager.GetUndoName(), CString("d"));
    manager.Undo();
    EXPECT_EQ(manager.GetUndoName(), CString("a"));
}

TEST_F(UndoManagerTest, UndoToTheFirstThenRedoRedoesTheFirst) {
    CUndoManager manager;
    Push(manager, "a");
    Push(manager, "b");
    EXPECT_EQ(manager.Undo(), 1);
    EXPECT_EQ(manager.Undo(), 1);
    EXPECT_EQ(manager.Undo(), 0);
    EXPECT_FALSE(manager.CanUndo());
    EXPECT_EQ(manager.Redo(), 1);
    EXPECT_EQ(manager.Redo(), 1);
    EXPECT_EQ(manager.Redo(), 0);
    EXPECT_EQ(m_log, (std::vector<std::string>{"undo b", "undo a", "redo a", "redo b"}));
}

TEST_F(UndoManagerTest, AtTheLimitWithTheOldestCurrentAPushLeavesOnlyTheNewRecord) {
    SetLimit(3);
    CUndoManager manager;
    for (const char* name : {"a", "b", "c"})
        Push(manager, name);
    manager.Undo();
    manager.Undo();
    Push(manager, "d");
    EXPECT_EQ(manager.GetCount(), 1);
    EXPECT_EQ(manager.GetUndoName(), CString("d"));
    EXPECT_FALSE(manager.CanRedo());
}

// A record that refuses leaves the history where it stood.
TEST_F(UndoManagerTest, RefusingRecordKeepsThePosition) {
    class Refusing : public CUndoRecord {
    public:
        Refusing() : CUndoRecord(nullptr, "x") {}
        int Undo() override { return 0; }
    };
    CUndoManager manager;
    manager.Push(new Refusing);
    EXPECT_EQ(manager.Undo(), 0);
    EXPECT_TRUE(manager.CanUndo());
    EXPECT_FALSE(manager.CanRedo());
}

TEST_F(UndoManagerTest, MenuTellsWhatUndoAndRedoWouldDo) {
    struct Item {
        UINT id;
        std::string text;
        bool enabled;
    };
    std::vector<Item> items;
    CUndoManager manager;
    manager.SetMenu(
        [&items](UINT id, const CString& text, bool enabled) {
            items.push_back({id, text.ToQString().toStdString(), enabled});
        },
        1, 2);
    Push(manager, "move");
    manager.Undo();
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].text, "元に戻す(&N) move\tCtrl+Z");
    EXPECT_TRUE(items[0].enabled);
    EXPECT_EQ(items[1].text, "やり直し(&O)\tCtrl+Y");
    EXPECT_FALSE(items[1].enabled);
    EXPECT_EQ(items[2].id, 1u);
    EXPECT_EQ(items[2].text, "元に戻す(&N)\tCtrl+Z");
    EXPECT_FALSE(items[2].enabled);
    EXPECT_EQ(items[3].id, 2u);
    EXPECT_EQ(items[3].text, "やり直し(&O) move\tCtrl+Y");
    EXPECT_TRUE(items[3].enabled);
}

} // namespace
