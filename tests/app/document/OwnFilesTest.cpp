// The own drawing file and the control file: their bytes, their round
// trips, the older versions the reader takes, and saves that fail.
#include "SerialMarkup.h"
#include "app/CZumeoDoc.h"
#include "entities/CLineType.h"
#include "entities/CRukGroup.h"
#include "entities/CRukInsert.h"
#include "entities/CRukLayer.h"
#include "entities/CRukPolygon.h"
#include "entities/CRukPolyline.h"
#include "entities/EntityKinds.h"
#include "platform/mfc/CArchive.h"
#include "platform/mfc/CFile.h"
#include "tests/support/CpuClock.h"
#include "tests/support/HostileObjectCases.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempProfile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <cstring>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

std::string Hex(const QByteArray& bytes) {
    return bytes.toHex(' ').toStdString();
}

QByteArray ReadAll(const CString& path) {
    QFile file(path.ToFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class OwnFilesTest : public ::testing::Test {
protected:
    CString PathOf(const char* name) const {
        return CString::FromFilePath(m_folder.path()) + "/" + name;
    }

    // A drawing entity on its layer, as an import files it.
    template <class T> T* Add(CZumeoDoc& doc, T* entity, const char* layer) {
        entity->m_layerName = layer;
        entity->RecalcExtents();
        doc.AddRecordEntity(entity);
        return entity;
    }

    // One entity of every drawing class, a line type, and a hidden layer.
    void FillDrawing(CZumeoDoc& doc) {
        doc.m_scale = 1.2345;
        doc.m_scaleMode = 0;
        doc.m_unit = 10000;
        auto* lineType = new CLineType;
        lineType->m_id = 1000;
        lineType->m_dashes = {2.5, -1.25};
        doc.m_lineTypes.AddTail(lineType);
        CRukLine* line = Add(doc, MakeLine("A", 0, 0, 100, 50), "A");
        auto* polyline = new CRukPolyline;
        polyline->SetFirstPoint(0, 0);
        polyline->AppendPoint(40, 80);
        polyline->AppendPoint(90, -10);
        Add(doc, polyline, "B");
        auto* polygon = new CRukPolygon;
        polygon->SetFirstPoint(5, 5);
        polygon->AppendPoint(60, 5);
        polygon->AppendPoint(30, 70);
        Add(doc, polygon, "B");
        auto* group = new CRukGroup;
        group->m_groupName = "G1";
        group->AddChild(line);
        group->AddChild(polyline);
        doc.m_topObjects.AddTail(group);
        Add(doc, group, "A");
        Add(doc, new CRukInsert, "C");
        doc.FindLayer("B")->m_visible = 0;
    }

    // A drawing in a writable folder with its control file "plan.zcd"
    // saved, then a redline added and recorded.
    void EditAfterSave(CZumeoDoc& doc) {
        doc.m_controlPath = PathOf("plan.zcd");
        doc.m_workPath = PathOf("plan.$$$");
        ASSERT_TRUE(doc.CreateWorkFile());
        ASSERT_TRUE(doc.SaveControlFile(doc.m_controlPath));
        doc.AddMarkup(MakeLine("Red", 1, 2, 3, 4));
        doc.m_undo.Push(new CUndoRecord(&doc, "x"));
    }

    TempProfile m_profile;
    ScriptedDialogs m_dialogs;
    QTemporaryDir m_folder;
};

TEST_F(OwnFilesTest, EmptyControlFileBytes) {
    CZumeoDoc doc;
    ASSERT_TRUE(doc.SaveControlFile(PathOf("plan.zcd")));
    EXPECT_EQ(Hex(ReadAll(PathOf("plan.zcd"))),
              "52 75 6b 43 14 00 01 00 00 00 00 00 00 00 00 00 "
              "e8 03 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
}

TEST_F(OwnFilesTest, EmptyOwnDrawingFileBytes) {
    CZumeoDoc doc;
    doc.m_ownDocPath = PathOf("plan.zmd");
    ASSERT_TRUE(doc.SaveOwnDocument());
    EXPECT_EQ(Hex(ReadAll(PathOf("plan.zmd"))),
              "52 75 6b 44 10 00 01 00 00 00 00 00 00 00 00 00 "
              "e8 03 00 00 01 00 00 00 e8 03 00 00 00 00 00 00 00 00");
}

// Written, read back and written again, a drawing of every class gives the
// same bytes; the scale keeps three decimals and the hidden layer stays hidden.
TEST_F(OwnFilesTest, EveryEntityClassRoundTripsByteForByte) {
    CZumeoDoc first;
    FillDrawing(first);
    first.m_ownDocPath = PathOf("plan.zmd");
    ASSERT_TRUE(first.SaveOwnDocument());
    const QByteArray written = ReadAll(first.m_ownDocPath);
    // The scale 1.2345 is stored as 1234.
    EXPECT_EQ(Hex(written.mid(16, 4)), "d2 04 00 00");

    CZumeoDoc second;
    ASSERT_TRUE(second.OnOpenDocument(PathOf("plan.zmd").c_str()));
    EXPECT_DOUBLE_EQ(second.m_scale, 1.234);
    EXPECT_EQ(second.m_unit, 10000u);
    EXPECT_EQ(second.m_objects.GetCount(), 5);
    EXPECT_EQ(second.m_topObjects.GetCount(), 1);
    EXPECT_EQ(second.GetLayerState("A"), 1);
    EXPECT_EQ(second.GetLayerState("B"), 0);
    EXPECT_NE(second.FindLinePattern(1000), nullptr);
    EXPECT_EQ(second.m_openState, CZumeoDoc::kOpenOwnFile);
    EXPECT_EQ(second.GetTitle(), CString("plan.zmd"));

    second.m_ownDocPath = PathOf("again.zmd");
    ASSERT_TRUE(second.SaveOwnDocument());
    EXPECT_EQ(Hex(ReadAll(second.m_ownDocPath)), Hex(written));
}

// A markup's children stand in the draw order too; they come back as the
// same objects, once.
TEST_F(OwnFilesTest, MarkupChildrenInTheDrawOrderReloadAsTheSameObjects) {
    CZumeoDoc first;
    Add(first, MakeLine("A", 0, 0, 1000, 1000), "A");
    auto* markup = new SerialMarkup(MarkupKind(3));
    for (int i = 0; i < 2; ++i) {
        CRukLine* child = MakeLine("Red", i, i, 10 + i, 10 + i);
        first.AddMarkup(child);
        first.AddToLayer(child);
        markup->AddChild(child);
    }
    first.AddMarkup(markup);
    first.m_ownDocPath = PathOf("plan.zmd");
    ASSERT_TRUE(first.SaveOwnDocument());
    ASSERT_TRUE(first.SaveControlFile(PathOf("plan.zcd")));

    CZumeoDoc second;
    ASSERT_TRUE(second.OnOpenDocument(PathOf("plan.zmd").c_str()));
    EXPECT_EQ(second.m_fileVersion, 0x10014u);
    ASSERT_EQ(second.m_drawOrder.GetCount(), 3);
    POSITION position = second.m_drawOrder.GetHeadPosition();
    CObject* child1 = second.m_drawOrder.GetNext(position);
    CObject* child2 = second.m_drawOrder.GetNext(position);
    const auto* reloaded = static_cast<CRukEntity*>(second.m_drawOrder.GetNext(position));
    EXPECT_EQ(reloaded->GetKind(), MarkupKind(3));
    POSITION children = reloaded->GetHeadPosition();
    EXPECT_EQ(reloaded->GetNext(children), child1);
    EXPECT_EQ(reloaded->GetNext(children), child2);
    EXPECT_EQ(second.m_topObjects.GetCount(), 1);
    EXPECT_EQ(second.m_redlineModified, 0);
}

TEST_F(OwnFilesTest, SavedGroupTextsComeBackOntoTheirGroups) {
    CZumeoDoc first;
    FillDrawing(first);
    auto* group = static_cast<CRukGroup*>(first.m_topObjects.GetHead());
    group->m_tag = "tag";
    group->m_name = "name";
    ASSERT_TRUE(first.SaveControlFile(PathOf("plan.zcd")));
    ASSERT_EQ(first.m_saveGroups.GetCount(), 1);
    // The drawing itself keeps the group without its texts.
    group->m_tag.Empty();
    group->m_name.Empty();
    first.m_ownDocPath = PathOf("plan.zmd");
    ASSERT_TRUE(first.SaveOwnDocument());

    CZumeoDoc second;
    ASSERT_TRUE(second.OnOpenDocument(PathOf("plan.zmd").c_str()));
    const auto* reloaded = static_cast<CRukGroup*>(second.m_topObjects.GetHead());
    EXPECT_EQ(reloaded->m_tag, CString("tag"));
    EXPECT_EQ(reloaded->m_name, CString("name"));
}

// ---- Older own drawing files

struct LegacyCase {
    const char* name;
    UINT version;
    double scale;
    int scaleMode;
    UINT unit;
    int lineTypes;
    // The hidden layer's state after the open: stored states only from 0x10009.
    int layerState;
};

void PrintTo(const LegacyCase& c, std::ostream* out) {
    *out << c.name;
}

class LegacyOwnFileTest : public OwnFilesTest, public ::testing::WithParamInterface<LegacyCase> {
protected:
    // The file as that version wrote it: scale 2.5, metric flag 0, unit 100,
    // one line type, layer "L" hidden, one line on it.
    void WriteLegacy(const CString& path, UINT version) {
        CFile file;
        ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite));
        CArchive ar(&file, CArchive::store);
        if (version != 0) {
            ar.Write("RukD", 4);
            ar << version << 0 << 0;
        }
        if (version >= 0x10003)
            ar << 2500 << 0;
        if (version >= 0x10007)
            ar << 100;
        CObList lineTypes;
        CLineType lineType;
        lineType.m_id = 1000;
        lineType.m_dashes = {1.0, -1.0};
        lineTypes.AddTail(&lineType);
        if (version >= 0x10008)
            lineTypes.Serialize(ar);
        CObList layers;
        CRukLayer layer;
        layer.m_name = "L";
        layer.m_visible = 0;
        layers.AddTail(&layer);
        if (version >= 0x10009)
            layers.Serialize(ar);
        CObList objects;
        std::unique_ptr<CRukLine> line(MakeLine("L", 0, 0, 500, 500));
        objects.AddTail(line.get());
        objects.Serialize(ar);
        ar.Close();
    }
};

TEST_P(LegacyOwnFileTest, ReadsWhatTheVersionHolds) {
    const LegacyCase& c = GetParam();
    const CString path = PathOf("old.zmd");
    WriteLegacy(path, c.version);
    CZumeoDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path.c_str()));
    EXPECT_TRUE(m_dialogs.Messages().empty());
    EXPECT_DOUBLE_EQ(doc.m_scale, c.scale);
    EXPECT_EQ(doc.m_scaleMode, c.scaleMode);
    EXPECT_EQ(doc.m_unit, c.unit);
    EXPECT_EQ(doc.m_lineTypes.GetCount(), c.lineTypes);
    EXPECT_EQ(doc.GetLayerState("L"), c.layerState);
    ASSERT_EQ(doc.m_objects.GetCount(), 1);
    EXPECT_EQ(static_cast<CRukEntity*>(doc.m_objects.GetHead())->m_x2, 500);
}

