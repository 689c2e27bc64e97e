#pragma once
// A picture of an enhanced metafile, as the clipboard offers it beside the
// metafile itself: the frame at the reference device's resolution, drawn
// on white.

#include <QImage>

class CEnhMetaFile;

class CEnhMetaFileImage {
public:
    // A null image when the metafile's header is unsound or its frame empty.
    static QImage Render(const CEnhMetaFile& metafile);
};
