#pragma once
// A hover button that can be latched: it then shows its pressed image, as a
// tool button does while its tool is active.
#include "controls/CHoverButton.h"

class CHoverButtonEx : public CHoverButton {
public:
    using CHoverButton::CHoverButton;

    bool GetLatched() const { return m_latched; }
    void SetLatched(bool latched) {
        m_latched = latched;
        update();
    }

protected:
    bool IsLatched() const override { return m_latched; }

private:
    bool m_latched = false;
};
