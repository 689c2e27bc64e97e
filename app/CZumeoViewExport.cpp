// The view's image export.
#include "app/CImageExporter.h"
#include "app/CZumeoDoc.h"
#include "app/CZumeoView.h"
#include "controls/CFileDialogSaveImage.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CDeviceCaps.h"
#include "platform/win/CDialogService.h"
#include "platform/win/PathFunctions.h"

#include <algorithm>

void CZumeoView::OnImageExport() {
    if (!m_document)
        return;
    const CString pathName = m_document->GetPathName();
    const CString proposed = ReplaceExtension(pathName, "");
    const CString folder =
        m_document->m_controlPath.IsEmpty() ? CString() : GetFileDir(m_document->m_controlPath);
    CFileDialogSaveImage dialog(folder.ToFilePath(), proposed.ToFilePath(), CImageExportOptions{},
                                this);
    if (CDialogService::Current().RunModal(dialog) != QDialog::Accepted)
        return;
    const QString chosen = dialog.ChosenPath();
    if (chosen.isEmpty())
        return;
    ExportImage(CString::FromFilePath(chosen), dialog.FilterIndex(), dialog.Options());
}

bool CZumeoView::ExportImage(const CString& path, int format, const CImageExportOptions& options) {
    if (!m_document)
        return false;
    CDC dc(CDeviceCaps(std::max(width(), 1), std::max(height(), 1), logicalDpiX(), logicalDpiY()));
    PrepareDC(&dc);
    const bool visible = options.m_range == CImageExportOptions::kVisible;
    const SIZE output =
        visible && options.m_useWindowSize
            ? SIZE{width(), height()}
            : SIZE{static_cast<LONG>(options.m_width), static_cast<LONG>(options.m_height)};
    RECT rect{0, 0, width(), height()};
    HENHMETAFILE metafile = nullptr;
    if (visible) {
        dc.DPtoLP(&rect);
        metafile = m_document->RenderToMetafile(&dc, rect, m_settings);
    } else {
        metafile = m_document->RenderShownDrawing(&dc, m_settings, &rect);
    }
    return CImageExporter::Export(metafile, SIZE{rect.right - rect.left, rect.bottom - rect.top},
                                  output, CImageExporter::FormatOfFilter(format), path);
}
