// The view's side of the measure window.
#include "app/CRukMeasureTracker.h"
#include "app/CZumeoDoc.h"
#include "app/CZumeoView.h"
#include "ui/CMeasureDlg.h"

void CZumeoView::UpdateMeasureDialog() {
    if (m_toolMode != kToolMeasure) {
        delete m_pMeasureDlg;
        return;
    }
    if (!m_pMeasureDlg)
        m_pMeasureDlg = new CMeasureDlg(*this, window());
    m_pMeasureDlg->show();
    m_pMeasureDlg->raise();
}

std::optional<CMeasureHost::Result> CZumeoView::MeasureAt(int finished, int x, int y) {
    const auto* tracker = dynamic_cast<const CRukMeasureTracker*>(m_pTool.get());
    if (!tracker || !m_document)
        return std::nullopt;
    Result result{};
    int isArea = 0;
    tracker->Measure(m_document, x, y, &result.start, &result.end, &result.value, &result.angle,
                     finished, &isArea);
    result.area = isArea != 0;
    return result;
}

void CZumeoView::OnMeasureDialogClosed() {
    m_pTool.reset();
    m_toolMode = kToolNone;
    // The window is inside its own button's handler.
    if (m_pMeasureDlg)
        m_pMeasureDlg->deleteLater();
    m_pMeasureDlg = nullptr;
    UpdateCursor();
    Redraw();
}

void CZumeoView::CancelMeasurement() {
    m_pTool.reset();
    Redraw();
}

void CZumeoView::SelectMeasureTool() {
    m_toolMode = kToolMeasure;
}

void CZumeoView::FocusView() {
    setFocus();
}

CMeasureDlg* CZumeoView::MeasureDialog() const {
    return m_pMeasureDlg;
}
