#include "entities/CRukIFrame.h"

#include "entities/CEntityDocument.h"
#include "entities/CImageFit.h"
#include "entities/CVertexChain.h"
#include "entities/EntityKinds.h"
#include "platform/gdi/CDC.h"
#include "platform/mfc/CArchive.h"
#include "platform/mfc/CArchiveException.h"
#include "platform/mfc/CFile.h"
#include "platform/win/CDialogService.h"
#include "platform/win/GlobalMemory.h"
#include "platform/win/PathFunctions.h"
#include "por/PorRecord.h"
#include "por/PorRecords.h"
#include "settings/CDrawDefaults.h"

#include <QDir>
#include <QTemporaryDir>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>

IMPLEMENT_SERIAL(CRukIFrame, CObject, VERSIONABLE_SCHEMA | 2)

namespace {

constexpr int kCorners = 4;
constexpr int kWithOutline = 8;
// Stored files larger than this are taken for a damaged archive.
constexpr LONG kMaxStoredFile = 1 << 30;

bool ReadWholeFile(const CString& path, std::vector<BYTE>* bytes) {
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyNone))
        return false;
    const ULONGLONG length = file.GetLength();
    if (length > static_cast<ULONGLONG>(kMaxStoredFile))
        return false;
    bytes->resize(static_cast<std::size_t>(length));
    return file.Read(bytes->data(), static_cast<UINT>(length)) == length;
}

} // namespace

CRukIFrame::CRukIFrame() {
    m_kind = kKindIFrame;
}

CRukIFrame::~CRukIFrame() {
    RemoveTemporaryFile();
}

void CRukIFrame::RemoveTemporaryFile() {
    if (m_keepFile != 0 || m_tempFile != 1)
        return;
    // The name is the file system's bytes (a stored CP932 name need not be
    // valid UTF-8), so it goes to the system as it is.
    const std::string& path = m_imagePath.str();
    ::unlink(path.c_str());
    ::rmdir(path.substr(0, path.rfind('/')).c_str());
    m_tempFile = 0;
}

// ---- Loading a file

bool CRukIFrame::LoadImage(const char* path) {
    CFile file;
    CFileException error;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyNone, &error)) {
        char message[256] = {};
        error.GetErrorMessage(message, sizeof message);
        AfxMessageBox(message);
        return false;
    }
    return m_image.LoadFile(file, 1) == 1;
}

void CRukIFrame::SetCorners(int left, int top, int right, int bottom) {
    m_points.RemoveAll();
    m_points.Add(POINT{left, top});
    m_points.Add(POINT{left, bottom});
    m_points.Add(POINT{right, bottom});
    m_points.Add(POINT{right, top});
}

int CRukIFrame::LoadImageFile(const char* path, int left, int top, int right, int bottom) {
    if (!LoadImage(path))
        return 0;
    const RECT fitted =
        CImageFit::Fit(m_image.GetWidth(), m_image.GetHeight(), RECT{left, top, right, bottom});
    SetCorners(fitted.left, fitted.top, fitted.right, fitted.bottom);
    m_imagePath = path;
    m_rotated.reset();
    RecalcExtents();
    return 1;
}

int CRukIFrame::LoadImageFileEx(const char* path, POINT origin, int width, int height) {
    if (!LoadImage(path))
        return 0;
    RECT target{origin.x, origin.y, origin.x + width, origin.y + height};
    if (width == 0 || height == 0)
        target = CImageFit::PixelSize(m_image.GetWidth(), m_image.GetHeight(), origin);
    else
        target = CImageFit::Fit(m_image.GetWidth(), m_image.GetHeight(), target);
    SetCorners(target.left, target.top, target.right, target.bottom);
    m_imagePath = path;
    m_rotated.reset();
    RecalcExtents();
    return 1;
}

// ---- Geometry

void CRukIFrame::RecalcExtents() {
    const INT_PTR count = m_points.GetSize();
    if (count < kCorners)
        return;
    const INT_PTR first = count > kCorners ? kCorners : 0;
    m_minX = m_maxX = m_points[first].x;
    m_minY = m_maxY = m_points[first].y;
    for (INT_PTR i = first; i < count; ++i) {
        m_minX = std::min<int>(m_minX, m_points[i].x);
        m_maxX = std::max<int>(m_maxX, m_points[i].x);
        m_minY = std::min<int>(m_minY, m_points[i].y);
        m_maxY = std::max<int>(m_maxY, m_points[i].y);
    }
}

void CRukIFrame::MakeRotatedImage() {
    m_rotated.reset();
    if (m_points.GetSize() < kCorners || m_image.IsEmpty())
        return;
    const double angle = std::atan2(static_cast<double>(m_points[3].y) - m_points[0].y,
                                    static_cast<double>(m_points[3].x) - m_points[0].x);
    if (angle != 0.0)
        m_rotated.reset(m_image.Rotate(-angle));
}

