#pragma once
// A PDF file rendered as a JPEG image at 300 dots per inch by Ghostscript,
// into a private folder of its own, so no file beside the PDF is touched.

#include "app/CScratchFolder.h"

#include <QStringList>

class CPdfRenderer {
public:
    // The Ghostscript program: a path, or a name found on PATH.
    explicit CPdfRenderer(const CString& ghostscript);

    // The JPEG's path, which lives as long as this object, or empty after a
    // message saying why not.
    CString Render(const CString& pdfPath);

    static QStringList Arguments(const CString& outputPath, const CString& pdfPath);

private:
    CString m_ghostscript;
    CScratchFolder m_output;
};
