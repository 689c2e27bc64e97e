#include "app/CViewCursors.h"

#include "platform/win/Cursors.h"

#include <QBitmap>
#include <QImage>
#include <QPixmap>

#include <array>
#include <string_view>

namespace {

constexpr int kSize = 16;
constexpr int kScale = 2;

// A cursor picture, 16 x 16: '#' black, '.' white, anything else clear;
// the hot spot in picture pixels.
struct DrawnCursor {
    int id;
    int hotX;
    int hotY;
    std::array<std::string_view, kSize> rows;
};

constexpr DrawnCursor kDrawnCursors[] = {
    {CViewCursors::kZoom,
     6,
     6,
     {"    ####        ", "  ##....##      ", " #...##...#     ", " #...##...#     ",
      "#....##....#    ", "#.########.#    ", "#.########.#    ", "#....##....#    ",
      " #...##...#     ", " #...##...#     ", "  ##....####    ", "    ####.##.#   ",
      "         #.##.# ", "          #.##.#", "           #..# ", "            ##  "}},
    {CViewCursors::kPick,
     0,
     0,
     {"#               ", "##              ", "#.#             ", "#..#            ",
      "#...#           ", "#....#          ", "#.....#         ", "#......#        ",
      "#.......#       ", "#....#####      ", "#..#..#         ", "#.# #..# #######",
      "##  #..# #.....#", "#    #..##.....#", "      ## #.....#", "         #######"}},
    {CViewCursors::kPanGrab,
     8,
     8,
     {"                ", "                ", "                ", "                ",
      "    ## ## ##    ", "   #..#..#..##  ", "   #........#.# ", "    #.........# ",
      "   ##.........# ", "  #...........# ", "  #...........# ", "   #.........#  ",
      "    #........#  ", "     #.......#  ", "      #......#  ", "      #......#  "}},
    {CViewCursors::kPanOpen,
     8,
     8,
     {"       ##       ", "   ## #..###    ", "  #..##..#..#   ", "  #..##..#..# # ",
      "   #..#..#..##.#", "   #..#..#..#..#", " ## #.......#..#", "#..##..........#",
      "#...#.........# ", " #............# ", "  #...........# ", "  #..........#  ",
      "   #.........#  ", "    #........#  ", "     #......#   ", "     #......#   "}},
};

QCursor Draw(const DrawnCursor& cursor) {
    QImage image(kSize, kSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < kSize; ++y) {
        const std::string_view row = cursor.rows[static_cast<std::size_t>(y)];
        for (int x = 0; x < kSize && x < static_cast<int>(row.size()); ++x) {
            if (row[static_cast<std::size_t>(x)] == '#')
                image.setPixel(x, y, qRgb(0, 0, 0));
            else if (row[static_cast<std::size_t>(x)] == '.')
                image.setPixel(x, y, qRgb(255, 255, 255));
        }
    }
    const QPixmap pixmap = QPixmap::fromImage(image.scaled(kSize * kScale, kSize * kScale));
    return QCursor(pixmap, cursor.hotX * kScale, cursor.hotY * kScale);
}

struct SystemCursor {
    int id;
    Qt::CursorShape shape;
};

constexpr SystemCursor kSystemCursors[] = {
    {IDC_ARROW, Qt::ArrowCursor},        {IDC_CROSS, Qt::CrossCursor},
    {IDC_SIZENWSE, Qt::SizeFDiagCursor}, {IDC_SIZENESW, Qt::SizeBDiagCursor},
    {IDC_SIZEWE, Qt::SizeHorCursor},     {IDC_SIZENS, Qt::SizeVerCursor},
    {IDC_SIZEALL, Qt::SizeAllCursor},
};

} // namespace

bool CViewCursors::IsDrawn(int id) {
    for (const DrawnCursor& cursor : kDrawnCursors)
        if (cursor.id == id)
            return true;
    return false;
}

QCursor CViewCursors::Shape(int id) {
    for (const DrawnCursor& cursor : kDrawnCursors)
        if (cursor.id == id)
            return Draw(cursor);
    for (const SystemCursor& cursor : kSystemCursors)
        if (cursor.id == id)
            return QCursor(cursor.shape);
    return QCursor(Qt::ArrowCursor);
}