std::vector<POINT> CRukIFrame::Outline(const std::vector<POINT>& points) const {
    if (points.size() >= kWithOutline)
        return std::vector<POINT>(points.begin() + kCorners, points.begin() + kWithOutline);
    return std::vector<POINT>(points.begin(),
                              points.begin() + std::min<std::size_t>(points.size(), kCorners));
}

int CRukIFrame::HitTest(CDC*, CEntityDocument* document, int x, int y) {
    const std::vector<POINT> points = CVertexChain::ToDocumentView(*this, document, 0, 0);
    if (points.size() < kCorners)
        return 0;
    return CVertexChain::HitOutline(*this, Outline(points), document->LogicalToDevicePoint(x, y));
}

// ---- Drawing

void CRukIFrame::DrawImage(CDC* dc, const std::vector<POINT>& points, const RECT* clip, DWORD rop,
                           const CDrawDefaults* settings) const {
    if (points.size() < kCorners)
        return;
    const CRasterImage& image = m_rotated ? *m_rotated : m_image;
    if (image.IsEmpty())
        return;
    RECT box{points[0].x, points[0].y, points[0].x, points[0].y};
    for (int i = 1; i < kCorners; ++i) {
        box.left = std::min(box.left, points[i].x);
        box.right = std::max(box.right, points[i].x);
        box.top = std::min(box.top, points[i].y);
        box.bottom = std::max(box.bottom, points[i].y);
    }
    // A frame without width or height shows nothing.
    if (box.right == box.left || box.bottom == box.top)
        return;
    // The picture fills the frame on both axes, whatever the frame's aspect.
    const double scaleX = static_cast<double>(image.GetWidth()) / (box.right - box.left);
    const double scaleY = std::abs(static_cast<double>(image.GetHeight())) / (box.bottom - box.top);
    RECT target = box;
    if (clip) {
        target.left = std::max(target.left, clip->left);
        target.top = std::max(target.top, clip->top);
        target.right = std::min(target.right, clip->right);
        target.bottom = std::min(target.bottom, clip->bottom);
        if (target.right <= target.left || target.bottom <= target.top)
            return;
    }
    const std::vector<POINT> outline = Outline(points);
    const int saved = dc->SaveDC();
    dc->BeginPath();
    dc->Polygon(outline.data(), static_cast<int>(outline.size()));
    dc->EndPath();
    dc->SelectClipPath(RGN_COPY);
    dc->SetBkMode(TRANSPARENT);
    const BOOL halftone = settings && settings->m_imageStretchMode != 0;
    const POINT origin{box.left, box.top};
    if (dc->IsMetafile())
        // The points' y is turned on a metafile, whose y runs down: the
        // picture is named from its lower edge with a negative height, so
        // that it runs up the device as on the screen.
        image.Draw(dc, target.left, target.bottom, target.right - target.left,
                   target.top - target.bottom, rop, halftone, scaleX, scaleY, origin);
    else
        image.Draw(dc, target.left, target.top, target.right - target.left,
                   target.bottom - target.top, rop, halftone, scaleX, scaleY, origin);
    dc->RestoreDC(saved);
}

void CRukIFrame::TraceA(CDC* dc, int originX, int originY, double scale,
                        const CDrawDefaults* settings, const RECT& clip, BOOL boxOnly) {
    if (boxOnly)
        return;
    const bool metafile = dc->IsMetafile();
    const std::vector<POINT> points =
        CVertexChain::ToView(*this, originX, originY, scale, metafile);
    DWORD rop = SRCCOPY;
    if (m_image.GetBitCount() == 1 && settings && settings->m_imageTransparent == 1) {
        // Black lines of a one-bit scan over the drawing: ANDed on white,
        // turned white and ORed on a dark background.
        const COLORREF background = settings->m_bkColor;
        const double luminance = 0.30 * GetRValue(background) + 0.59 * GetGValue(background) +
                                 0.11 * GetBValue(background);
        rop = dc->IsPrinting() || luminance >= 128 ? SRCAND : MERGEPAINT;
    }
    DrawImage(dc, points, metafile ? nullptr : &clip, rop, settings);
}

void CRukIFrame::TraceB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults* settings) {
    const std::vector<POINT> points = CVertexChain::ToPrint(*this, unitDivisor, scale);
    const bool transparent =
        m_image.GetBitCount() == 1 && settings && settings->m_imageTransparent == 1;
    DrawImage(dc, points, nullptr, transparent ? SRCAND : SRCCOPY, settings);
}

void CRukIFrame::DrawA(CEntityDocument*, CDC* dc, int originX, int originY, double scale, double,
                       const CDrawDefaults* settings, BOOL, const RECT& clip) {
    TraceA(dc, originX, originY, scale, settings, clip, FALSE);
}

