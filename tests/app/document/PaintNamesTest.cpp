#include "DocumentBuilder.h"

#include "entities/CRukText.h"
#include "platform/gdi/CRecordingDC.h"
#include "tests/support/FixedTextMetrics.h"

#include <gtest/gtest.h>

namespace {

TEST(PaintNamesTest, MeasuresTheFreeTextsButNotTheTextsOfInserts) {
    FixedTextMetrics metrics;
    CZumeoDoc document;
    auto* free = new CRukText;
    free->m_text = "ABCD";
    free->m_height = 10;
    auto* inInsert = new CRukText;
    inInsert->m_text = "ABCD";
    inInsert->m_height = 10;
    inInsert->m_childFlag = 1;
    document.AddEntity(free);
    document.AddEntity(inInsert);
    document.m_scaleX = 2.0;
    CRecordingDC dc;
    document.PaintNames(&dc);
    // At 20 view units per character height "ABCD" is 40 by 20 view units.
    EXPECT_EQ(free->m_x2 - free->m_x1, 20);
    EXPECT_EQ(free->m_y1 - free->m_y2, 10);
    EXPECT_EQ(inInsert->m_x2, 0);
    EXPECT_EQ(inInsert->m_y1, 0);
}

} // namespace
