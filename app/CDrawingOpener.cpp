#include "app/CDrawingOpener.h"

#include "app/CDwgConverter.h"
#include "app/CPdfRenderer.h"
#include "app/CPlugInList.h"
#include "app/CZumeoDoc.h"
#include "app/PathFunctions.h"
#include "settings/CDrawDefaults.h"

#include <array>
#include <filesystem>
#include <utility>

namespace {

using Route = CDrawingOpener::Route;

constexpr std::array<std::pair<const char*, Route>, 14> kRoutes{{
    {".bmp", Route::Raster},
    {".jpg", Route::Raster},
    {".tif", Route::Raster},
    {".tiff", Route::Raster},
    {".wmf", Route::Metafile},
    {".emf", Route::Metafile},
    {".dxf", Route::Dxf},
    {".dwg", Route::Dwg},
    {".jwc", Route::Jwc},
    {".jwk", Route::Jwc},
    {".jww", Route::Jwc},
    {".sfc", Route::Sxf},
    {".p21", Route::Sxf},
    {".pdf", Route::Pdf},
}};

// The extension of the file name with its dot; empty without one.
CString ExtensionOf(const CString& path) {
    const CString name = GetFileTitleExt(path);
    const int dot = name.ReverseFind('.');
    return dot < 0 ? CString() : name.Mid(dot);
}

} // namespace

CDrawingOpener::CDrawingOpener(CZumeoDoc& document, const CPlugInList& plugIns,
                               const CDrawDefaults& settings)
    : m_document(document), m_plugIns(plugIns), m_settings(settings) {}

CDrawingOpener::Route CDrawingOpener::RouteOf(const CString& path) const {
    if (m_plugIns.FindByExt(path))
        return Route::PlugIn;
    const CString extension = ExtensionOf(path);
    for (const auto& [known, route] : kRoutes)
        if (extension.CompareNoCase(known) == 0)
            return route;
    return Route::OwnFile;
}

int CDrawingOpener::Open(const CString& given) {
    if (!FileExists(given))
        return 0;
    // Outside programs run in other folders: they get the full path, as the
    // file system's bytes.
    const CString path(std::filesystem::absolute(std::filesystem::path(given.str())).string());
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
