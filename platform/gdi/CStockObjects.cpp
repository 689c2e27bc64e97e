#include "platform/gdi/CStockObjects.h"

#include "platform/gdi/CBrush.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPen.h"

namespace {

std::unique_ptr<CGdiObject> Brush(UINT style, COLORREF color) {
    auto brush = std::make_unique<CBrush>();
    const LOGBRUSH description{style, color, 0};
    brush->CreateBrushIndirect(&description);
    return brush;
}

std::unique_ptr<CGdiObject> Pen(int style, COLORREF color) {
    auto pen = std::make_unique<CPen>();
    pen->CreatePen(style, 0, color);
    return pen;
}

} // namespace

std::unique_ptr<CGdiObject> CStockObjects::Make(int index) {
    std::unique_ptr<CGdiObject> object;
    switch (index) {
    case WHITE_BRUSH:
        object = Brush(BS_SOLID, RGB(255, 255, 255));
        break;
    case LTGRAY_BRUSH:
        object = Brush(BS_SOLID, RGB(192, 192, 192));
        break;
    case GRAY_BRUSH:
        object = Brush(BS_SOLID, RGB(128, 128, 128));
        break;
    case DKGRAY_BRUSH:
        object = Brush(BS_SOLID, RGB(64, 64, 64));
        break;
    case BLACK_BRUSH:
        object = Brush(BS_SOLID, RGB(0, 0, 0));
        break;
    case NULL_BRUSH:
        object = Brush(BS_NULL, 0);
        break;
    case WHITE_PEN:
        object = Pen(PS_SOLID, RGB(255, 255, 255));
        break;
    case BLACK_PEN:
        object = Pen(PS_SOLID, RGB(0, 0, 0));
        break;
    case NULL_PEN:
        object = Pen(PS_NULL, 0);
        break;
    case SYSTEM_FONT: {
        // The system font is a bitmap font: never smoothed.
        QFont system;
        system.setStyleStrategy(QFont::NoAntialias);
        auto font = std::make_unique<CFont>();
        font->CreateFromQFont(system);
        object = std::move(font);
        break;
    }
    default:
        return nullptr;
    }
    object->m_stock = true;
    return object;
}

const std::vector<std::unique_ptr<CGdiObject>>& CStockObjects::Objects() {
    // Never destroyed: the font must not outlive the Qt application object.
    static const auto* objects = [] {
        auto* made = new std::vector<std::unique_ptr<CGdiObject>>;
        for (int i = 0; i <= SYSTEM_FONT; ++i)
            made->push_back(Make(i));
        return made;
    }();
    return *objects;
}

CGdiObject* CStockObjects::Get(int index) {
    if (index < 0 || index > SYSTEM_FONT)
        return nullptr;
    return Objects()[static_cast<std::size_t>(index)].get();
}

int CStockObjects::IndexOf(const CGdiObject* object) {
    if (!object || !object->IsStockObject())
        return -1;
    const auto& objects = Objects();
    for (std::size_t i = 0; i < objects.size(); ++i) {
        if (objects[i].get() == object)
            return static_cast<int>(i);
    }
    return -1;
}
