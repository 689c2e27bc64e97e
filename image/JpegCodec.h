#pragma once
// JPEG reading and writing over libjpeg, between files and packed bitmaps.

#include "platform/gdi/BitmapDefs.h"
#include "platform/mfc/CString.h"

// A new unlocked block: 24 bits for colour pictures (CMYK ones converted),
// 8 bits with a grey table for one-channel ones; null when the file cannot
// be read or decoded.
HGLOBAL ReadJpegFile(const char* path);
// Writes the bitmap whose header lies at the start of its packed block.
// The error text is emptied, or says what went wrong; without one, false at
// once. When writing fails the previous file stays as it was.
bool WriteJpegFile(const BITMAPINFOHEADER* header, int quality, const char* path,
                   CString* errorText);
// Writes the block as JPEG; the caller keeps the block. True when written.
bool SaveImageAsJpeg(HGLOBAL block, int quality, const char* path);
// A 16-bit 5-5-5 pixel as 0xRRGGBB, each channel widened by the table 0,
// 16, 24, ..., 248, 255.
DWORD Rgb555ToBgr(WORD pixel);
