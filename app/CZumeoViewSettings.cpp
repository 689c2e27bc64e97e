// The view's settings command.
#include "app/CZumeoDoc.h"
#include "app/CZumeoView.h"
#include "entities/CRukEntity.h"
#include "platform/win/CDialogService.h"
#include "settings/CDrawDefaults.h"
#include "ui/CSettingsDlg.h"

void CZumeoView::DoSettingsDialog(int firstPage) {
    CSettingsDlg dialog(CSettingsValues::FromRecord(m_settings), firstPage, this);
    if (CDialogService::Current().RunModal(dialog) != QDialog::Accepted)
        return;
    m_pTool.reset();
    const int oldFitRange = m_settings.m_useSheetExtent;
    dialog.Values().ApplyTo(m_settings);
    if (m_document) {
        if (m_settings.m_useSheetExtent != oldFitRange) {
            m_document->RecomputeExtent(m_settings.m_useSheetExtent == 1);
            m_document->m_fullExtent = m_document->m_extent;
            ZoomFit(m_settings.m_useSheetExtent);
        }
        m_document->RecalcMarkupSizes(m_settings);
        RefreshPaletteSizes();
    }
    Redraw();
}
