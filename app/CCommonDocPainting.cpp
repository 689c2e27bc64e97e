// The document's painting passes, its metafile rendering and the clipboard
// copy. Every pass culls by the object's view-space box before drawing.

#include "app/CCommonDoc.h"
#include "entities/CDashRules.h"
#include "entities/CEntityDrawer.h"
#include "entities/CRukEntity.h"
#include "entities/CRukLayer.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CEnhMetaFilePlayer.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CMetaFileDC.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/RectFunctions.h"
#include "settings/CDrawDefaults.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

constexpr int kChildOfInsert = 1;
constexpr int kCutOutline = 3;
constexpr int kCutHole = 4;

constexpr int kOrderByLayer = 0;
constexpr int kOrderRedlinesFirst = 2;

constexpr int kScreenAllBlack = 1;
constexpr int kPrintAllBlack = 0;
constexpr int kBlackButRedlines = 2;
constexpr int kBlackByLayer = 3;

// The margin around the drawing on the clipboard, in view units.
constexpr int kCopyMargin = 100;

// What one pass over the objects needs beside the list.
struct PassContext {
    CCommonDoc& document;
    const CDrawDefaults& settings;
    int colourMode;
    int allBlackMode;
};

BOOL DrawsBlack(const PassContext& pass, const CRukEntity& object) {
    if (pass.colourMode == pass.allBlackMode)
        return TRUE;
    if (pass.colourMode == kBlackButRedlines)
        return object.m_redline == 0 ? TRUE : FALSE;
    if (pass.colourMode == kBlackByLayer) {
        const CRukLayer* layer = pass.document.FindLayer(object.GetLayerName());
        return layer && layer->m_monochrome != 0 ? TRUE : FALSE;
    }
    return FALSE;
}

// The objects of the list that a pass draws: on a shown layer, visible, not
// a part that its owner draws; redline objects only while they are shown.
template <typename Draw>
void ForEachDrawn(const PassContext& pass, const CObList& list, bool redlines, Draw draw) {
    if (redlines && pass.settings.m_showRedlines == 0)
        return;
    for (POSITION position = list.GetHeadPosition(); position;) {
        auto* object = static_cast<CRukEntity*>(list.GetNext(position));
        if (!object || pass.document.GetLayerState(object->GetLayerName()) == 0 ||
            object->IsVisible() != 1)
            continue;
        if (redlines && (object->m_childFlag == kChildOfInsert ||
                         object->m_childFlag == kCutOutline || object->m_childFlag == kCutHole))
            continue;
        draw(*object);
    }
}

// Layer by layer; a partial pass leaves out the shown layers before the
// first flagged one, then draws that one and every later layer.
template <typename DrawLayer>
void LayerPass(CCommonDoc& document, bool partial, DrawLayer drawLayer) {
    bool skipping = partial;
    for (POSITION position = document.m_layers.GetHeadPosition(); position;) {
        auto* layer = static_cast<CRukLayer*>(document.m_layers.GetNext(position));
        if (skipping && layer->m_visible != 0) {
            if (layer->m_monochrome != 1)
                continue;
            skipping = false;
        }
        drawLayer(*layer);
    }
}

// The entity pass and the redline pass in the configured order.
template <typename DrawObject>
void OrderedPasses(CCommonDoc& document, const PassContext& pass, DrawObject drawObject) {
    const double entityFactor =
        CDashRules::PatternFactor(document.m_scale, document.m_scaleMode, 1);
    const double redlineFactor =
        CDashRules::PatternFactor(document.m_scale, document.m_scaleMode, document.m_scaleMarkups);
    auto entities = [&] {
        ForEachDrawn(pass, document.m_objects, false,
                     [&](CRukEntity& object) { drawObject(object, entityFactor); });
    };
    auto redlines = [&] {
        ForEachDrawn(pass, document.m_drawOrder, true,
                     [&](CRukEntity& object) { drawObject(object, redlineFactor); });
    };
    if (pass.settings.m_viewOrder == kOrderRedlinesFirst) {
        redlines();
        entities();
    } else {
        entities();
        redlines();
    }
}

