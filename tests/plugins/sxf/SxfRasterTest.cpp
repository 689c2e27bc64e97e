// Raster placements read their image files through the program's raster
// image.

#include "SxfTestSupport.h"
#include "image/CRasterImage.h"
#include "image/JpegCodec.h"
#include "plugins/sxf/SxfInputFolder.h"
#include "por/PorRecords.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

using SxfTest::Feature;
using SxfTest::Sheet;

TEST(SxfRaster, AJpegPlacementIsWrittenAsAnImageFrame) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/";
    CRasterImage picture;
    ASSERT_EQ(picture.Create(8, 4, 24), 1);
    CString error;
    ASSERT_TRUE(WriteJpegFile(picture.GetHeader(), 90, (folder + "photo.JPG").c_str(), &error))
        << error.c_str();

    const std::string sfc = folder + "drawing.sfc";
    std::ofstream(sfc, std::ios::binary) << SfcText::File(
        Feature(10, "polyline_feature('0','1','1','0','5','(0,16,16,0,0)','(0,0,8,8,0)')") +
        Feature(20, "sfig_org_feature('\\'$$RASTER$$photo.JPG\\'','1')") +
        Feature(30, "sfig_locate_feature('0','\\'$$RASTER$$photo.JPG\\'','1','2','0','1','1')") +
        Sheet());
    SxfInputFolder::SetFrom(sfc);
    CSxfReader reader(nullptr, {});
    const SxfTest::OwnedBlock block(reader.MakePORData(sfc.c_str()));
    ASSERT_TRUE(block);
    int frames = 0;
    for (const PorRecord& record : PluginTest::Records(PluginTest::BlockBytes(block))) {
        if (record.Type() == PorIFrame::Type) {
            ++frames;
            const auto image = record.Get(PorIFrame::Image);
            ASSERT_TRUE(image);
            const auto* dib = reinterpret_cast<const BITMAPINFOHEADER*>(image->data());
            EXPECT_EQ(dib->biWidth, 8);
            EXPECT_EQ(dib->biHeight, 4);
            EXPECT_EQ(dib->biBitCount, 24);
        }
    }
    EXPECT_EQ(frames, 1);
}

} // namespace
