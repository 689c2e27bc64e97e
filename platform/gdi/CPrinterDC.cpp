#include "platform/gdi/CPrinterDC.h"

IMPLEMENT_DYNAMIC(CPrinterDC, CPainterDC)

CPrinterDC::CPrinterDC(QPaintDevice& device)
    : CPainterDC(device, CDeviceCaps::FromPaintDevice(device, DT_RASPRINTER)) {
    m_bPrinting = TRUE;
}
