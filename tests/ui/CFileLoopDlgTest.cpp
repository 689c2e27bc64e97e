#include "ui/CBatchConvDlg.h"
#include "ui/CBatchConvListDlg.h"
#include "ui/CSeqPrintDlg.h"
#include "ui/CSeqPrintListDlg.h"

#include "platform/win/CProfile.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempProfile.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

// A folder of mixed kinds, with a sub-folder named like a drawing.
class MixedFolder {
public:
    MixedFolder() {
        for (const char* name : {"a.dxf", "b.bmp", "c.P21", "d.ZMD", "e.jww", "f.tiff", "g.txt",
                                 "h.jpeg", "noext", "i.SFC", "j.JPG"}) {
            QFile file(m_dir.filePath(QString::fromUtf8(name)));
            file.open(QIODevice::WriteOnly);
            file.write("x");
        }
        QDir(m_dir.path()).mkdir(QStringLiteral("folder.dxf"));
    }
    CString Path() const { return CString::FromFilePath(m_dir.path()); }
    QString FilePath(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }

private:
    QTemporaryDir m_dir;
};

QStringList ListedNames(const QListWidget* list) {
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names.append(list->item(i)->text());
    return names;
}

template <class T> T* Control(QWidget& dialog, int id) {
    return dialog.findChild<T*>(QStringLiteral("id_%1").arg(id));
}

struct ListingCase {
    const char* name;
    bool batch;
    int kind;
    QStringList expected;
};

void PrintTo(const ListingCase& c, std::ostream* os) {
    *os << c.name;
}

class FolderListing : public ::testing::TestWithParam<ListingCase> {};

// Folders are never listed, however they are named, and the patterns match
// regardless of case.
TEST_P(FolderListing, ListsTheFilesOfTheKind) {
    const MixedFolder folder;
    std::unique_ptr<CFileLoopDlg> dialog;
    if (GetParam().batch)
        dialog = std::make_unique<CBatchConvListDlg>(
            folder.Path(), GetParam().kind,
            [](const CString&, const CString&, bool) { return CFileLoopDlg::Outcome::kDone; });
    else
        dialog = std::make_unique<CSeqPrintListDlg>(
            folder.Path(), GetParam().kind,
            [](const CString&, int, int) { return CFileLoopDlg::Outcome::kDone; });
    auto* list = Control<QListWidget>(*dialog, CFileLoopDlg::kListId);
    EXPECT_EQ(ListedNames(list), GetParam().expected);
    for (int i = 0; i < list->count(); ++i)
        EXPECT_EQ(list->item(i)->checkState(), Qt::Checked);
    EXPECT_EQ(Control<QPushButton>(*dialog, 1)->isEnabled(), !GetParam().expected.isEmpty());
    EXPECT_FALSE(
        Control<QProgressBar>(*dialog, CFileLoopDlg::kProgressId)->isVisibleTo(dialog.get()));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, FolderListing,
    ::testing::Values(
        ListingCase{"ConvertibleDrawings", true, 0, {"a.dxf", "c.P21", "e.jww", "i.SFC"}},
        ListingCase{"ConvertDxf", true, 3, {"a.dxf"}},
        ListingCase{"ConvertSxf", true, 6, {"c.P21", "i.SFC"}},
        ListingCase{"ConvertDwgNone", true, 4, {}},
        ListingCase{"PrintEveryDrawing",
                    false,
                    0,
                    {"a.dxf", "b.bmp", "c.P21", "d.ZMD", "e.jww", "f.tiff", "i.SFC", "j.JPG"}},
        ListingCase{"PrintOwn", false, 1, {"d.ZMD"}},
        ListingCase{"PrintJpegOnlyJpg", false, 8, {"j.JPG"}},
        ListingCase{"PrintTiff", false, 9, {"f.tiff"}},
        ListingCase{"PrintJwCad", false, 5, {"e.jww"}}),
    [](const ::testing::TestParamInfo<ListingCase>& info) { return info.param.name; });

