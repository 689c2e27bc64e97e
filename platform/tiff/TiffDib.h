#pragma once
// Our stand-in for the outside TIFF library's two calls, on libtiff:
// reading a TIFF file into a packed bitmap and writing a packed bitmap as
// a TIFF file.

#include "platform/win/WinTypes.h"

// The first picture of the file as a new unlocked block: palette and
// grey pictures of 1, 4 and 8 bits keep their depth and table, others
// become 24 bits. Null when the file cannot be read. option: the callers
// pass 1; it changes nothing here.
HGLOBAL TiffReadDib(const char* path, int option);
// Writes the packed bitmap in the block: 1, 4 and 8 bits with their table
// as a palette picture, deeper ones as 8-bit RGB. False when the block is
// not a sound bitmap or the file could not be written; the previous file
// then stays as it was.
bool TiffWriteDib(const char* path, HGLOBAL block);
