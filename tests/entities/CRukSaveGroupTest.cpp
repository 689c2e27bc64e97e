// The saved attributes of a named group: archive bodies by schema.
#include "entities/CRukSaveGroup.h"

#include "platform/mfc/CArchiveException.h"
#include "tests/entities/ShapeTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

Bytes SchemaZeroBody() {
    Bytes body;
    body.Text("Doors").Text("tag").Text("name").Long(0x00FF00);
    return body;
}

Bytes SchemaOneBody() {
    Bytes body = SchemaZeroBody();
    body.Text("DOORS").Long(0x0000FF).Long(0).Text("").Text("");
    return body;
}

TEST(CRukSaveGroupTest, DefaultsAreEmptyWithoutColours) {
    const CRukSaveGroup saved;
    EXPECT_EQ(saved.m_groupName, "");
    EXPECT_EQ(saved.m_layerName, "");
    EXPECT_EQ(saved.m_color, 0xFFFFFFFFu);
    EXPECT_EQ(saved.m_fillColor, 0xFFFFFFFFu);
}

TEST(CRukSaveGroupTest, SchemaOneBodyRoundTripsByteForByte) {
    CRukSaveGroup saved;
    LoadBody(saved, SchemaOneBody().Get(), 1);
    EXPECT_EQ(saved.m_groupName, "Doors");
    EXPECT_EQ(saved.m_tag, "tag");
    EXPECT_EQ(saved.m_name, "name");
    EXPECT_EQ(saved.m_color, 0x00FF00u);
    EXPECT_EQ(saved.m_layerName, "DOORS");
    EXPECT_EQ(saved.m_fillColor, 0x0000FFu);
    EXPECT_EQ(StoreObject(saved),
              ClassRecord(1, "CRukSaveGroup").Append(SchemaOneBody().Get()).Get());
}

TEST(CRukSaveGroupTest, ReservedFieldsAreReadAndWrittenEmpty) {
    Bytes body = SchemaZeroBody();
    body.Text("DOORS").Long(0x0000FF).Long(77).Text("x").Text("yz");
    CRukSaveGroup saved;
    LoadBody(saved, body.Get(), 1);
    EXPECT_EQ(StoreBody(saved), SchemaOneBody().Get());
}

TEST(CRukSaveGroupTest, SchemaZeroReadsFourFieldsAndKeepsTheRest) {
    const std::unique_ptr<CObject> loaded(
        LoadObject(ClassRecord(0, "CRukSaveGroup").Append(SchemaZeroBody().Get()).Get()));
    const auto* saved = dynamic_cast<const CRukSaveGroup*>(loaded.get());
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(saved->m_groupName, "Doors");
    EXPECT_EQ(saved->m_name, "name");
    EXPECT_EQ(saved->m_color, 0x00FF00u);
    EXPECT_EQ(saved->m_layerName, "");
    EXPECT_EQ(saved->m_fillColor, 0xFFFFFFFFu);
}

} // namespace