INSTANTIATE_TEST_SUITE_P(Versions, LegacyOwnFileTest,
                         ::testing::Values(
                             // Mended: version 0 files were refused as "not an own drawing file".
                             LegacyCase{"MendedVersionZeroWithoutHeader", 0, 1.0, 1, 1000, 0, 1},
                             LegacyCase{"Scale", 0x10003, 2.5, 0, 1000, 0, 1},
                             LegacyCase{"Unit", 0x10007, 2.5, 0, 100, 0, 1},
                             LegacyCase{"LineTypesWithoutLayerStates", 0x10008, 2.5, 0, 100, 1, 1},
                             LegacyCase{"LayerStates", 0x10009, 2.5, 0, 100, 1, 0},
                             LegacyCase{"Current", 0x10010, 2.5, 0, 100, 1, 0}),
                         [](const ::testing::TestParamInfo<LegacyCase>& info) {
                             return info.param.name;
                         });

// Mended: an own drawing file from before the header was not recognised as
// one; only the extension tells it from other files.
TEST_F(OwnFilesTest, MendedHeaderlessOwnDrawingFileIsKnownByItsExtension) {
    for (const char* name : {"old.zmd", "old.ZMD", "old.zcd"}) {
        QFile file(PathOf(name).ToFilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromHex("01 00 ff ff 02 00 08 00 43 52 75 6b 4c 69 6e 65"));
    }
    EXPECT_EQ(CCommonDoc::GetFileKind(PathOf("old.zmd")), 1);
    EXPECT_EQ(CCommonDoc::GetFileKind(PathOf("old.ZMD")), 1);
    EXPECT_EQ(CCommonDoc::GetFileKind(PathOf("old.zcd")), -1);
}

