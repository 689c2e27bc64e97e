// An own drawing file and its control file written byte by byte from their
// archive layouts, as another writer of the format would write them: opening
// the drawing reads both, and the drawing's line and the red line markup are
// drawn.
#include "DocumentBuilder.h"

#include "app/CZumeoDoc.h"
#include "entities/CLineType.h"
#include "entities/CRukLine.h"
#include "markups/CRukRedLine.h"
#include "platform/gdi/CRecordingDC.h"
#include "settings/CDrawDefaults.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempProfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The archive's primitives, little-endian: counts and class tags in 16 bits,
// strings with a one-byte length below 255.
class ArchiveBytes {
public:
    ArchiveBytes& Raw(std::string_view bytes) {
        m_bytes.append(bytes.data(), static_cast<qsizetype>(bytes.size()));
        return *this;
    }
    ArchiveBytes& U8(unsigned value) {
        m_bytes.append(static_cast<char>(value & 0xFF));
        return *this;
    }
    ArchiveBytes& U16(unsigned value) { return U8(value).U8(value >> 8); }
    ArchiveBytes& I32(std::int64_t value) {
        const auto bits = static_cast<std::uint32_t>(value);
        return U16(bits & 0xFFFF).U16(bits >> 16);
    }
    ArchiveBytes& Str(std::string_view text) {
        U8(static_cast<unsigned>(text.size()));
        return Raw(text);
    }
    // The first object of a class: the new-class tag, the schema, the name.
    ArchiveBytes& NewClass(std::string_view name, unsigned schema) {
        U16(0xFFFF).U16(schema).U16(static_cast<unsigned>(name.size()));
        return Raw(name);
    }
    // An object already written, by its number in the archive (classes and
    // objects are numbered together from 1 in the order they first appear).
    ArchiveBytes& Ref(unsigned index) { return U16(index); }

    bool WriteTo(const CString& path) const {
        QFile file(path.ToFilePath());
        return file.open(QIODevice::WriteOnly) && file.write(m_bytes) == m_bytes.size();
    }

private:
    QByteArray m_bytes;
};

// A line's body: both points, layer, line type, line-type scale, width,
// colour, child flag, tag.
ArchiveBytes& LineBody(ArchiveBytes& bytes, int x1, int y1, int x2, int y2, std::string_view layer,
                       int width, COLORREF colour, unsigned childFlag) {
    return bytes.I32(x1)
        .I32(y1)
        .I32(x2)
        .I32(y2)
        .Str(layer)
        .U16(1)
        .I32(1000)
        .U16(static_cast<unsigned>(width))
        .I32(colour)
        .U8(childFlag)
        .Str("");
}

class HandWrittenFilesTest : public ::testing::Test {
protected:
    CString PathOf(const char* name) const {
        return CString::FromFilePath(m_folder.path()) + "/" + name;
    }

    // Scale 2.5, unit 1000, one line type, layer "WALL" shown, and a green
    // line of 0.35 mm on it from (0, 0) to (10000, 5000).
    bool WriteOwnDrawing(const CString& path) const {
        ArchiveBytes bytes;
        bytes.Raw("RukD").I32(0x10010).I32(0).I32(0);
        bytes.I32(2500).I32(0).I32(1000);
        bytes.U16(1).NewClass("CLineType", 0).I32(1000).I32(2).I32(25000).I32(-12500);
        bytes.U16(1).NewClass("CRukLayer", 0).Str("WALL").I32(1);
        bytes.U16(1).NewClass("CRukLine", 2);
        LineBody(bytes, 0, 0, 10000, 5000, "WALL", 35, RGB(0, 255, 0), 0);
        return bytes.WriteTo(path);
    }

    // A red line markup on layer "RED" over the drawing, with its line
    // child: the child first in the draw order, then the markup that
    // refers back to it.
    bool WriteControlFile(const CString& path) const {
        ArchiveBytes bytes;
        bytes.Raw("RukC").I32(0x10014).I32(0).I32(0);
        bytes.I32(1000).I32(0).I32(0).Str("").Str("");
        bytes.U16(0);
        bytes.U16(2).NewClass("CRukLine", 2);
        LineBody(bytes, 0, 5000, 10000, 0, "RED", 50, RGB(255, 0, 0), 2);
        bytes.NewClass("CRukRedLine", 0)
            .I32(0)
            .I32(5000)
            .I32(10000)
            .I32(0)
            .Str("RED")
            .I32(RGB(255, 0, 0))
            .Str("")
            .U8(0)
            .Str("")
            .Str("")
            .I32(1)
            .U16(1)
            .Ref(2);
        return bytes.WriteTo(path);
    }

    TempProfile m_profile;
    ScriptedDialogs m_dialogs;
    QTemporaryDir m_folder;
};

TEST_F(HandWrittenFilesTest, AreReadAndDrawn) {
    ASSERT_TRUE(WriteOwnDrawing(PathOf("plan.zmd")));
    ASSERT_TRUE(WriteControlFile(PathOf("plan.zcd")));
    CZumeoDoc document;
    // Opening the drawing reads the control file beside it.
    ASSERT_TRUE(document.OnOpenDocument(PathOf("plan.zmd").c_str()));
    EXPECT_TRUE(m_dialogs.Messages().empty());

    EXPECT_DOUBLE_EQ(document.m_scale, 2.5);
    EXPECT_EQ(document.m_unit, 1000u);
    ASSERT_EQ(document.m_lineTypes.GetCount(), 1);
    const auto* lineType = static_cast<const CLineType*>(document.m_lineTypes.GetHead());
    EXPECT_EQ(lineType->m_id, 1000);
    EXPECT_EQ(lineType->m_dashes, (std::vector<double>{2.5, -1.25}));
    EXPECT_EQ(document.GetLayerState("WALL"), 1);
    ASSERT_EQ(document.m_objects.GetCount(), 1);
    const auto* line = dynamic_cast<const CRukLine*>(document.m_objects.GetHead());
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->GetLayerName(), "WALL");
    EXPECT_EQ(line->GetColor(), RGB(0, 255, 0));
    EXPECT_EQ(line->GetLineWidth(), 35);
    EXPECT_EQ(line->m_x2, 10000);
    EXPECT_EQ(line->m_y2, 5000);

    const std::vector<CObject*> listed = Listed(document.m_drawOrder);
    ASSERT_EQ(listed.size(), 2u);
    const auto* mark = dynamic_cast<const CRukRedLine*>(listed.back());
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->GetLayerName(), "RED");
    EXPECT_EQ(mark->GetColor(), RGB(255, 0, 0));
    ASSERT_EQ(mark->GetCount(), 1);
    POSITION first = mark->GetHeadPosition();
    EXPECT_EQ(mark->GetNext(first), listed.front());
    EXPECT_EQ(listed.front()->IsKindOf(RUNTIME_CLASS(CRukLine)), TRUE);
    EXPECT_EQ(static_cast<const CRukEntity*>(listed.front())->GetLineWidth(), 50);

    CRecordingDC dc;
    CDrawDefaults settings;
    document.PaintEntities(&dc, RECT{-100000, -100000, 100000, 100000}, settings);
    const std::vector<std::string>& calls = dc.Calls();
    const auto drew = [&calls](const std::string& part) {
        return std::any_of(calls.begin(), calls.end(), [&part](const std::string& call) {
            return call.find(part) != std::string::npos;
        });
    };
    EXPECT_TRUE(drew("0x00FF00")) << "the drawing's green line";
    EXPECT_TRUE(drew("0x0000FF")) << "the red line markup";
}

} // namespace
