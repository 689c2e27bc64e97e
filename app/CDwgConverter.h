#pragma once
// A DWG drawing turned into DXF by the outside converter program. Two kinds
// of converter are known by their arguments: "DrevixCon.exe" takes the
// drawing and the output file; any other converts a folder of drawings into
// another folder. The output is always written into a private folder made
// empty for this conversion, so nothing left over by an earlier run can be
// taken for this drawing's.

#include "app/CScratchFolder.h"

#include <QStringList>

class CDwgConverter {
public:
    explicit CDwgConverter(const CString& converterPath);

    // Runs the converter on the drawing; the DXF file's path, which lives as
    // long as this object, or empty after a message saying why not.
    CString Convert(const CString& dwgPath);

    // Whether the converter would run: a path naming an executable file, or
    // a bare program name found on PATH. DWG drawings are offered only then.
    static bool IsAvailable(const CString& converterPath);
    // True when the converter takes the drawing and the output file as its
    // arguments, false for the folder form.
    static bool IsFileForm(const CString& converterPath);
    // The arguments of the folder form for the two folders (each without a
    // trailing '/'), and of the file form for the drawing and the output.
    static QStringList FolderArguments(const CString& inputFolder, const CString& outputFolder);
    static QStringList FileArguments(const CString& dwgPath, const CString& outputPath);

private:
    CString m_converter;
    CScratchFolder m_input;
    CScratchFolder m_output;
};
