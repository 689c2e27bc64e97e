#pragma once
// The drawing files the program knows by their extension, in one table
// that opening, batch conversion, continuous printing and the open dialog
// walk: each extension with the kind number the folder dialogs file it
// under (0 for none) and the route that reads it.

#include <span>

class CDrawingKinds {
public:
    enum class Route { PlugIn, Raster, Metafile, Dxf, Dwg, Jwc, Sxf, Pdf, OwnFile };

    // The kind that only a DWG converter can read.
    static constexpr int kDwgKind = 4;

    struct Extension {
        // With its dot, in lower case.
        const char* name;
        int kind;
        Route route;
    };

    // In the order the open dialog lists them.
    static std::span<const Extension> Extensions() { return kExtensions; }

private:
    static constexpr Extension kExtensions[] = {
        {".zmd", 1, Route::OwnFile},  {".dxf", 3, Route::Dxf},      {".dwg", kDwgKind, Route::Dwg},
        {".jwc", 5, Route::Jwc},      {".jwk", 5, Route::Jwc},      {".jww", 5, Route::Jwc},
        {".sfc", 6, Route::Sxf},      {".p21", 6, Route::Sxf},      {".bmp", 7, Route::Raster},
        {".jpg", 8, Route::Raster},   {".tif", 9, Route::Raster},   {".tiff", 9, Route::Raster},
        {".wmf", 0, Route::Metafile}, {".emf", 0, Route::Metafile}, {".pdf", 0, Route::Pdf},
    };
};
