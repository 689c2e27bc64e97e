#pragma once
// GDI's stock objects: the pens, brushes and font that exist without being
// created and that DeleteObject leaves alone.

#include <memory>
#include <vector>

class CGdiObject;

class CStockObjects {
public:
    // The stock object of that index (WHITE_BRUSH ... NULL_PEN, SYSTEM_FONT),
    // null for any other index.
    static CGdiObject* Get(int index);
    // The index of a stock object, -1 for any other object.
    static int IndexOf(const CGdiObject* object);

private:
    static std::unique_ptr<CGdiObject> Make(int index);
    static const std::vector<std::unique_ptr<CGdiObject>>& Objects();
};
