#pragma once
// The placed image: a picture file (bitmap, JPEG, TIFF or metafile) put on
// the drawing as a redline by one click at its corner, in a size chosen
// before the click, with a thin border. Its children are the picture frame
// and the border polygon; its corners resize it with the picture's ratio
// kept.

#include "markups/CRukRedSquare.h"

class CRukRedImage : public CRukRedSquare {
    DECLARE_SERIAL(CRukRedImage)

public:
    CRukRedImage();

    void Serialize(CArchive& ar) override;
    // The border's pen.
    int GetLineType() const override;
    COLORREF GetColor() const override;
    int GetLineWidth() const override;
    int GetLineTypeScale() const override;
    // The click places the box and completes the markup; a picture without
    // a size is refused.
    int AddPoint(int x, int y, int mode) override;
    void Draw(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
              COLORREF color, const CDrawDefaults* settings, const RECT& clip) override;
    void MoveVertex(int dx, int dy, int index, int x, int y, UINT flags) override;
    // Picked through its border and box only.
    int HitTestPoint(CEntityDocument*, int, int) const override { return 0; }
    void Finish(CEntityDocument* document, CDC* dc, const CDrawDefaults* settings) override;
    void SetImagePath(const CString& path) override { m_imagePath = path; }

    void TrackOn(CTrackSurface& surface, CMarkupDocument& document, POINT oldPoint, POINT newPoint,
                 const CDrawDefaults& settings) override;
    void TrackAtOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                   const CDrawDefaults& settings) override;

    // Whether the file is read as a metafile (".wmf" or ".emf", any case)
    // rather than a raster image.
    static bool IsMetafilePath(const CString& path);

    // The placed box's width and height in drawing units; false for a
    // picture without a size.
    bool PlacedSize(SIZE* size) const;

    CString m_imagePath;
    int m_imageWidth = 0;
    int m_imageHeight = 0;
    // Drawing units before the scaling by m_placeUnit.
    double m_placeHeight = 0.0;
    // The document's unit when the markup was made.
    int m_placeUnit = 0;

private:
    const CRukEntity* Border() const;
    void DrawBox(CTrackSurface& surface, const CMarkupDocument& document, POINT corner) const;
    // The frame child for the picture in the box; null, after the message,
    // when the file does not load.
    CRukEntity* LoadFrame() const;
    // The four points (x1, y2), (x1, y1), (x2, y1), (x2, y2) of the box.
    std::vector<POINT> FramePoints() const;
};