TEST(FileKindOf, NamesTheKindByTheLastExtension) {
    const auto kinds = CSeqPrintDlg::Kinds();
    EXPECT_EQ(FileKindOf(QStringLiteral("plan.v2.Tif"), kinds), 9);
    EXPECT_EQ(FileKindOf(QStringLiteral("plan.dxf.bak"), kinds), 0);
    EXPECT_EQ(FileKindOf(QStringLiteral("zmd"), kinds), 0);
    EXPECT_EQ(FileKindOf(QStringLiteral("x.zmd"), CBatchConvDlg::Kinds()), 0);
}

TEST(JoinFolderPath, PutsOneSeparatorBetween) {
    EXPECT_EQ(JoinFolderPath(CString("/data/plans"), QStringLiteral("a.dxf")),
              CString("/data/plans/a.dxf"));
    EXPECT_EQ(JoinFolderPath(CString("/data/plans/"), QStringLiteral("a.dxf")),
              CString("/data/plans/a.dxf"));
}

struct StoredKindCase {
    const char* name;
    bool batch;
    bool converter;
    int stored;
    QString selected;
};

void PrintTo(const StoredKindCase& c, std::ostream* os) {
    *os << c.name;
}

class StoredKind : public ::testing::TestWithParam<StoredKindCase> {};

TEST_P(StoredKind, SelectsItsEntryOrTheFirst) {
    const TempProfile profile;
    const StoredKindCase& c = GetParam();
    CProfile::WriteProfileInt(c.batch ? "CONVERT" : "PRINT",
                              c.batch ? "CONVKINDINDEX" : "SEQKINDINDEX", c.stored);
    std::unique_ptr<CFolderKindDlg> dialog;
    if (c.batch)
        dialog = std::make_unique<CBatchConvDlg>(c.converter);
    else
        dialog = std::make_unique<CSeqPrintDlg>(c.converter, nullptr);
    auto* combo = Control<QComboBox>(*dialog, CFolderKindDlg::kKindId);
    EXPECT_EQ(combo->currentText(), c.selected);
    EXPECT_EQ(combo->findText(QStringLiteral("DWG ファイル(*.dwg)")) >= 0, c.converter);
}

INSTANTIATE_TEST_SUITE_P(
    Profiles, StoredKind,
    ::testing::Values(
        StoredKindCase{"BatchDefaultIsFirst", true, false, 1, QStringLiteral("変換可能な図面")},
        StoredKindCase{"BatchSxf", true, false, 6, QStringLiteral("SXF ファイル(*.sfc; *.p21)")},
        StoredKindCase{"BatchDwgWithConverter", true, true, 4,
                       QStringLiteral("DWG ファイル(*.dwg)")},
        StoredKindCase{"PrintDwgWithoutConverter", false, false, 4, QStringLiteral("すべての図面")},
        StoredKindCase{"PrintOwn", false, false, 1, QStringLiteral("Zumeo ファイル(*.zmd)")},
        StoredKindCase{"PrintUnknown", false, false, 2, QStringLiteral("すべての図面")}),
    [](const ::testing::TestParamInfo<StoredKindCase>& info) { return info.param.name; });

TEST(FolderKindDlg, NextKeepsTheFolderAndTheKind) {
    const TempProfile profile;
    const QTemporaryDir folder;
    CBatchConvDlg dialog(false);
    Control<QLineEdit>(dialog, CFolderKindDlg::kFolderId)->setText(folder.path());
    Control<QComboBox>(dialog, CFolderKindDlg::kKindId)->setCurrentIndex(3);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.m_kind, 6);
    EXPECT_EQ(CProfile::GetProfileInt("CONVERT", "CONVKINDINDEX", 0), 6U);
    EXPECT_EQ(CProfile::GetProfilePath("CONVERT", "CONVPATH").ToFilePath(), folder.path());
    EXPECT_EQ(Control<QLineEdit>(dialog, CFolderKindDlg::kFolderId)->maxLength(), 256);
}

struct MissingFolderCase {
    const char* name;
    const char* relative;
};

void PrintTo(const MissingFolderCase& c, std::ostream* os) {
    *os << c.name;
}

class MendedFolderKind : public ::testing::TestWithParam<MissingFolderCase> {};

