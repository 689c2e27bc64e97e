#pragma once
// The frame rectangle of a picture placed in the drawing: fitted into a
// rectangle with the picture's aspect ratio, or at its pixel size.

#include "platform/win/WinTypes.h"

class CImageFit {
public:
    // The rectangle shrunk on one side to the picture's aspect ratio, its
    // first corner (left, top) kept and the signs of its sides too. A
    // rectangle without width or height gives the pixel size instead, as
    // does a picture without pixels.
    static RECT Fit(int pictureWidth, int pictureHeight, const RECT& target);
    // The pixel size x 1000 drawing units from the corner.
    static RECT PixelSize(int pictureWidth, int pictureHeight, POINT corner);
};
