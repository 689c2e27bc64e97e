#pragma once
// Font metrics for layout tests: a full-width character is as wide as the
// font's pixel size, any other half of it; the ascent is 0.8 and the
// descent 0.2 of the size. Installed for the fixture's lifetime.

#include "platform/gdi/CTextMetrics.h"

#include <QFont>

class FixedTextMetrics : public CTextMetrics {
public:
    FixedTextMetrics() : m_previous(CTextMetrics::Install(this)) {}
    ~FixedTextMetrics() override { CTextMetrics::Install(m_previous); }
    FixedTextMetrics(const FixedTextMetrics&) = delete;
    FixedTextMetrics& operator=(const FixedTextMetrics&) = delete;

    double Advance(const QFont& font, const QString& character,
                   const QPaintDevice*) const override {
        const char16_t code = character.isEmpty() ? u' ' : character.at(0).unicode();
        const bool halfWidth = code < 0x1100 || (code >= 0xFF61 && code <= 0xFF9F);
        return halfWidth ? font.pixelSize() / 2.0 : font.pixelSize();
    }
    double Ascent(const QFont& font, const QPaintDevice*) const override {
        return font.pixelSize() * 0.8;
    }
    double Descent(const QFont& font, const QPaintDevice*) const override {
        return font.pixelSize() * 0.2;
    }

private:
    const CTextMetrics* m_previous;
};
