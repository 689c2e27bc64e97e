#pragma once
// Renders the first page of a PDF file into an image with pdftoppm, without
// smoothing, so colours stay as they were printed.

#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>

inline QImage RenderPdfPage(const QString& pdf, int dpi) {
    const QString stem = pdf + QStringLiteral(".page");
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-r"),
                  QString::number(dpi), QStringLiteral("-aa"), QStringLiteral("no"),
                  QStringLiteral("-aaVector"), QStringLiteral("no"), pdf, stem});
    if (!render.waitForFinished(60000) || render.exitCode() != 0)
        return QImage();
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}
