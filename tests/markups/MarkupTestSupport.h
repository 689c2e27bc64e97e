#pragma once
// Helpers of the markup tests: a document with a plain view mapping that
// keeps the redline objects filed with it, a feedback surface that records
// the figures drawn (and tells which are left on screen by XOR parity),
// and the default settings record.

#include "entities/CRukEntity.h"
#include "geometry/Geometry.h"
#include "markups/CMarkupDocument.h"
#include "markups/CTrackSurface.h"
#include "platform/mfc/CArchive.h"
#include "platform/mfc/CArchiveException.h"
#include "platform/mfc/CMemFile.h"
#include "settings/CDrawDefaults.h"
#include "tests/entities/SchemaTestSupport.h"

#include <algorithm>
#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

class FakeMarkupDocument : public CMarkupDocument {
public:
    FakeMarkupDocument() = default;
    ~FakeMarkupDocument() override {
        for (CRukEntity* object : m_drawOrder)
            delete object;
    }

    POINT LogicalToDevicePoint(LONG x, LONG y) const override {
        return ToViewPoint(x, y, m_originX, m_originY, m_viewScale);
    }
    int GetLayerState(const CString& layerName) const override {
        return m_hiddenLayers.count(layerName.str()) ? 0 : 1;
    }
    void AddRecordEntity(CRukEntity* entity) override { delete entity; }
    CRukEntity* FindEntityById(const CString&) const override { return nullptr; }
    UINT GetUnit() const override { return m_unit; }
    double ViewScale() const override { return m_viewScale; }
    void AddMarkup(CRukEntity* object) override {
        m_drawOrder.push_back(object);
        object->m_redline = 1;
    }
    void AddToLayer(CRukEntity* object) override {
        m_layers[object->GetLayerName().str()].push_back(object);
    }
    int LogicalToDevice(int value) const override { return RndInt(value * m_viewScale); }
    int DeviceToLogical(int value) const override { return RndInt(value / m_viewScale); }
    double ExtentHeight() const override { return m_extentHeight; }
    POINT ViewOrigin() const override { return POINT{m_originX, m_originY}; }

    LONG m_originX = 0;
    LONG m_originY = 0;
    double m_viewScale = 1.0;
    UINT m_unit = 1000;
    double m_extentHeight = 0.0;
    std::set<std::string> m_hiddenLayers;
    // The redline objects filed, owned by the document.
    std::vector<CRukEntity*> m_drawOrder;
    std::map<std::string, std::vector<CRukEntity*>> m_layers;
};

// Every label measures 10 view units per byte by 20.
class RecordingSurface : public CTrackSurface {
public:
    void Polyline(const std::vector<POINT>& points) override { Record("Polyline", points); }
    void Polygon(const std::vector<POINT>& points) override { Record("Polygon", points); }
    void Stroke(POINT from, POINT to, int lineWidth) override {
        m_strokeWidths.push_back(lineWidth);
        Record("Stroke", {from, to});
    }
    SIZE MeasureLabel(const CString& text, const CLabelFont& font) override {
        m_fonts.push_back(font.m_height);
        return SIZE{10 * text.GetLength(), 20};
    }

    // The figures drawn an odd number of times: what XOR leaves on screen.
    // A two-point line is the same figure either way round, and a figure
    // that collapses to one point draws nothing.
    std::multiset<std::string> Shown() const {
        std::map<std::string, int> counts;
        for (const auto& figure : m_figures)
            ++counts[figure];
        std::multiset<std::string> shown;
        for (const auto& [figure, count] : counts)
            if (count % 2 == 1)
                shown.insert(figure);
        return shown;
    }

    std::vector<std::string> m_figures;
    std::vector<int> m_fonts;
    std::vector<int> m_strokeWidths;

    static std::string Figure(const char* kind, std::vector<POINT> points) {
        if (points.size() == 2 && (points[1].x < points[0].x ||
                                   (points[1].x == points[0].x && points[1].y < points[0].y)))
            std::swap(points[0], points[1]);
        std::ostringstream out;
        out << kind << "(";
        for (std::size_t i = 0; i < points.size(); ++i)
            out << (i ? " " : "") << points[i].x << "," << points[i].y;
        out << ")";
        return out.str();
    }

private:
    void Record(const char* kind, const std::vector<POINT>& points) {
        const bool collapsed = std::all_of(points.begin(), points.end(), [&](const POINT& p) {
            return p.x == points.front().x && p.y == points.front().y;
        });
        if (!points.empty() && !collapsed)
            m_figures.push_back(Figure(kind, points));
    }
};

inline bool operator==(const SIZE& a, const SIZE& b) {
    return a.cx == b.cx && a.cy == b.cy;
}

inline void PrintTo(const SIZE& s, std::ostream* out) {
    *out << s.cx << " x " << s.cy;
}

// The default settings with the standard text scale.
inline CDrawDefaults MarkupSettings() {
    CDrawDefaults settings;
    settings.m_textScale = 1.4;
    settings.m_bkColor = 0xFFFFFF;
    return settings;
}

// The children of a group in list order.
inline std::vector<CRukEntity*> ChildrenOf(const CRukEntity& group) {
    std::vector<CRukEntity*> children;
    for (POSITION position = group.GetHeadPosition(); position;)
        children.push_back(group.GetNext(position));
    return children;
}

// A markup read from an archive with the children it refers to: nothing
// else owns them.
template <class Markup> struct LoadedMarkup {
    explicit LoadedMarkup(CObject* object) : mark(dynamic_cast<Markup*>(object)) {
        if (!mark)
            delete object;
    }
    ~LoadedMarkup() {
        if (!mark)
            return;
        for (CRukEntity* child : ChildrenOf(*mark))
            delete child;
        delete mark;
    }
    LoadedMarkup(const LoadedMarkup&) = delete;
    LoadedMarkup& operator=(const LoadedMarkup&) = delete;

    Markup* mark;
};