// ---- Failures

// A class of a newer schema than this program knows fails the open with a
// message, and the document is left empty.
TEST_F(OwnFilesTest, NewerSchemaFailsTheOpenCleanly) {
    const CString path = PathOf("new.zmd");
    {
        CFile file;
        ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite));
        CArchive ar(&file, CArchive::store);
        ar.Write("RukD", 4);
        ar << 0x10010u << 0 << 0 << 1000 << 1 << 1000;
        ar << WORD(0) << WORD(0);
        // One object of class CRukGroup, schema 1.
        ar << WORD(1) << WORD(0xFFFF) << WORD(1) << WORD(9);
        ar.Write("CRukGroup", 9);
        ar << 0 << 0 << 0 << 0;
        ar.Close();
    }
    CZumeoDoc doc;
    EXPECT_FALSE(doc.OnOpenDocument(path.c_str()));
    ASSERT_EQ(m_dialogs.Messages().size(), 1u);
    EXPECT_TRUE(m_dialogs.Messages()[0].text.ToQString().startsWith(QStringLiteral(
        "このファイルには新しいバージョンのデータが含まれているため読み込めません。")));
    EXPECT_TRUE(doc.m_objects.IsEmpty());
    EXPECT_TRUE(doc.m_layers.IsEmpty());
}

