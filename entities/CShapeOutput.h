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

// What both outputs keep of the entity's drawing step.
class CEntityShapeOutput : public CShapeOutput {
protected:
    CEntityShapeOutput(CRukEntity& entity, CEntityDocument* document, CDC* dc, double scale,
                       double patternFactor, const CDrawDefaults* settings)
        : m_entity(entity), m_document(document), m_dc(dc), m_scale(scale),
          m_patternFactor(patternFactor), m_settings(settings) {}
    ~CEntityShapeOutput() = default;

    CRukEntity& m_entity;
    CEntityDocument* m_document;
    CDC* m_dc;
    double m_scale;
    double m_patternFactor;
    const CDrawDefaults* m_settings;
};

class CScreenShapeOutput final : public CEntityShapeOutput {
public:
    CScreenShapeOutput(CRukEntity& entity, CEntityDocument* document, CDC* dc, int originX,
                       int originY, double scale, double patternFactor,
                       const CDrawDefaults* settings, const RECT& clip)
        : CEntityShapeOutput(entity, document, dc, scale, patternFactor, settings),
          m_originX(originX), m_originY(originY), m_clip(clip) {}
    void Trace() const override;
    void Dashed() const override;
    void LinePen(CPen* pen, COLORREF color, int width) const override;

private:
    int m_originX;
    int m_originY;
    const RECT& m_clip;
};

class CPrinterShapeOutput final : public CEntityShapeOutput {
public:
    CPrinterShapeOutput(CRukEntity& entity, CEntityDocument* document, CDC* dc, int unitDivisor,
                        double scale, double patternFactor, const CDrawDefaults* settings)
        : CEntityShapeOutput(entity, document, dc, scale, patternFactor, settings),
          m_unitDivisor(unitDivisor) {}
    void Trace() const override;
    void Dashed() const override;
    void LinePen(CPen* pen, COLORREF color, int width) const override;

private:
    int m_unitDivisor;
};
