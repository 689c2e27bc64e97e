#pragma once
// Paints one picture in horizontal bands on several threads. Each band is
// painted whole-picture-sized, on an image of the target's size, so that
// every object a band draws meets exactly the device, mapping and clip it
// meets when one thread paints the picture; only the band's rows are kept.
// The picture is therefore byte for byte what one thread paints, provided
// the band's painting draws, in order, every object that reaches its rows.

#include <QImage>
#include <QRect>

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

class CImageDC;

class CBandPainter {
public:
    // Paints the rows of the band of that index (and whatever else it
    // likes) on the context; true when it put pixels that depend on the
    // device position. Runs on several threads at once.
    using PaintBand = std::function<bool(CImageDC& dc, std::size_t band)>;

    // A band thinner than this costs more in objects drawn twice than it
    // saves.
    static constexpr int kMinBandRows = 48;

    // Paints the target in the bands, which cover its rows in order; true
    // when any band said so. Nothing without memory for the bands.
    std::optional<bool> Paint(QImage& target, const std::vector<QRect>& bands,
                              const PaintBand& paint);

    // The bands of an image: as many as the threads of the pool, each at
    // least kMinBandRows high, together covering every row in order.
    static std::vector<QRect> Bands(int width, int height);
    static std::vector<QRect> Bands(int width, int height, int threads);

private:
    // The images the bands after the first paint on, kept between paints.
    std::vector<QImage> m_scratch;
};
