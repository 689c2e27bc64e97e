#pragma once
// The small picture of an image or metafile file that the recent-images list
// shows: the window colour, with the file's picture in the largest centred
// rectangle of its shape.

#include "platform/mfc/CString.h"

#include <QImage>

class CImageThumbnail {
public:
    static constexpr int kSide = 45;

    // A file that cannot be read gives the window colour alone.
    static QImage Make(const CString& path, QColor background);
};