void CRukIFrame::DrawB(CEntityDocument*, CDC* dc, int unitDivisor, double scale, double,
                       const CDrawDefaults* settings, BOOL) {
    TraceB(dc, unitDivisor, scale, settings);
}

void CRukIFrame::LineTypeA(CEntityDocument*, CDC* dc, int originX, int originY, double scale,
                           double, const CDrawDefaults* settings, const RECT& clip) {
    TraceA(dc, originX, originY, scale, settings, clip, FALSE);
}

// ---- POR record

int CRukIFrame::CreateFromRecord(const PorRecord* record, CEntityDocument*, int) {
    if (!record || record->Type() != PorIFrame::Type)
        return 0;
    const auto frame = record->Get(PorIFrame::Frame);
    const auto bytes = record->Get(PorIFrame::Image);
    if (!frame || !bytes)
        return 0;
    m_id = record->Get(PorIFrame::Id);
    m_imagePath = record->Get(PorIFrame::ImageName);
    m_layerName = record->Get(PorIFrame::Layer);
    m_sourceLayer = m_layerName;
    if (const auto lineType = record->Get(PorIFrame::LineType))
        m_lineType = *lineType;
    if (const auto color = record->Get(PorIFrame::Color)) {
        m_color = *color;
        m_savedColor = m_color;
    }
    m_points.RemoveAll();
    for (const POINT& point : *frame)
        m_points.Add(point);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes->size());
    void* data = GlobalLock(block);
    if (data) {
        std::memcpy(data, bytes->data(), bytes->size());
        GlobalUnlock(block);
        m_image.Attach(block);
    } else {
        GlobalFree(block);
    }
    MakeRotatedImage();
    RecalcExtents();
    return 1;
}

// ---- Archive

void CRukIFrame::ReadStoredFile(CArchive& ar, const CString& name) {
    LONG length = 0;
    ar >> length;
    if (length < 0 || length > kMaxStoredFile)
        AfxThrowArchiveException(CArchiveException::badIndex);
    std::vector<BYTE> bytes(static_cast<std::size_t>(length));
    if (ar.Read(bytes.data(), static_cast<UINT>(length)) != static_cast<UINT>(length))
        AfxThrowArchiveException(CArchiveException::endOfFile);

    // Only the stored name's last part, and only inside a folder of our own:
    // a name from a file never reaches outside it.
    const CString base = FileNameFromStored(name);
    if (base.IsEmpty() || base == "." || base == "..")
        return;
    QTemporaryDir folder(QDir::tempPath() + "/ztmpXXXXXX");
    if (!folder.isValid())
        return;
    folder.setAutoRemove(false);
    const CString path = CString::FromFilePath(folder.path()) + "/" + base;
    m_imagePath = path;
    m_tempFile = 1;
    try {
        CFile file(path, CFile::modeCreate | CFile::modeWrite);
        file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
        file.Close();
    } catch (const CFileException&) {
        return;
    }
    CFile file;
    if (file.Open(path, CFile::modeRead | CFile::shareDenyNone))
        m_image.LoadFile(file, 1);
}

void CRukIFrame::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        m_points.Serialize(ar);
        ar << m_layerName << static_cast<BYTE>(m_childFlag) << m_tag
           << static_cast<BYTE>(m_keepFile);
        const CString name = StoredFileName(m_imagePath);
        std::vector<BYTE> bytes;
        if (!name.IsEmpty() && ReadWholeFile(m_imagePath, &bytes)) {
            ar << name << static_cast<LONG>(bytes.size());
            ar.Write(bytes.data(), static_cast<UINT>(bytes.size()));
        } else {
            ar << CString();
            m_image.Serialize(ar);
        }
        return;
    }
    const UINT schema = ar.GetObjectSchema();
    if (schema > 2)
        AfxThrowArchiveException(CArchiveException::badSchema);
    BYTE childFlag = 0;
    if (schema == 0) {
        LONG x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        ar >> x1 >> y1 >> x2 >> y2;
        m_points.RemoveAll();
        m_points.Add(POINT{x1, y2});
        m_points.Add(POINT{x1, y1});
        m_points.Add(POINT{x2, y1});
        m_points.Add(POINT{x2, y2});
    } else {
        m_points.Serialize(ar);
    }
    ar >> m_layerName >> childFlag >> m_tag;
    m_childFlag = childFlag;
    if (schema == 2) {
        BYTE keepFile = 0;
        CString name;
        ar >> keepFile >> name;
        m_keepFile = keepFile;
        if (!name.IsEmpty())
            ReadStoredFile(ar, name);
        else
            m_image.Serialize(ar);
        MakeRotatedImage();
    } else {
        m_image.Serialize(ar);
    }
    RecalcExtents();
}
