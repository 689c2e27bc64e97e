#pragma once
// A printing device context on any Qt paint device (a QPrinter, or a
// QPdfWriter where no printer exists): m_bPrinting is set, the resolution
// and the sheet come from the device. The device stays the caller's; the
// document is finished when the context goes.

#include "platform/gdi/CPainterDC.h"

class CPrinterDC : public CPainterDC {
    DECLARE_DYNAMIC(CPrinterDC)

public:
    explicit CPrinterDC(QPaintDevice& device);
};
