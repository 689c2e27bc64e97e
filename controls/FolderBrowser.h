#pragma once
// The folder chooser of the settings and batch dialogs: it opens on the
// folder given.
#include <QString>

class QWidget;

// The chosen folder, or an empty text when the user cancels.
QString BrowseForFolder(QWidget* parent, const QString& caption, const QString& startFolder);
