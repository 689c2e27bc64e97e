#pragma once
// A metafile shown in a rectangular frame of the drawing: made when a
// metafile is opened as the base drawing or placed by a markup. The frame
// keeps the metafile's bytes in the archive.

#include "entities/CMetaFile.h"
#include "entities/CRukEntity.h"

class CRukMFrame : public CRukEntity {
    DECLARE_SERIAL(CRukMFrame)

public:
    CRukMFrame();

    void Serialize(CArchive& ar) override;
    void RecalcExtents() override;
    void DrawB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
               double patternFactor, const CDrawDefaults* settings, BOOL drawBlack) override;
    void DrawA(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
               double patternFactor, const CDrawDefaults* settings, BOOL drawBlack,
               const RECT& clip) override;
    void TraceB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults* settings) override;
    void TraceA(CDC* dc, int originX, int originY, double scale, const CDrawDefaults* settings,
                const RECT& clip, BOOL boxOnly) override;
    int HitTest(CDC* dc, CEntityDocument* document, int x, int y) override;

    // Loads the file; the frame takes the picture's pixel size x 1000
    // drawing units from (0, 0). 1 on success.
    int LoadMetaFile(const char* path);
    // Loads the file and fits the frame into the rectangle with the
    // picture's aspect ratio, the first corner kept.
    int LoadMetaFileAt(const char* path, const RECT& rect);

    CMetaFile& GetMetaFile() { return m_metafile; }
    const CString& GetFilePath() const { return m_filePath; }

private:
    void SetCorners(const RECT& rect);
    // Plays the picture into the box of corners 1 and 3.
    void Play(CDC* dc, POINT first, POINT second);

    CMetaFile m_metafile;
    CString m_filePath;
    int m_keepFile = 0;
};
