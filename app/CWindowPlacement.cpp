#include "app/CWindowPlacement.h"

#include "platform/win/CProfile.h"

#include <QRegularExpression>
#include <QWidget>

RECT CWindowPlacement::ParseRect(const QString& text) {
    if (text.isEmpty())
        return RECT{0, 0, 800, 600};
    const QStringList parts =
        text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    LONG values[4] = {0, 0, 0, 0};
    for (qsizetype i = 0; i < 4 && i < parts.size(); ++i)
        values[i] = parts[i].toInt();
    return RECT{values[0], values[1], values[2], values[3]};
}

QString CWindowPlacement::FormatRect(const RECT& rect) {
    return QString::asprintf("%04d %04d %04d %04d", rect.left, rect.top, rect.right, rect.bottom);
}

CWindowPlacement CWindowPlacement::Load() {
    CWindowPlacement placement;
    placement.m_rcNormal = ParseRect(CProfile::GetProfileString("MAINWINDOW", "RECT").ToQString());
    placement.m_bIcon = CProfile::GetProfileInt("MAINWINDOW", "ICON", 0) != 0;
    placement.m_bMax = CProfile::GetProfileInt("MAINWINDOW", "MAX", 1) != 0;
    return placement;
}

void CWindowPlacement::Save() const {
    CProfile::WriteProfileString("MAINWINDOW", "RECT",
                                 FormatRect(m_rcNormal).toLatin1().constData());
    CProfile::WriteProfileInt("MAINWINDOW", "ICON", m_bIcon ? 1 : 0);
    CProfile::WriteProfileInt("MAINWINDOW", "MAX", m_bMax ? 1 : 0);
}

void CWindowPlacement::Apply(QWidget& window) const {
    window.setGeometry(m_rcNormal.left, m_rcNormal.top, m_rcNormal.right - m_rcNormal.left,
                       m_rcNormal.bottom - m_rcNormal.top);
    if (m_bIcon) {
        window.setAttribute(Qt::WA_ShowWithoutActivating);
        window.setWindowState(m_bMax ? Qt::WindowMinimized | Qt::WindowMaximized
                                     : Qt::WindowMinimized);
    } else {
        window.setWindowState(m_bMax ? Qt::WindowMaximized : Qt::WindowNoState);
    }
}

CWindowPlacement CWindowPlacement::FromWindow(const QWidget& window) {
    CWindowPlacement placement;
    const QRect normal =
        window.normalGeometry().isValid() ? window.normalGeometry() : window.geometry();
    placement.m_rcNormal = RECT{normal.left(), normal.top(), normal.left() + normal.width(),
                                normal.top() + normal.height()};
    placement.m_bIcon = window.isMinimized();
    placement.m_bMax = (window.windowState() & Qt::WindowMaximized) != 0;
    return placement;
}
