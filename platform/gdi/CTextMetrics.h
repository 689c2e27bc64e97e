#pragma once
// How wide a character is and how far a font reaches above and below its
// baseline, in device pixels. Every text measure and text layout of the
// device contexts asks the current metrics; tests install fixed ones so
// that layouts do not depend on the fonts of the machine.

#include <QString>

class QFont;
class QPaintDevice;

class CTextMetrics {
public:
    virtual ~CTextMetrics() = default;

    // One character (one or two UTF-16 units) in a font whose size is in
    // device pixels; device null measures for the screen.
    virtual double Advance(const QFont& font, const QString& character,
                           const QPaintDevice* device) const = 0;
    virtual double Ascent(const QFont& font, const QPaintDevice* device) const = 0;
    virtual double Descent(const QFont& font, const QPaintDevice* device) const = 0;

    // The installed metrics, the fonts' own unless replaced.
    static const CTextMetrics& Current();
    // Replaces the current metrics (null puts the fonts' own back) and
    // returns the ones replaced. The caller keeps ownership.
    static const CTextMetrics* Install(const CTextMetrics* metrics);
};

// The fonts' own metrics, from Qt.
class CFontTextMetrics : public CTextMetrics {
public:
    double Advance(const QFont& font, const QString& character,
                   const QPaintDevice* device) const override;
    double Ascent(const QFont& font, const QPaintDevice* device) const override;
    double Descent(const QFont& font, const QPaintDevice* device) const override;
};
