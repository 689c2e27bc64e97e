#include "app/CPdfRenderer.h"

#include "platform/win/CDialogService.h"
#include "platform/win/PathFunctions.h"
#include "platform/win/Processes.h"

namespace {

void Refuse(const char* text, const CString& path) {
    AfxMessageBox(CString::FromUtf8(text) + PathForDisplay(path), MB_OK | MB_ICONEXCLAMATION);
}

} // namespace

CPdfRenderer::CPdfRenderer(const CString& ghostscript) : m_ghostscript(ghostscript) {}

QStringList CPdfRenderer::Arguments(const CString& outputPath, const CString& pdfPath) {
    // Ghostscript reads '%' in the output name as a page number format.
    QString output = outputPath.ToFilePath();
    output.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return {QStringLiteral("-dSAFER"),   QStringLiteral("-dBATCH"),
            QStringLiteral("-dNOPAUSE"), QStringLiteral("-sDEVICE=jpeg"),
            QStringLiteral("-r300"),     QStringLiteral("-sOutputFile=") + output,
            pdfPath.ToFilePath()};
}

CString CPdfRenderer::Render(const CString& pdfPath) {
    const CString ghostscript = FindProgram(m_ghostscript);
    if (ghostscript.IsEmpty()) {
        Refuse("PDFを開くためのGhostscript (gs) が見つかりません。\n", m_ghostscript);
        return {};
    }
    if (m_output.Path().IsEmpty()) {
        Refuse("PDFデータが変換できません。\n作業フォルダを作成できません。\n", GetTempDir());
        return {};
    }
    const CString output = m_output.Path() + ReplaceExtension(GetFileTitleExt(pdfPath), ".jpg");
    const ProcessOutcome outcome =
        RunProcessAndWait(ghostscript, Arguments(output, pdfPath), GetFileDir(pdfPath));
    if (!outcome.started || !outcome.succeeded || !FileExists(output)) {
        Refuse("PDFデータが変換できません。\n", pdfPath);
        return {};
    }
    return output;
}
