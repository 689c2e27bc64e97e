#pragma once
// Opens a drawing file into the document by its type: the plug-in whose
// pattern names the extension first, then the routes the program knows by
// extension, else the program's own drawing file.

#include "platform/mfc/CString.h"

class CDrawDefaults;
class CPlugInList;
class CZumeoDoc;

class CDrawingOpener {
public:
    enum class Route { PlugIn, Raster, Metafile, Dxf, Dwg, Jwc, Sxf, Pdf, OwnFile };

    CDrawingOpener(CZumeoDoc& document, const CPlugInList& plugIns, const CDrawDefaults& settings);

    // The route that reads the file.
    Route RouteOf(const CString& path) const;
    // 1 when the drawing is open; 0 for a missing file or one that cannot
    // be read (the route has said why).
    int Open(const CString& path);

private:
    int OpenDwg(const CString& path);
    int OpenPdf(const CString& path);

    CZumeoDoc& m_document;
    const CPlugInList& m_plugIns;
    const CDrawDefaults& m_settings;
};
