#include "app/CZumeoDoc.h"
#include "entities/CLineType.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <string>

namespace {

struct KindCase {
    const char* name;
    std::string bytes;
    int kind;
};

std::string Header(const char* magic, unsigned version) {
    std::string bytes(magic, 4);
    for (int shift = 0; shift < 32; shift += 8)
        bytes += static_cast<char>((version >> shift) & 0xFF);
    return bytes + std::string(8, '\0');
}

TEST(DocumentFileTest, FileKindFromTheHeader) {
    const KindCase cases[] = {
        {"own drawing", Header("RukD", 0x10010), 1},
        {"control file", Header("RukC", 0x10014), 2},
        {"version 0x10000", Header("RukC", 0x10000), 2},
        {"legacy version", Header("RukD", 0xFFFF), -1},
        {"foreign magic", Header("RukX", 0x10010), -1},
        {"short file", Header("RukD", 0x10010).substr(0, 15), -1},
        {"empty file", "", -1},
    };
    QTemporaryDir dir;
    for (const KindCase& c : cases) {
        SCOPED_TRACE(c.name);
        QFile file(dir.filePath("plan.zcd"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.bytes.data(), static_cast<qint64>(c.bytes.size()));
        file.close();
        EXPECT_EQ(CCommonDoc::GetFileKind(CString::FromFilePath(file.fileName())), c.kind);
    }
    EXPECT_EQ(CCommonDoc::GetFileKind(CString::FromFilePath(dir.filePath("none.zcd"))), 0);
    EXPECT_EQ(CCommonDoc::GetFileKind(CString::FromFilePath(dir.path())), -1);
}

CLineType* LineType(int id, std::vector<double> dashes) {
    auto* lineType = new CLineType;
    lineType->m_id = id;
    lineType->m_dashes = std::move(dashes);
    return lineType;
}

TEST(DocumentFileTest, LinePatternsFromTheDrawingsLineTypes) {
    CZumeoDoc doc;
    doc.m_lineTypes.AddTail(LineType(2, {2.54, -1.27}));
    // Type 17 keeps its dot; the extra length finds no place.
    doc.m_lineTypes.AddTail(LineType(17, {5.08, -2.54, 0.0, -2.54, 9.0}));
    doc.m_lineTypes.AddTail(LineType(1001, {2.54, -1.27, 0.0}));
    doc.m_lineTypes.AddTail(LineType(1001, {9.0}));
    doc.BuildLinePatterns();
    EXPECT_EQ(*doc.m_dashTable.Find(2), (std::vector<LONG>{26, 13}));
    EXPECT_EQ(*doc.m_dashTable.Find(17), (std::vector<LONG>{52, 26, 1, 26}));
    EXPECT_EQ(*doc.m_dashTable.Find(3), *CDashTable::Standard().Find(3));
    ASSERT_NE(doc.FindLinePattern(1001), nullptr);
    EXPECT_EQ(doc.FindLinePattern(1001)->GetLengths(), (std::vector<LONG>{26, 13, 0}));
    EXPECT_EQ(doc.m_linePatterns.size(), 1u);

    doc.ResetLinePatterns();
    EXPECT_EQ(*doc.m_dashTable.Find(2), *CDashTable::Standard().Find(2));
}

TEST(DocumentFileTest, InchDrawingsScaleDashesBy260) {
    CZumeoDoc doc;
    doc.m_scaleMode = 0;
    doc.m_lineTypes.AddTail(LineType(2, {0.1, -0.05}));
    doc.BuildLinePatterns();
    EXPECT_EQ(*doc.m_dashTable.Find(2), (std::vector<LONG>{26, 13}));
}

TEST(DocumentFileTest, ClearingDeletesTheLineTypesAndRestoresTheDashes) {
    CZumeoDoc doc;
    doc.m_lineTypes.AddTail(LineType(2, {1.0, -1.0}));
    doc.m_lineTypes.AddTail(LineType(1002, {1.0}));
    doc.BuildLinePatterns();
    doc.ClearContents();
    EXPECT_TRUE(doc.m_lineTypes.IsEmpty());
    EXPECT_TRUE(doc.m_linePatterns.empty());
    EXPECT_EQ(*doc.m_dashTable.Find(2), *CDashTable::Standard().Find(2));
}

} // namespace