// The longer side of the clipboard's picture. At a deep zoom the metafile's
// frame spans far more pixels than a picture should hold.
constexpr LONG kMaxPictureSide = 4096;

// The metafile drawn on white at its frame's pixel size, scaled down to
// the longest side allowed; null for an unsound metafile.
QImage RenderPicture(const CEnhMetaFile& metafile) {
    CEnhMetaFilePlayer player(metafile);
    const RECT frame = player.FramePixels();
    const double width = frame.right - frame.left;
    const double height = frame.bottom - frame.top;
    if (!player.Header() || width <= 0 || height <= 0)
        return QImage();
    const double shrink = std::min(1.0, kMaxPictureSide / std::max(width, height));
    const LONG pictureWidth = std::max<LONG>(1, static_cast<LONG>(width * shrink));
    const LONG pictureHeight = std::max<LONG>(1, static_cast<LONG>(height * shrink));
    QImage picture(pictureWidth, pictureHeight, QImage::Format_RGB32);
    if (picture.isNull())
        return picture;
    picture.fill(Qt::white);
    CImageDC dc(picture);
    player.Play(dc, RECT{0, 0, pictureWidth, pictureHeight});
    return picture;
}

} // namespace

bool CCommonDoc::HasHiddenLayer() const {
    for (POSITION position = m_layers.GetHeadPosition(); position;)
        if (static_cast<const CRukLayer*>(m_layers.GetNext(position))->m_visible == 0)
            return true;
    return false;
}

void CCommonDoc::PaintEntities(CDC* dc, const RECT& clip, const CDrawDefaults& settings) {
    CEntityDrawer drawer(this, dc, clip, m_extent.m_minX, m_extent.m_minY, m_scaleX, &settings);
    CollectEntities(clip, settings, m_partialLayerPass == 1, drawer);
    m_partialLayerPass = 0;
}

void CCommonDoc::CollectEntities(const RECT& clip, const CDrawDefaults& settings,
                                 bool partialLayerPass, CDrawnEntitySink& sink) {
    const int originX = m_extent.m_minX;
    const int originY = m_extent.m_minY;
    const double factor = EntityPatternFactor();
    if (settings.m_viewOrder == kOrderByLayer) {
        LayerPass(*this, partialLayerPass, [&](CRukLayer& layer) {
            layer.CollectEntities(this, clip, originX, originY, m_scaleX, factor, &settings, sink);
        });
    } else {
        const PassContext pass{*this, settings, settings.m_mono, kScreenAllBlack};
        OrderedPasses(*this, pass, [&](CRukEntity& object, double patternFactor) {
            RECT box;
            object.GetDeviceRectEx(&box, originX, originY, m_scaleX);
            if (CRukLayer::BoxMeetsClip(box, clip))
                sink.Add(object, box, patternFactor, DrawsBlack(pass, object));
        });
    }
}

std::optional<std::vector<CRukLayer*>> CCommonDoc::LayersOfPass(const CDrawDefaults& settings,
                                                                bool partialLayerPass) {
    if (settings.m_viewOrder != kOrderByLayer)
        return std::nullopt;
    std::vector<CRukLayer*> layers;
    LayerPass(*this, partialLayerPass, [&](CRukLayer& layer) { layers.push_back(&layer); });
    return layers;
}

double CCommonDoc::EntityPatternFactor() const {
    return CDashRules::PatternFactor(m_scale, m_scaleMode, 1);
}

void CCommonDoc::PaintSelection(CDC* dc, const RECT& clip, const CDrawDefaults& settings) {
    for (POSITION position = m_selection.GetHeadPosition(); position;) {
        auto* object = static_cast<CRukEntity*>(m_selection.GetNext(position));
        if (object &&
            CRukLayer::MeetsClip(*object, clip, m_extent.m_minX, m_extent.m_minY, m_scaleX))
            object->Draw(this, dc, m_extent.m_minX, m_extent.m_minY, m_scaleX,
                         settings.m_curSelColor, &settings, clip);
    }
}

