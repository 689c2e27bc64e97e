#include "app/CDrawingOpener.h"

#include "app/CDwgConverter.h"
#include "app/CPdfRenderer.h"
#include "app/CPlugInList.h"
#include "app/CZumeoDoc.h"
#include "platform/win/PathFunctions.h"
#include "settings/CDrawDefaults.h"

#include <QDir>
#include <QFile>

#include <array>
#include <cctype>

namespace {

// "(red)", the date YYYYMMDD, "-" and one character.
constexpr int kRedSuffixLength = 15;
constexpr int kRedDateOffset = 5;
constexpr int kRedHyphenOffset = 13;
constexpr int kRedMarkOffset = 14;

bool IsLeapYear(int year) {
    return year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
}

int DaysInMonth(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Eight digits of a valid calendar date.
bool IsRedDate(const char* digits) {
    for (int i = 0; i < 8; ++i)
        if (!std::isdigit(static_cast<unsigned char>(digits[i])))
            return false;
    const auto number = [digits](int from, int count) {
        int value = 0;
        for (int i = from; i < from + count; ++i)
            value = value * 10 + (digits[i] - '0');
        return value;
    };
    const int year = number(0, 4);
    const int month = number(4, 2);
    const int day = number(6, 2);
    return month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

bool IsRedMark(char mark) {
    return std::isdigit(static_cast<unsigned char>(mark)) || (mark >= 'A' && mark <= 'Z');
}

} // namespace

CDrawingOpener::CDrawingOpener(CZumeoDoc& document, const CPlugInList& plugIns,
                               const CDrawDefaults& settings)
    : m_document(document), m_plugIns(plugIns), m_settings(settings) {}

CDrawingOpener::Route CDrawingOpener::RouteOf(const CString& path) const {
    if (m_plugIns.FindByExt(path))
        return Route::PlugIn;
    for (const CDrawingKinds::Extension& known : CDrawingKinds::Extensions())
        if (HasExtension(path, known.name))
            return known.route;
    return Route::OwnFile;
}

int CDrawingOpener::Open(const CString& given) {
    if (!FileExists(given))
        return 0;
    // Outside programs run in other folders: they get the full path, as the
    // file system's bytes.
    const CString path = GetAbsolutePath(given);
    switch (RouteOf(path)) {
    case Route::PlugIn:
        return m_document.ImportByPlugin(m_plugIns.FindByExt(path)->GetPath(), path);
    case Route::Raster:
        // The picture and the markups drawn over it start on layer "0".
        m_document.m_curLayerName = "0";
        return m_document.OpenRaster(path);
    case Route::Metafile:
        m_document.m_curLayerName = "0";
        return m_document.OpenMetafile(path);
    case Route::Dxf:
        return m_document.ImportByPlugin(CZumeoDoc::kDxfLibrary, path);
    case Route::Dwg:
        return OpenDwg(path);
    case Route::Jwc:
        return m_document.ImportJwcDrawing(path);
    case Route::Sxf:
        return m_document.ImportSxfDrawing(path);
    case Route::Pdf:
        return OpenPdf(path);
    case Route::OwnFile:
        break;
    }
    return m_document.OnOpenDocument(path.c_str()) ? 1 : 0;
}

int CDrawingOpener::OpenDwg(const CString& path) {
    CDwgConverter converter(m_settings.m_converterPath);
    const CString dxf = converter.Convert(path);
    if (dxf.IsEmpty())
        return 0;
    // The document is the DWG; the DXF goes with the converter's folder.
    return m_document.ImportByPluginAs(CZumeoDoc::kDxfLibrary, dxf, path);
}

int CDrawingOpener::OpenPdf(const CString& path) {
    CPdfRenderer renderer(m_settings.m_ghostscriptPath);
    const CString image = renderer.Render(path);
    if (image.IsEmpty())
        return 0;
    return m_document.OpenRasterAs(image, path);
}

bool CDrawingOpener::IsSxfFile(const CString& path) const {
    for (const CDrawingKinds::Extension& known : CDrawingKinds::Extensions())
        if (known.route == Route::Sxf && HasExtension(path, known.name))
            return true;
    return false;
}

int CDrawingOpener::FindBaseDrawing(const CString& redPath, CString* basePath) {
    const CString stem = GetFileTitleExt(ReplaceExtension(redPath, ""));
    const int start = stem.GetLength() - kRedSuffixLength;
    if (start <= 0)
        return 0;
    const CString suffix = stem.Mid(start);
    const char* text = suffix.c_str();
    if (suffix.Left(kRedDateOffset) != "(red)" || !IsRedDate(text + kRedDateOffset) ||
        text[kRedHyphenOffset] != '-' || !IsRedMark(text[kRedMarkOffset]))
        return 0;
    *basePath = GetFileDir(redPath) + stem.Left(start) + GetFileExt(redPath);
    return 1;
}

CString CDrawingOpener::FindExistingSxfBase(const CString& basePath) {
    if (FileExists(basePath))
        return basePath;
    const bool isP21 = HasExtension(basePath, ".p21");
    if (!isP21 && !HasExtension(basePath, ".sfc"))
        return CString();
    for (const char* other : isP21 ? std::array{".sfc", ".SFC"} : std::array{".p21", ".P21"}) {
        const CString candidate = ReplaceExtension(basePath, other);
        if (FileExists(candidate))
            return candidate;
    }
    return CString();
}

void CDrawingOpener::EnterWorkingFolder(const CString& path) {
    QFile probe(ReplaceExtension(path, ".$$$").ToFilePath());
    // A file that is there already belongs to whoever holds it.
    if (!probe.exists() && probe.open(QIODevice::NewOnly | QIODevice::WriteOnly)) {
        probe.close();
        probe.remove();
        QDir::setCurrent(GetFileDir(path).ToFilePath());
        return;
    }
    QDir::setCurrent(GetTempDir().ToFilePath());
}
