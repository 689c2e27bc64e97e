#pragma once
// What the markups need of the document beyond what every entity needs:
// the current redline style and layer, the tag and name of the next markup,
// the label text size, filing of the children a markup builds, and length
// conversions between drawing and view units. The document class derives
// from it; tests put a fake in its place.

#include "entities/CEntityDocument.h"
#include "markups/CRedlineStyle.h"
#include "platform/mfc/CString.h"

class CRukEntity;

class CMarkupDocument : public CEntityDocument {
public:
    // Appends a redline object to the drawing order and flags it.
    virtual void AddMarkup(CRukEntity* object) = 0;
    // Files the object on the layer its layer name names, creating a
    // missing layer.
    virtual void AddToLayer(CRukEntity* object) = 0;
    // Drawing length -> view length, rounded.
    virtual int LogicalToDevice(int value) const = 0;
    // View length -> drawing length, rounded.
    virtual int DeviceToLogical(int value) const = 0;
    // The drawing point at the view's origin: LogicalToDevicePoint is
    // ToViewPoint from it at ViewScale.
    virtual POINT ViewOrigin() const { return POINT{0, 0}; }
    // The drawing's extent from its lowest to its highest y.
    virtual double ExtentHeight() const { return 0.0; }

    CRedlineStyle m_style;
    // Layer of new markups and their children.
    CString m_curLayerName = "0";
    // Tag and name of the next markup; each markup's Finish takes and clears them.
    CString m_newMarkTag;
    CString m_newMarkName;
    // The label text factor: label text height = unit x factor.
    double m_textSize = 0.2;
    // The arrowhead factor: arrowhead length = unit x factor.
    double m_arrowSize = 1.0;
    // The cloud factor: new clouds' arc size = unit x factor.
    double m_cloudSize = 0.4;
};