void CCommonDoc::PaintGrips(CDC* dc, const RECT& clip, const CDrawDefaults& settings) {
    for (POSITION position = m_selection.GetHeadPosition(); position;) {
        auto* object = static_cast<CRukEntity*>(m_selection.GetNext(position));
        if (object &&
            CRukLayer::MeetsClip(*object, clip, m_extent.m_minX, m_extent.m_minY, m_scaleX))
            object->DrawGrips(dc, m_extent.m_minX, m_extent.m_minY, m_scaleX, &settings);
    }
}

void CCommonDoc::PaintEntitiesForOutput(CDC* dc, const RECT& clip, const CDrawDefaults& settings,
                                        double printScale) {
    const int unitDivisor = m_unit == 0 ? 1000 : static_cast<int>(m_unit);
    const double factor = CDashRules::PatternFactor(m_scale, m_scaleMode, 1);
    if (settings.m_viewOrder == kOrderByLayer) {
        LayerPass(*this, m_partialLayerPass == 1, [&](CRukLayer& layer) {
            layer.DrawEntitiesFiltered(this, dc, clip, unitDivisor, printScale, factor, &settings);
        });
    } else {
        const PassContext pass{*this, settings, settings.m_printColorMode, kPrintAllBlack};
        OrderedPasses(*this, pass, [&](CRukEntity& object, double patternFactor) {
            object.DrawB(this, dc, unitDivisor, printScale, patternFactor, &settings,
                         DrawsBlack(pass, object));
        });
    }
    m_partialLayerPass = 0;
}

void CCommonDoc::PaintEntitiesForOutput(CDC* dc, const RECT& clip, const CDrawDefaults& settings,
                                        int originX, int originY, double scale) {
    const double factor = CDashRules::PatternFactor(m_scale, m_scaleMode, 1);
    if (settings.m_viewOrder == kOrderByLayer) {
        LayerPass(*this, m_partialLayerPass == 1, [&](CRukLayer& layer) {
            layer.DrawEntitiesClipped(this, dc, clip, originX, originY, scale, factor, &settings);
        });
    } else {
        const PassContext pass{*this, settings, settings.m_printColorMode, kPrintAllBlack};
        OrderedPasses(*this, pass, [&](CRukEntity& object, double patternFactor) {
            if (CRukLayer::MeetsClip(object, clip, originX, originY, scale))
                object.DrawStyled(this, dc, originX, originY, scale, patternFactor, &settings,
                                  DrawsBlack(pass, object), clip);
        });
    }
    m_partialLayerPass = 0;
}

