#include "ui/CAboutDlg.h"

#include "ui/CHyperLink.h"

#include <QPainter>
#include <QPushButton>

namespace {

constexpr QPoint kVersionAt(25, 48);
constexpr int kVersionPixels = 18;
const QColor kVersionColor(0x40, 0x40, 0x40);

} // namespace

CAboutDlg::CAboutDlg(const QString& version, QWidget* parent)
    : CBkDialog(parent), m_version(version), m_link(new CHyperLink(this)) {
    setObjectName(QStringLiteral("id_100"));
    setWindowTitle(QStringLiteral("Zumeo のバージョン情報"));
    setFixedSize(360, 150);
    m_link->setObjectName(QStringLiteral("id_%1").arg(kLink));
    m_link->SetURL(QString::fromLatin1(kProjectAddress));
    m_link->move(kVersionAt.x(), kVersionAt.y() + 20);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("id_%1").arg(kOk));
    ok->setDefault(true);
    ok->move(width() - ok->sizeHint().width() - 12, height() - ok->sizeHint().height() - 12);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QString CAboutDlg::VersionLine() const {
    return QStringLiteral("Zumeo / ") + m_version;
}

void CAboutDlg::paintEvent(QPaintEvent* event) {
    CBkDialog::paintEvent(event);
    QPainter painter(this);
    QFont font(QStringLiteral("Century Gothic"));
    font.setPixelSize(kVersionPixels);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(kVersionColor);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(QRect(kVersionAt, QSize(width() - kVersionAt.x(), kVersionPixels * 2)),
                     Qt::AlignLeft | Qt::AlignTop, VersionLine());
}