TEST_F(OwnFilesTest, NotAnOwnDrawingFileIsARefusedRead) {
    const CString path = PathOf("plan.zcd");
    CZumeoDoc doc;
    ASSERT_TRUE(doc.SaveControlFile(path));
    EXPECT_FALSE(doc.OnOpenDocument(path.c_str()));
    ASSERT_EQ(m_dialogs.Messages().size(), 1u);
    EXPECT_TRUE(
        m_dialogs.Messages()[0].text.ToQString().startsWith(QStringLiteral("読み込みエラー")));
}

// Mended: a failed write cleared the modified flag and the undo history and
// said nothing. The old file stays, and so do the flag and the history.
TEST_F(OwnFilesTest, MendedFailedControlSaveKeepsTheOldFileAndTheFlag) {
    const CString path = PathOf("plan.zcd");
    CZumeoDoc doc;
    EditAfterSave(doc);
    const QByteArray good = ReadAll(path);
    // Something that is not a file stands where the new copy would be written.
    ASSERT_TRUE(QDir().mkpath((path + ".tmp").ToFilePath()));
    EXPECT_FALSE(doc.OnFileSave());
    EXPECT_EQ(ReadAll(path), good);
    EXPECT_EQ(doc.m_redlineModified, 1);
    EXPECT_TRUE(doc.m_undo.CanUndo());
    ASSERT_EQ(m_dialogs.Messages().size(), 1u);
    EXPECT_TRUE(
        m_dialogs.Messages()[0].text.ToQString().contains(QStringLiteral("保存されていません")));
}

TEST_F(OwnFilesTest, SaveReplacesTheFileAndLeavesNoTemporaryFile) {
    const CString path = PathOf("plan.zcd");
    CZumeoDoc doc;
    EditAfterSave(doc);
    EXPECT_TRUE(doc.OnFileSave());
    EXPECT_EQ(doc.m_redlineModified, 0);
    // After Ctrl+S nothing can be undone.
    EXPECT_FALSE(doc.m_undo.CanUndo());
    EXPECT_GT(ReadAll(path).size(), 34);
    EXPECT_FALSE(QFile::exists((path + ".tmp").ToFilePath()));
}

