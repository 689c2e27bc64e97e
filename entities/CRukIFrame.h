#pragma once
// A raster image placed in the drawing: four corner points (point 0 to
// point 3 is the image's x axis), optionally four more that clip it, and
// the image stretched over them. The frame keeps the image inside the
// archive, so a saved drawing does not depend on the source file; a frame
// read back writes the stored file into a private temporary folder of its
// own, which it removes when it goes unless told to keep it.

#include "entities/CRukEntity.h"
#include "image/CRasterImage.h"

#include <memory>
#include <vector>

class CRukIFrame : public CRukEntity {
    DECLARE_SERIAL(CRukIFrame)

public:
    CRukIFrame();
    ~CRukIFrame() override;

    void Serialize(CArchive& ar) override;
    void RecalcExtents() override;
    int CreateFromRecord(const PorRecord* record, CEntityDocument* document,
                         int defaultWidth) override;
    void DrawB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
               double patternFactor, const CDrawDefaults* settings, BOOL drawBlack) override;
    void DrawA(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
               double patternFactor, const CDrawDefaults* settings, BOOL drawBlack,
               const RECT& clip) override;
    void TraceB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults* settings) override;
    void TraceA(CDC* dc, int originX, int originY, double scale, const CDrawDefaults* settings,
                const RECT& clip, BOOL boxOnly) override;
    void LineTypeA(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
                   double patternFactor, const CDrawDefaults* settings, const RECT& clip) override;
    int HitTest(CDC* dc, CEntityDocument* document, int x, int y) override;

    // Loads the file and fits the frame into the rectangle with the image's
    // aspect ratio, the first corner kept; 1 on success.
    int LoadImageFile(const char* path, int left, int top, int right, int bottom);
    // The same from a corner; a zero width or height gives the frame the
    // image's pixel size x 1000.
    int LoadImageFileEx(const char* path, POINT origin, int width, int height);

    const CRasterImage& GetImage() const { return m_image; }
    const CRasterImage* GetRotatedImage() const { return m_rotated.get(); }
    const CString& GetImagePath() const { return m_imagePath; }
    void SetKeepFile(BOOL keep) { m_keepFile = keep ? 1 : 0; }

private:
    bool LoadImage(const char* path);
    void SetCorners(int left, int top, int right, int bottom);
    // The turned copy for a frame whose x axis is not level.
    void MakeRotatedImage();
    void ReadStoredFile(CArchive& ar, const CString& name);
    void RemoveTemporaryFile();
    // The clip outline: the corners, or points 4..7.
    std::vector<POINT> Outline(const std::vector<POINT>& points) const;
    void DrawImage(CDC* dc, const std::vector<POINT>& points, const RECT* clip, DWORD rop,
                   const CDrawDefaults* settings) const;

    CRasterImage m_image;
    std::unique_ptr<CRasterImage> m_rotated;
    CString m_imagePath;
    int m_keepFile = 0;
    int m_tempFile = 0;
};
