#pragma once
// Writes a drawing's control file "<name>.zcd": the header, the drawing's
// unit, a reserved block, the saved group attributes and the redline
// objects in their drawing order. The reading side is CControlFileReader.

class CArchive;
class CCommonDoc;

class CControlFileWriter {
public:
    // The save groups must be built before.
    static void Write(CArchive& ar, CCommonDoc& document);
};
