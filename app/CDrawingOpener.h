#pragma once
// Opens a drawing file into the document by its type: the plug-in whose
// pattern names the extension first, then the routes the program knows by
// extension, else the program's own drawing file.

#include "platform/mfc/CString.h"
#include "settings/CDrawingKinds.h"

class CDrawDefaults;
class CPlugInList;
class CZumeoDoc;

class CDrawingOpener {
public:
    using Route = CDrawingKinds::Route;

    CDrawingOpener(CZumeoDoc& document, const CPlugInList& plugIns, const CDrawDefaults& settings);

    // The route that reads the file.
    Route RouteOf(const CString& path) const;
    // 1 when the drawing is open; 0 for a missing file or one that cannot
    // be read (the route has said why).
    int Open(const CString& path);
    // Whether the file is read by the SXF route or by a plug-in as an SXF
    // file (".sfc", ".p21").
    bool IsSxfFile(const CString& path) const;

    // An SXF redline file is named "<base stem>(red)YYYYMMDD-X" with a valid
    // date and X a digit or a capital letter; 1 and the path of its base
    // drawing (same folder and extension) when the name follows that rule.
    static int FindBaseDrawing(const CString& redPath, CString* basePath);
    // The base drawing as it exists: the path itself, else with the other
    // SXF extension, lower case first; empty when none exists.
    static CString FindExistingSxfBase(const CString& basePath);
    // The SXF reader works in the current folder: the drawing's own when a
    // file can be made there, else the temporary folder.
    static void EnterWorkingFolder(const CString& path);

private:
    int OpenDwg(const CString& path);
    int OpenPdf(const CString& path);

    CZumeoDoc& m_document;
    const CPlugInList& m_plugIns;
    const CDrawDefaults& m_settings;
};