TEST_F(OwnFilesTest, ReadOnlyCtrlSAnsweredNoWritesNothing) {
    const CString path = PathOf("plan.zcd");
    CZumeoDoc doc;
    doc.m_controlPath = path;
    doc.AddMarkup(MakeLine("Red", 1, 2, 3, 4));
    m_dialogs.Answer(IDNO);
    EXPECT_FALSE(doc.OnFileSave());
    EXPECT_FALSE(QFile::exists(path.ToFilePath()));
    EXPECT_EQ(doc.m_redlineModified, 1);
    EXPECT_TRUE(m_dialogs.SaveRequests().empty());
}

TEST_F(OwnFilesTest, ReadOnlyCtrlSAnsweredYesSavesUnderTheChosenName) {
    CZumeoDoc doc;
    doc.m_controlPath = PathOf("plan.zcd");
    doc.AddMarkup(MakeLine("Red", 1, 2, 3, 4));
    m_dialogs.Answer(IDYES);
    m_dialogs.AnswerSaveFile(PathOf("elsewhere.zcd").ToFilePath());
    EXPECT_TRUE(doc.OnFileSave());
    EXPECT_TRUE(QFile::exists(PathOf("elsewhere.zcd").ToFilePath()));
    EXPECT_FALSE(QFile::exists(PathOf("plan.zcd").ToFilePath()));
    EXPECT_EQ(doc.m_redlineModified, 0);
}

// A control file that could not be read at the open is not written over
// unasked.
TEST_F(OwnFilesTest, UnreadControlFileIsOnlyOverwrittenWhenTheUserAgrees) {
    const CString path = PathOf("plan.zcd");
    QFile bad(path.ToFilePath());
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("RukC\x14\x00\x01\x00garbage", 15);
    bad.close();
    CZumeoDoc doc;
    doc.m_controlPath = path;
    doc.m_controlFileUnread = 1;
    doc.AddMarkup(MakeLine("Red", 1, 2, 3, 4));
    EXPECT_FALSE(doc.SaveRedlines());
    EXPECT_EQ(ReadAll(path).size(), 15);
    m_dialogs.Answer(IDYES);
    EXPECT_TRUE(doc.SaveRedlines());
    EXPECT_EQ(doc.m_controlFileUnread, 0);
    EXPECT_GT(ReadAll(path).size(), 15);
}

} // namespace

namespace {

class HostileOwnDrawingTest : public OwnFilesTest,
                              public ::testing::WithParamInterface<HostileCase> {};

// Mended: a drawing file had none of the control file's checks, so a group
// holding itself overflowed the stack and a long chain of groups took
// minutes. Each is now read or refused at once with the read error, and what
// was read is freed once (the sanitizer build sees a leak or a second delete).
TEST_P(HostileOwnDrawingTest, IsJudgedAtOnceWithNothingLeaked_Mended) {
    const CString path = PathOf("plan.zmd");
    QFile file(path.ToFilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const std::vector<BYTE> bytes = GetParam().build(HostileObjectFile::Kind::Drawing).Bytes();
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    file.close();

    CZumeoDoc doc;
    const auto start = CpuClock::now();
    EXPECT_EQ(doc.OnOpenDocument(path.c_str()), GetParam().read ? TRUE : FALSE);
    EXPECT_LT(CpuClock::now() - start, std::chrono::seconds(3));
    if (GetParam().read) {
        EXPECT_TRUE(m_dialogs.Messages().empty());
        EXPECT_FALSE(doc.m_objects.IsEmpty());
        return;
    }
    ASSERT_EQ(m_dialogs.Messages().size(), 1u);
    EXPECT_EQ(m_dialogs.Messages()[0].text, CString::FromUtf8("読み込みエラー") + "\n" + path);
    EXPECT_TRUE(doc.m_objects.IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileOwnDrawingTest,
    ::testing::ValuesIn(HostileCases({{"GroupInTheGroupItHoldsIsRefused",
                                       [](HostileObjectFile::Kind kind) {
                                           HostileObjectFile file(kind, 1);
                                           file.GroupHead(1).GroupHead(1).Reference(2);
                                           return file;
                                       },
                                       false}})),
    [](const ::testing::TestParamInfo<HostileCase>& info) { return info.param.name; });

} // namespace
