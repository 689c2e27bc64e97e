#include "app/CBandPainter.h"

#include "platform/gdi/CImageDC.h"

#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <numeric>

std::vector<QRect> CBandPainter::Bands(int width, int height, int threads) {
    const int count = std::clamp(height / kMinBandRows, 1, std::max(threads, 1));
    std::vector<QRect> bands;
    bands.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const int top = height * i / count;
        const int bottom = height * (i + 1) / count;
        bands.emplace_back(0, top, width, bottom - top);
    }
    return bands;
}

std::vector<QRect> CBandPainter::Bands(int width, int height) {
    return Bands(width, height, QThreadPool::globalInstance()->maxThreadCount());
}

std::optional<bool> CBandPainter::Paint(QImage& target, const std::vector<QRect>& bands,
                                        const PaintBand& paint) {
    if (bands.size() <= 1) {
        CImageDC dc(target);
        return !bands.empty() && paint(dc, 0);
    }
    // The first band paints on the target itself: the rows of the others
    // are copied over whatever it put there once every band is done.
    const auto fits = [&](const QImage& image) {
        return image.size() == target.size() && image.format() == target.format();
    };
    if (m_scratch.size() != bands.size() - 1 ||
        !std::all_of(m_scratch.begin(), m_scratch.end(), fits)) {
        // Images of their own: copies of one image would share its pixels.
        m_scratch.clear();
        for (std::size_t i = 1; i < bands.size(); ++i)
            m_scratch.emplace_back(target.size(), target.format());
    }
    if (std::any_of(m_scratch.begin(), m_scratch.end(),
                    [](const QImage& image) { return image.isNull(); })) {
        m_scratch.clear();
        return std::nullopt;
    }
    std::vector<std::size_t> order(bands.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::atomic<bool> patterns = false;
    QtConcurrent::blockingMap(order, [&](std::size_t index) {
        CImageDC dc(index == 0 ? target : m_scratch[index - 1]);
        if (paint(dc, index))
            patterns = true;
    });
    for (std::size_t i = 1; i < bands.size(); ++i) {
        const QImage& image = m_scratch[i - 1];
        const auto rowBytes = static_cast<std::size_t>(image.bytesPerLine());
        for (int y = bands[i].top(); y <= bands[i].bottom(); ++y)
            std::memcpy(target.scanLine(y), image.constScanLine(y), rowBytes);
    }
    return patterns;
}
