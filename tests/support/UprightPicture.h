#pragma once
// A picture that looks different turned over or mirrored: four quarters of
// their own colours and a black mark in the top left corner. It is written
// as other programs write picture files (Qt's BMP and JPEG writers, libtiff
// with the rows top first) and recognised again on a drawn surface, where
// Seen names the way it shows.

#include "platform/gdi/CDC.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <tiffio.h>

#include <array>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace upright {

constexpr QRgb kTopLeft = qRgb(230, 0, 0);
constexpr QRgb kTopRight = qRgb(0, 170, 0);
constexpr QRgb kBottomLeft = qRgb(0, 0, 230);
constexpr QRgb kBottomRight = qRgb(240, 220, 0);
constexpr QRgb kMark = qRgb(0, 0, 0);

// The mark covers the fifth of each side at the top left corner.
inline QImage Picture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool right = 2 * x >= width;
            const bool bottom = 2 * y >= height;
            QRgb colour =
                bottom ? (right ? kBottomRight : kBottomLeft) : (right ? kTopRight : kTopLeft);
            if (5 * x < width && 5 * y < height)
                colour = kMark;
            picture.setPixel(x, y, colour);
        }
    return picture;
}

// TIFF files come in full colour and with a colour table, which a reader
// may take different ways.
enum class Format { Bmp, Jpeg, Tiff, PaletteTiff };

inline bool WriteTiff(const QImage& picture, const QString& path, bool palette) {
    const std::unique_ptr<TIFF, decltype(&TIFFClose)> tiff(
        TIFFOpen(path.toLocal8Bit().constData(), "w"), &TIFFClose);
    if (!tiff)
        return false;
    const std::array<QRgb, 5> colours{kTopLeft, kTopRight, kBottomLeft, kBottomRight, kMark};
    TIFFSetField(tiff.get(), TIFFTAG_IMAGEWIDTH, static_cast<uint32_t>(picture.width()));
    TIFFSetField(tiff.get(), TIFFTAG_IMAGELENGTH, static_cast<uint32_t>(picture.height()));
    TIFFSetField(tiff.get(), TIFFTAG_SAMPLESPERPIXEL, palette ? 1 : 3);
    TIFFSetField(tiff.get(), TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(tiff.get(), TIFFTAG_PHOTOMETRIC, palette ? PHOTOMETRIC_PALETTE : PHOTOMETRIC_RGB);
    TIFFSetField(tiff.get(), TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tiff.get(), TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT);
    TIFFSetField(tiff.get(), TIFFTAG_ROWSPERSTRIP, static_cast<uint32_t>(picture.height()));
    if (palette) {
        std::array<std::array<uint16_t, 256>, 3> map{};
        for (std::size_t i = 0; i < colours.size(); ++i) {
            map[0][i] = static_cast<uint16_t>(qRed(colours[i]) * 257);
            map[1][i] = static_cast<uint16_t>(qGreen(colours[i]) * 257);
            map[2][i] = static_cast<uint16_t>(qBlue(colours[i]) * 257);
        }
        TIFFSetField(tiff.get(), TIFFTAG_COLORMAP, map[0].data(), map[1].data(), map[2].data());
    }
    std::vector<unsigned char> line(static_cast<std::size_t>(picture.width()) * (palette ? 1 : 3));
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y) & 0xFFFFFF;
            if (palette) {
                for (std::size_t i = 0; i < colours.size(); ++i)
                    if ((colours[i] & 0xFFFFFF) == pixel)
                        line[x] = static_cast<unsigned char>(i);
                continue;
            }
            line[3 * x] = static_cast<unsigned char>(qRed(pixel));
            line[3 * x + 1] = static_cast<unsigned char>(qGreen(pixel));
            line[3 * x + 2] = static_cast<unsigned char>(qBlue(pixel));
        }
        if (TIFFWriteScanline(tiff.get(), line.data(), static_cast<uint32_t>(y), 0) < 0)
            return false;
    }
    return true;
}

inline bool Write(const QImage& picture, const QString& path, Format format) {
    switch (format) {
    case Format::Bmp:
        return picture.save(path, "BMP");
    case Format::Jpeg:
        return picture.save(path, "JPG", 95);
    case Format::Tiff:
        return WriteTiff(picture, path, false);
    case Format::PaletteTiff:
        return WriteTiff(picture, path, true);
    }
    return false;
}

// The view's own mapping on a surface of that height: one unit to the
// pixel, y running up from the lower edge.
inline void MapUpwards(CDC& dc, int height) {
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExt(height, height);
    dc.SetViewportExt(height, -height);
    dc.SetViewportOrg(0, height);
}

// The box of every pixel that differs from the background.
inline QRect InkBox(const QImage& surface, QRgb background) {
    QRect box;
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x)
            if ((surface.pixel(x, y) & 0xFFFFFF) != (background & 0xFFFFFF))
                box |= QRect(x, y, 1, 1);
    return box;
}

// Whether two colours match within what JPEG keeps of flat areas.
inline bool Near(QRgb a, QRgb b) {
    constexpr int kSlack = 48;
    return std::abs(qRed(a) - qRed(b)) <= kSlack && std::abs(qGreen(a) - qGreen(b)) <= kSlack &&
           std::abs(qBlue(a) - qBlue(b)) <= kSlack;
}

// How the picture shows inside the box on the surface: "upright", "upside
// down", "mirrored", "turned over", or what was seen instead.
inline std::string Seen(const QImage& surface, const QRect& box) {
    if (box.isEmpty())
        return "nothing";
    const auto at = [&](double fx, double fy) {
        return surface.pixel(box.left() + static_cast<int>(fx * box.width()),
                             box.top() + static_cast<int>(fy * box.height()));
    };
    // Quarter centres and corners, as the eye meets them: top left, top
    // right, bottom left, bottom right.
    const std::array<QRgb, 4> quarters{at(0.3, 0.3), at(0.7, 0.3), at(0.3, 0.7), at(0.7, 0.7)};
    const std::array<QRgb, 4> corners{at(0.08, 0.08), at(0.92, 0.08), at(0.08, 0.92),
                                      at(0.92, 0.92)};
    struct Way {
        const char* name;
        std::array<int, 4> from;
    };
    // Which quarter of the picture each place shows.
    static constexpr Way kWays[] = {{"upright", {0, 1, 2, 3}},
                                    {"upside down", {2, 3, 0, 1}},
                                    {"mirrored", {1, 0, 3, 2}},
                                    {"turned over", {3, 2, 1, 0}}};
    const std::array<QRgb, 4> colours{kTopLeft, kTopRight, kBottomLeft, kBottomRight};
    for (const Way& way : kWays) {
        bool matches = true;
        for (int place = 0; place < 4; ++place) {
            const int quarter = way.from[place];
            matches = matches && Near(quarters[place], colours[quarter]) &&
                      Near(corners[place], quarter == 0 ? kMark : colours[quarter]);
        }
        if (matches)
            return way.name;
    }
    std::string seen = "unrecognised:";
    for (QRgb colour : quarters)
        seen += " " + QString::number(colour & 0xFFFFFF, 16).toStdString();
    return seen;
}

} // namespace upright
