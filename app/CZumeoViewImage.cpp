// The view's placed image redline: the picture asked for, measured and
// handed to the markup that the next click places.
#include "app/CZumeoDoc.h"
#include "app/CZumeoView.h"
#include "controls/CFileHistDlg.h"
#include "entities/CMetaFile.h"
#include "image/CRasterImage.h"
#include "markups/CRukRedImage.h"
#include "platform/mfc/CFile.h"
#include "platform/win/CDialogService.h"
#include "platform/win/CProfile.h"
#include "platform/win/PathFunctions.h"
#include "ui/CRedlinePalette.h"

#include <QStringList>

#include <cstdlib>
#include <memory>

namespace {

constexpr const char* kImageSection = "RIMAGE";
constexpr const char* kPathKey = "PATH";
// The placed height: a sixteenth of the drawing's height.
constexpr double kPlaceFactor = 0.0625;

struct ImageFilter {
    const char* caption;
    const char* patterns;
};

constexpr ImageFilter kImageFilters[] = {
    {"すべてのイメージ(*.bmp; *.jpg; *.tif; *.tiff; *.wmf)", "*.bmp;*.jpg;*.tif;*.tiff;*.wmf"},
    {"BMP ファイル(*.bmp)", "*.bmp"},
    {"JPEG ファイル(*.jpg)", "*.jpg"},
    {"TIFF ファイル(*.tif;*.tiff)", "*.tif;*.tiff"},
    {"ウィンドウズメタファイル(*.wmf)", "*.wmf"},
};

QString ImageFilters() {
    QStringList filters;
    for (const ImageFilter& filter : kImageFilters)
        filters << QtNameFilter(QString::fromUtf8(filter.caption),
                                QString::fromUtf8(filter.patterns));
    return filters.join(QStringLiteral(";;"));
}

// The picture's size in pixels; (0, 0) when it does not load.
SIZE PictureSize(const CString& path) {
    if (CRukRedImage::IsMetafilePath(path)) {
        CMetaFile metafile;
        return metafile.LoadFile(path.c_str()) ? metafile.GetSizePixels() : SIZE{0, 0};
    }
    CFile file;
    CRasterImage image;
    if (!file.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone) ||
        image.LoadFile(file, 1) != 1)
        return SIZE{0, 0};
    return SIZE{std::abs(image.GetWidth()), std::abs(image.GetHeight())};
}

} // namespace

BOOL CZumeoView::InsertImage() {
    if (!m_document)
        return FALSE;
    const double extentRatio = m_document->GetExtentRatio();
    m_pTool.reset();
    CString folder = CProfile::GetProfilePath(kImageSection, kPathKey);
    if (folder.IsEmpty())
        folder = GetProgramDir() + "Data";
    CFileHistDlg dialog(folder.ToFilePath(), ImageFilters(), this);
    if (CDialogService::Current().RunModal(dialog) != QDialog::Accepted)
        return FALSE;
    const QString chosen = dialog.ChosenPath();
    if (chosen.isEmpty())
        return FALSE;
    if (CRedlinePalette* palette = CRedlinePalette::Current(); palette && !palette->ValidatePage())
        return FALSE;
    const CString path = CString::FromFilePath(chosen);
    CProfile::WriteProfilePath(kImageSection, kPathKey, GetFileDir(path));
    // A picture without pixels could not be placed in any size.
    const SIZE size = PictureSize(path);
    if (size.cx <= 0 || size.cy <= 0) {
        AfxMessageBox(CString::FromUtf8(CRukRedImage::IsMetafilePath(path)
                                            ? "メタファイルの読み込みエラー"
                                            : "イメージの読み込みエラー"));
        return FALSE;
    }
    auto image = std::make_unique<CRukRedImage>();
    image->SetImagePath(path);
    image->m_imageWidth = size.cx;
    image->m_imageHeight = size.cy;
    image->m_placeHeight = extentRatio * kPlaceFactor;
    image->m_placeUnit = static_cast<int>(m_document->GetUnit());
    m_pTool = std::move(image);
    m_paintedOrigin.reset();
    return TRUE;
}
