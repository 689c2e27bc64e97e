#pragma once
// How a shape reaches one output once its pen is chosen: the bare geometry,
// the geometry dashed by the emulation, and the line type's own pen. Screen
// and metafile output work in view units, printing in printer units. An
// output lives on the stack for one drawing step: shapes are drawn by the
// million, so it takes no heap.

#include "platform/win/WinTypes.h"

class CDC;
class CDrawDefaults;
class CEntityDocument;
class CPen;
class CRukEntity;
class CScreenShapeOutput;
class CPrinterShapeOutput;

class CShapeOutput {
public:
    virtual void Trace() const = 0;
    virtual void Dashed() const = 0;
    virtual void LinePen(CPen* pen, COLORREF color, int width) const = 0;

    // TraceA, LineTypeA and CreateLinePen of the entity.
    static CScreenShapeOutput Screen(CRukEntity& entity, CEntityDocument* document, CDC* dc,
                                     int originX, int originY, double scale, double patternFactor,
                                     const CDrawDefaults* settings, const RECT& clip);
    // TraceB, LineTypeB and CreateLinePenPrinter of the entity.
    static CPrinterShapeOutput Printer(CRukEntity& entity, CEntityDocument* document, CDC* dc,
                                       int unitDivisor, double scale, double patternFactor,
                                       const CDrawDefaults* settings);

protected:
    ~CShapeOutput() = default;
};

class CScreenShapeOutput final : public CShapeOutput {
public:
    CScreenShapeOutput(CRukEntity& entity, CEntityDocument* document, CDC* dc, int originX,
                       int originY, double scale, double patternFactor,
                       const CDrawDefaults* settings, const RECT& clip)
        : m_entity(entity), m_document(document), m_dc(dc), m_originX(originX), m_originY(originY),
          m_scale(scale), m_patternFactor(patternFactor), m_settings(settings), m_clip(clip) {}
    void Trace() const override;
    void Dashed() const override;
    void LinePen(CPen* pen, COLORREF color, int width) const override;

private:
    CRukEntity& m_entity;
    CEntityDocument* m_document;
    CDC* m_dc;
    int m_originX;
    int m_originY;
    double m_scale;
    double m_patternFactor;
    const CDrawDefaults* m_settings;
    const RECT& m_clip;
};

class CPrinterShapeOutput final : public CShapeOutput {
public:
    CPrinterShapeOutput(CRukEntity& entity, CEntityDocument* document, CDC* dc, int unitDivisor,
                        double scale, double patternFactor, const CDrawDefaults* settings)
        : m_entity(entity), m_document(document), m_dc(dc), m_unitDivisor(unitDivisor),
          m_scale(scale), m_patternFactor(patternFactor), m_settings(settings) {}
    void Trace() const override;
    void Dashed() const override;
    void LinePen(CPen* pen, COLORREF color, int width) const override;

private:
    CRukEntity& m_entity;
    CEntityDocument* m_document;
    CDC* m_dc;
    int m_unitDivisor;
    double m_scale;
    double m_patternFactor;
    const CDrawDefaults* m_settings;
};