HENHMETAFILE CCommonDoc::RenderToMetafile(CDC* source, const RECT& rect,
                                          const CDrawDefaults& settings) {
    if (!source)
        return nullptr;
    const int widthMm = source->GetDeviceCaps(HORZSIZE);
    const int heightMm = source->GetDeviceCaps(VERTSIZE);
    if (widthMm <= 0 || heightMm <= 0)
        return nullptr;
    const double pixelsPerMmX = source->GetDeviceCaps(HORZRES) / static_cast<double>(widthMm);
    const double pixelsPerMmY = source->GetDeviceCaps(VERTRES) / static_cast<double>(heightMm);
    if (pixelsPerMmX <= 0.0 || pixelsPerMmY <= 0.0)
        return nullptr;

    RECT device = rect;
    source->LPtoDP(&device);
    const int pixelsX = std::abs(device.right - device.left);
    const int pixelsY = std::abs(device.bottom - device.top);
    const RECT frame{0, 0, static_cast<LONG>(pixelsX / pixelsPerMmX * 100.0),
                     static_cast<LONG>(pixelsY / pixelsPerMmY * 100.0)};

    CMetaFileDC metafile;
    if (!metafile.CreateEnhanced(source, nullptr, &frame, "Ruk"))
        return nullptr;
    metafile.SetMapMode(MM_ANISOTROPIC);
    metafile.SetWindowExt(rect.right - rect.left, rect.top - rect.bottom);
    metafile.SetWindowOrg(rect.left, -rect.top);
    metafile.SetViewportExt(pixelsX, pixelsY);

    CPen pen;
    pen.CreatePen(PS_SOLID, 0, settings.m_bkColor);
    CBrush brush;
    brush.CreateSolidBrush(settings.m_bkColor);
    CPen* oldPen = metafile.SelectObject(&pen);
    CBrush* oldBrush = metafile.SelectObject(&brush);
    metafile.Rectangle(rect.left, -rect.top, rect.right, -rect.bottom);
    metafile.SelectObject(oldBrush);
    metafile.SetAttribDC(source);

    const RECT clip = NormalizedRect(rect);
    const PassContext pass{*this, settings, settings.m_mono, kScreenAllBlack};
    OrderedPasses(*this, pass, [&](CRukEntity& object, double patternFactor) {
        if (CRukLayer::MeetsClip(object, clip, m_extent.m_minX, m_extent.m_minY, m_scaleX))
            object.DrawA(this, &metafile, m_extent.m_minX, m_extent.m_minY, m_scaleX, patternFactor,
                         &settings, DrawsBlack(pass, object), clip);
    });

    metafile.SelectObject(oldPen);
    metafile.SetAttribDC(nullptr);
    return metafile.CloseEnhanced();
}

HENHMETAFILE CCommonDoc::RenderShownDrawing(CDC* source, const CDrawDefaults& settings,
                                            RECT* rendered) {
    // The picture measures the shown drawing, but the view keeps mapping the
    // extent it was set up with.
    const CDocExtent extent = m_extent;
    const double scaleX = m_scaleX;
    const double scaleY = m_scaleY;
    const BOOL usePaper = settings.m_useSheetExtent == 1;
    if (HasHiddenLayer())
        RecomputeVisibleExtent(usePaper);
    else
        RecomputeExtent(usePaper);
    const POINT low = LogicalToDevicePoint(m_extent.m_minX, m_extent.m_minY);
    const POINT high = LogicalToDevicePoint(m_extent.m_maxX, m_extent.m_maxY);
    // y grows upwards in view space: the top edge is the larger y.
    const RECT rect{low.x - kCopyMargin, high.y + kCopyMargin, high.x + kCopyMargin,
                    low.y - kCopyMargin};
    HENHMETAFILE metafile = RenderToMetafile(source, rect, settings);
    m_extent = extent;
    m_scaleX = scaleX;
    m_scaleY = scaleY;
    if (rendered)
        *rendered = rect;
    return metafile;
}

bool CCommonDoc::CopyToClipboard(CDC* source, const CDrawDefaults& settings) {
    if (!QGuiApplication::clipboard())
        return false;
    return PutOnClipboard(RenderShownDrawing(source, settings));
}

bool CCommonDoc::CopyAreaToClipboard(CDC* source, const RECT& rect, const CDrawDefaults& settings) {
    if (!QGuiApplication::clipboard())
        return false;
    return PutOnClipboard(RenderToMetafile(source, rect, settings));
}

bool CCommonDoc::PutOnClipboard(HENHMETAFILE metafile) {
    if (!metafile)
        return false;
    const std::vector<BYTE>& bytes = metafile->Bytes();
    auto* data = new QMimeData;
    data->setData("image/emf", QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                          static_cast<qsizetype>(bytes.size())));
    const QImage picture = RenderPicture(*metafile);
    if (!picture.isNull())
        data->setImageData(picture);
    DeleteEnhMetaFile(metafile);
    QGuiApplication::clipboard()->setMimeData(data);
    return true;
}
