#include "DocumentBuilder.h"

#include "app/CControlFileReader.h"
#include "app/CZumeoDoc.h"
#include "entities/CRukCircle.h"
#include "entities/EntityKinds.h"
#include "markups/CRukMarkEllipse.h"
#include "tests/markups/OldLeaderMark.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A control file of the first version with a header: no preamble, no save
// groups, the redline objects as given.
CString WriteControlFile(const QTemporaryDir& folder, const std::vector<BYTE>& objects,
                         std::uint16_t count) {
    Bytes file;
    file.Append({'R', 'u', 'k', 'C'}).Long(0x10000).Long(0).Long(0);
    file.Word(0).Word(count).Append(objects);
    const QString path = folder.filePath("plan.zcd");
    QFile out(path);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(reinterpret_cast<const char*>(file.Get().data()),
              static_cast<qint64>(file.Get().size()));
    return CString::FromFilePath(path);
}

TEST(LeaderMarkLoadTest, OldLineLeaderBecomesFiveListedChildren) {
    QTemporaryDir folder;
    OldMark old(true, 20);
    const CString path = WriteControlFile(folder, old.Body(1), 1);
    CZumeoDoc document;
    ASSERT_EQ(CControlFileReader::Read(path, document), CControlFileReader::Result::Read);
    document.FileLoadedRedlines();

    const std::vector<CObject*> listed = Listed(document.m_drawOrder);
    ASSERT_EQ(listed.size(), 6u);
    auto* mark = dynamic_cast<CRukMarkEllipse*>(listed.back());
    ASSERT_NE(mark, nullptr);
    std::vector<int> kinds;
    std::vector<CObject*> children;
    for (POSITION p = mark->GetHeadPosition(); p;) {
        CRukEntity* child = mark->GetNext(p);
        kinds.push_back(child->GetKind());
        children.push_back(child);
        EXPECT_EQ(child->m_redline, 1);
    }
    EXPECT_EQ(kinds, (std::vector<int>{kKindEllipse, kKindPolyline, kKindCircle, kKindPolygon,
                                       kKindText}));
    EXPECT_EQ(std::vector<CObject*>(listed.begin(), listed.end() - 1), children);
    EXPECT_EQ(mark->m_childCount, 5);
    EXPECT_EQ(mark->m_points[0], (POINT{1000, 1000}));
}

// A markup converted from an old body and then a broken object: the read
// fails, and the parts the conversion made are freed with everything read
// (the leak checker would report them).
TEST(LeaderMarkLoadTest, FailedReadFreesTheConvertedParts) {
    QTemporaryDir folder;
    OldMark old(true, 20);
    std::vector<BYTE> objects = old.Body(1);
    const std::vector<BYTE> second = OldMark(true, 20).Body(1);
    objects.insert(objects.end(), second.begin(), second.begin() + 40);
    CZumeoDoc document;
    EXPECT_EQ(CControlFileReader::Read(WriteControlFile(folder, objects, 2), document),
              CControlFileReader::Result::Failed);
    EXPECT_TRUE(document.m_drawOrder.IsEmpty());
}

// Mended: a markup whose gesture built nothing was filed all the same, an
// invisible object saved with the file.
TEST(LeaderMarkLoadTest, MendedChildlessMarkupIsNotFiled) {
    CZumeoDoc document;
    CRukMarkEllipse empty;
    EXPECT_FALSE(document.AddFinishedMarkup(&empty));
    EXPECT_TRUE(document.m_drawOrder.IsEmpty());
    EXPECT_TRUE(document.m_topObjects.IsEmpty());
    EXPECT_EQ(document.m_redlineModified, 0);

    auto* mark = new CRukMarkEllipse();
    auto* circle = new CRukCircle();
    document.AddMarkup(circle);
    mark->AddChild(circle);
    EXPECT_TRUE(document.AddFinishedMarkup(mark));
    EXPECT_EQ(Listed(document.m_drawOrder), (std::vector<CObject*>{circle, mark}));
    EXPECT_EQ(Listed(document.m_topObjects), (std::vector<CObject*>{mark}));
}

} // namespace
