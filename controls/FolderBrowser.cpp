#include "controls/FolderBrowser.h"

#include <QFileDialog>

QString BrowseForFolder(QWidget* parent, const QString& caption, const QString& startFolder) {
    return QFileDialog::getExistingDirectory(parent, caption, startFolder,
                                             QFileDialog::ShowDirsOnly);
}
