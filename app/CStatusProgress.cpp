#include "app/CStatusProgress.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>

#include <algorithm>

namespace {

constexpr int kMessagePane = 0;

} // namespace

CStatusProgress::CStatusProgress(QStatusBar* statusBar) : m_statusBar(statusBar) {}

CStatusProgress::~CStatusProgress() {
    DestroyWindow();
}

int CStatusProgress::ShowInPane(int pane, const CString& caption, int maximum) {
    if (m_pane || !m_statusBar || pane != kMessagePane)
        return 0;
    auto* widget = new QWidget;
    auto* layout = new QHBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    // The bar starts one blank behind the caption.
    layout->setSpacing(m_statusBar->fontMetrics().horizontalAdvance(QLatin1Char(' ')));
    m_caption = new QLabel(widget);
    m_bar = new QProgressBar(widget);
    m_bar->setTextVisible(false);
    if (maximum > 0)
        m_bar->setMaximumWidth(maximum);
    layout->addWidget(m_caption);
    layout->addWidget(m_bar, 1);
    layout->addStretch();
    m_pane = widget;
    SetPaneText(pane, caption);
    // A temporary message would hide the pane.
    m_statusBar->clearMessage();
    m_statusBar->insertWidget(0, widget, 1);
    SendMessage(this, PBM_SETRANGE32, 0, maximum);
    return 1;
}

int CStatusProgress::SetPaneText(int pane, const CString& text) {
    if (!m_statusBar || pane != kMessagePane)
        return 0;
    if (m_caption) {
        m_caption->setText(text.ToQString());
        m_caption->setVisible(!text.IsEmpty());
    } else if (text.IsEmpty()) {
        m_statusBar->clearMessage();
    } else {
        m_statusBar->showMessage(text.ToQString());
    }
    return 1;
}

void CStatusProgress::DestroyWindow() {
    if (m_statusBar && m_pane)
        m_statusBar->removeWidget(m_pane);
    // At once, not deleteLater: no event loop runs during an import.
    delete m_pane.data();
}

HWND CStatusProgress::GetSafeHwnd() {
    return m_bar ? this : nullptr;
}

LRESULT CStatusProgress::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // The status bar may have gone while a plug-in still holds the handle.
    if (!m_bar)
        return 0;
    switch (message) {
    case PBM_SETRANGE32: {
        // The previous range as the 16-bit pair PBM_SETRANGE answers with.
        const LRESULT previous = static_cast<LRESULT>(m_bar->minimum() & 0xFFFF) |
                                 static_cast<LRESULT>(m_bar->maximum() & 0xFFFF) << 16;
        const int position = m_bar->value();
        m_bar->setRange(static_cast<int>(wParam), static_cast<int>(lParam));
        // The position stays inside the range; Qt's bar would fall back to
        // "no position" instead.
        m_bar->setValue(std::clamp(position, m_bar->minimum(), m_bar->maximum()));
        return previous;
    }
    case PBM_SETPOS: {
        const int previous = m_bar->value();
        m_bar->setValue(std::clamp(static_cast<int>(wParam), m_bar->minimum(), m_bar->maximum()));
        return previous;
    }
    case PBM_GETPOS:
        return m_bar->value();
    case PBM_GETRANGE:
        return wParam ? m_bar->minimum() : m_bar->maximum();
    default:
        return 0;
    }
}