TEST_P(MendedFolderKind, NextRefusesAFolderThatIsNotThere) {
    const TempProfile profile;
    const ScriptedDialogs dialogs;
    const QTemporaryDir scratch;
    QFile file(scratch.filePath("plain.dxf"));
    file.open(QIODevice::WriteOnly);
    CSeqPrintDlg dialog(false, nullptr);
    const QString text = *GetParam().relative ? scratch.filePath(GetParam().relative) : QString();
    Control<QLineEdit>(dialog, CFolderKindDlg::kFolderId)->setText(text);
    dialog.accept();
    EXPECT_EQ(dialog.result(), 0);
    ASSERT_EQ(dialogs.Messages().size(), 1U);
    EXPECT_EQ(dialogs.Messages()[0].text, CString::FromUtf8("フォルダが見つかりません。"));
    EXPECT_TRUE(CProfile::GetProfilePath("PRINT", "SEQPATH").IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Folders, MendedFolderKind,
                         ::testing::Values(MissingFolderCase{"Empty", ""},
                                           MissingFolderCase{"Missing", "gone"},
                                           MissingFolderCase{"AFile", "plain.dxf"}),
                         [](const ::testing::TestParamInfo<MissingFolderCase>& info) {
                             return info.param.name;
                         });

CFileLoopDlg::Outcome DoneOrStop(bool go) {
    return go ? CFileLoopDlg::Outcome::kDone : CFileLoopDlg::Outcome::kStop;
}

CFileLoopDlg::Outcome DoneOrFailed(bool done) {
    return done ? CFileLoopDlg::Outcome::kDone : CFileLoopDlg::Outcome::kFailed;
}

// Records the files handed on; a script decides the answer for each.
struct Recorder {
    std::vector<QString> names;
    std::function<bool(int)> answer = [](int) { return true; };
    bool operator()(const CString& path) {
        names.push_back(path.ToFilePath());
        return answer(static_cast<int>(names.size()));
    }
};

// Three DXF files: the routine refuses the second.
class ThreeDrawings : public ::testing::Test {
protected:
    ThreeDrawings() {
        for (const char* name : {"p1.dxf", "p2.dxf", "p3.dxf"}) {
            QFile file(m_dir.filePath(QString::fromUtf8(name)));
            file.open(QIODevice::WriteOnly);
        }
    }
    CString Path() const { return CString::FromFilePath(m_dir.path()); }
    QString FilePath(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir m_dir;
    Recorder recorder;
    ScriptedDialogs dialogs;
};

TEST_F(ThreeDrawings, AStoppedConversionLeavesTheRestAndTheDialogOpen) {
    recorder.answer = [](int n) { return n != 2; };
    CBatchConvListDlg dialog(Path(), 0, [this](const CString& path, const CString&, bool) {
        return DoneOrStop(recorder(path));
    });
    dialogs.Answer(IDYES);
    dialog.OnStart();
    EXPECT_EQ(recorder.names, (std::vector<QString>{FilePath("p1.dxf"), FilePath("p2.dxf")}));
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(dialog.m_abort, 1);
    EXPECT_FALSE(Control<QProgressBar>(dialog, CFileLoopDlg::kProgressId)->isVisibleTo(&dialog));
    EXPECT_FALSE(Control<QPushButton>(dialog, 2)->isEnabled());
    dialog.OnAbort();
    EXPECT_EQ(dialog.result(), CFileLoopDlg::kAbortResult);
}

// The click on "中止" arrives while a file is being handled and is seen
// before the next one.
TEST_F(ThreeDrawings, AbortIsSeenBetweenFiles) {
    CSeqPrintListDlg dialog(Path(), 3, [&](const CString& path, int length, int width) {
        EXPECT_EQ(length, 297);
        EXPECT_EQ(width, 210);
        if (recorder(path))
            QMetaObject::invokeMethod(Control<QPushButton>(dialog, 3), "click",
                                      Qt::QueuedConnection);
        return CFileLoopDlg::Outcome::kDone;
    });
    dialogs.Answer(IDYES);
    dialog.OnStart();
    EXPECT_EQ(recorder.names, (std::vector<QString>{FilePath("p1.dxf")}));
    EXPECT_EQ(dialog.result(), 0);
    ASSERT_EQ(dialogs.Messages().size(), 1U);
    EXPECT_EQ(dialogs.Messages()[0].text, CString::FromUtf8("連続印刷を実行しますか？"));
    EXPECT_EQ(dialogs.Messages()[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
}

// Escape while files are handled stops the loop instead of closing the
// dialog under it.
TEST_F(ThreeDrawings, EscapeWhileRunningStopsTheLoop) {
    CSeqPrintListDlg dialog(Path(), 3, [&](const CString& path, int, int) {
        recorder(path);
        dialog.reject();
        return CFileLoopDlg::Outcome::kDone;
    });
    dialogs.Answer(IDYES);
    dialog.OnStart();
    EXPECT_EQ(recorder.names.size(), 1U);
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(dialog.m_abort, 1);
}

TEST_F(ThreeDrawings, OnlyCheckedFilesAreHandedOnThenTheDialogCloses) {
    CSeqPrintListDlg dialog(
        Path(), 0, [&](const CString& path, int, int) { return DoneOrFailed(recorder(path)); });
    Control<QListWidget>(dialog, CFileLoopDlg::kListId)->item(1)->setCheckState(Qt::Unchecked);
    dialogs.Answer(IDYES);
    dialog.OnStart();
    EXPECT_EQ(recorder.names, (std::vector<QString>{FilePath("p1.dxf"), FilePath("p3.dxf")}));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(ThreeDrawings, NoToTheQuestionStartsNothing) {
    CSeqPrintListDlg dialog(
        Path(), 0, [&](const CString& path, int, int) { return DoneOrFailed(recorder(path)); });
    dialogs.Answer(IDNO);
    dialog.OnStart();
    EXPECT_TRUE(recorder.names.empty());
    EXPECT_TRUE(Control<QPushButton>(dialog, 1)->isEnabled());
    // Idle, "中止" closes the list so that the folder dialog comes back.
    dialog.OnAbort();
    EXPECT_EQ(dialog.result(), CFileLoopDlg::kAbortResult);
}

TEST_F(ThreeDrawings, ConvertsIntoTheDestinationWithOverwriteAll) {
    QTemporaryDir destination;
    CBatchConvListDlg dialog(Path(), 3, [&](const CString& path, const CString& folder, bool all) {
        EXPECT_EQ(folder.ToFilePath(), destination.path());
        EXPECT_FALSE(all);
        return DoneOrStop(recorder(path));
    });
    Control<QLineEdit>(dialog, CBatchConvListDlg::kDestinationId)->setText(destination.path());
    Control<QCheckBox>(dialog, CBatchConvListDlg::kOverwriteAllId)->setChecked(false);
    dialogs.Answer(IDYES);
    dialog.OnStart();
    EXPECT_EQ(recorder.names.size(), 3U);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

// A file that fails does not stop the loop; the failed files are named in
// one message when it ends.
TEST_F(ThreeDrawings, MendedFailedPrintsAreNamedWhenTheLoopEnds) {
    recorder.answer = [](int n) { return n == 1; };
    CSeqPrintListDlg dialog(
        Path(), 0, [&](const CString& path, int, int) { return DoneOrFailed(recorder(path)); });
    dialogs.Answer(IDYES);
    dialog.OnStart();
    EXPECT_EQ(recorder.names.size(), 3U);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(dialogs.Messages().size(), 2U);
    EXPECT_EQ(dialogs.Messages()[1].text,
              CString::FromUtf8("次の図面は印刷できませんでした。\np2.dxf\np3.dxf"));
    EXPECT_EQ(dialogs.Messages()[1].type, static_cast<UINT>(MB_ICONEXCLAMATION));
}

// Files done with items left out of their drawing are named in the same one
// message as the failures, after them.
TEST_F(ThreeDrawings, FilesWithItemsLeftOutAreNamedInTheSameReport) {
    int calls = 0;
    CSeqPrintListDlg dialog(Path(), 0, [&](const CString&, int, int) {
        return ++calls == 2 ? CFileLoopDlg::Outcome::kFailed
                            : CFileLoopDlg::Outcome::kDoneWithLeftOut;
    });
    dialogs.Answer(IDYES);
    dialog.OnStart();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(dialogs.Messages().size(), 2U);
    EXPECT_EQ(dialogs.Messages()[1].text,
              CString::FromUtf8("次の図面は印刷できませんでした。\np2.dxf\n\n"
                                "次の図面は一部の要素を読み込めませんでした。\np1.dxf\np3.dxf"));
    EXPECT_EQ(dialogs.Messages()[1].type, static_cast<UINT>(MB_ICONEXCLAMATION));
}

TEST_F(ThreeDrawings, MendedFailuresBeforeAStopAreNamedToo) {
    QTemporaryDir destination;
    int calls = 0;
    CBatchConvListDlg dialog(Path(), 3, [&](const CString&, const CString&, bool) {
        return ++calls == 1 ? CFileLoopDlg::Outcome::kFailed : CFileLoopDlg::Outcome::kStop;
    });
    Control<QLineEdit>(dialog, CBatchConvListDlg::kDestinationId)->setText(destination.path());
    dialogs.Answer(IDYES);
    dialog.OnStart();
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(dialog.result(), 0);
    ASSERT_EQ(dialogs.Messages().size(), 2U);
    EXPECT_EQ(dialogs.Messages()[1].text,
              CString::FromUtf8("次の図面は変換できませんでした。\np1.dxf"));
}

TEST(FileLoop, MendedLongListOfFailuresNamesTheFirstAndCountsTheRest) {
    const QTemporaryDir folder;
    for (int i = 10; i < 22; ++i) {
        QFile file(folder.filePath(QStringLiteral("d%1.dxf").arg(i)));
        file.open(QIODevice::WriteOnly);
    }
    ScriptedDialogs dialogs;
    CSeqPrintListDlg dialog(CString::FromFilePath(folder.path()), 3, [](const CString&, int, int) {
        return CFileLoopDlg::Outcome::kFailed;
    });
    dialogs.Answer(IDYES);
    dialog.OnStart();
    ASSERT_EQ(dialogs.Messages().size(), 2U);
    QString expected = QStringLiteral("次の図面は印刷できませんでした。");
    for (int i = 10; i < 20; ++i)
        expected += QStringLiteral("\nd%1.dxf").arg(i);
    expected += QStringLiteral("\nほか 2 件");
    EXPECT_EQ(dialogs.Messages()[1].text, CString::FromQString(expected));
}

struct DestinationCase {
    const char* name;
    QString (*make)(const QTemporaryDir& dir);
};

void PrintTo(const DestinationCase& c, std::ostream* os) {
    *os << c.name;
}

class MendedDestination : public ThreeDrawings,
                          public ::testing::WithParamInterface<DestinationCase> {};

TEST_P(MendedDestination, MustBeAWritableFolderBeforeStart) {
    QTemporaryDir scratch;
    CBatchConvListDlg dialog(Path(), 3, [&](const CString& path, const CString&, bool) {
        return DoneOrStop(recorder(path));
    });
    Control<QLineEdit>(dialog, CBatchConvListDlg::kDestinationId)
        ->setText(GetParam().make(scratch));
    dialogs.Answer(IDYES);
    dialog.OnStart();
    EXPECT_TRUE(recorder.names.empty());
    ASSERT_EQ(dialogs.Messages().size(), 1U);
    EXPECT_EQ(dialogs.Messages()[0].text,
              CString::FromUtf8("変換先フォルダが見つからないか、書き込みできません。"));
    EXPECT_TRUE(Control<QPushButton>(dialog, 1)->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Folders, MendedDestination,
    ::testing::Values(
        DestinationCase{"Missing", [](const QTemporaryDir& dir) { return dir.filePath("gone"); }},
        DestinationCase{"Empty", [](const QTemporaryDir&) { return QString(); }},
        DestinationCase{"AFile",
                        [](const QTemporaryDir& dir) {
                            QFile file(dir.filePath("plain"));
                            file.open(QIODevice::WriteOnly);
                            return dir.filePath("plain");
                        }}),
    [](const ::testing::TestParamInfo<DestinationCase>& info) { return info.param.name; });

} // namespace
