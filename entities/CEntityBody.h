#pragma once
// The attribute fields that many archived bodies share after their geometry,
// in the one order every class writes them: layer name, line type (16 bits),
// line-type scale, line width (16 bits), colour, then (filled shapes) fill
// type (16 bits), fill colour, third colour and transparent flag, and last
// the child flag (8 bits) and the tag string.

#include "platform/win/WinTypes.h"

#include <optional>

class CArchive;
class CRukEntity;

class CEntityBody {
public:
    // Which of the optional fields an older body holds.
    struct Layout {
        bool lineTypeScale = true;
        bool fill = true;
        bool thirdAndTransparent = true;
    };

    // Layer, line type, line-type scale, width, saved colour, child flag, tag.
    static void StoreOpen(const CRukEntity& entity, CArchive& ar);
    // The same read back; the line-type scale only with the flag. The colour
    // is read into the drawn colour.
    static void LoadOpen(CRukEntity& entity, CArchive& ar, bool lineTypeScale);

    // The fields of a filled shape the layout names, saved colours written.
    static void StoreFilled(const CRukEntity& entity, CArchive& ar, Layout layout);
    // The fields the layout names; returns the stored transparent byte (1
    // when the body has none).
    static BYTE LoadFilled(CRukEntity& entity, CArchive& ar, Layout layout);

    // A filled shape's body of schemas 0 to 3 after its geometry: the
    // fields that schema has, then the flag settled as that schema asks
    // (older bodies had no flag, and before schema 2 neither fills nor the
    // invisible line type); saved colours brought up to date.
    static void LoadFilledSchema(CRukEntity& entity, CArchive& ar, UINT schema);

    // A filled shape's whole body of the current schema 3: its vertices, then
    // its fields; read back from schemas 0 to 3 (a newer one throws bad
    // schema). The schema read, nothing when storing.
    static std::optional<UINT> SerializeFilled(CRukEntity& entity, CArchive& ar);

    // The transparent flag of a current body: none for no fill, none for the
    // translucent, opaque and special fills, the stored byte for hatches.
    static void SettleTransparent(CRukEntity& entity, BYTE stored);
    // Bodies older than the invisible line type mean a solid line by 0.
    static void MendInvisibleLineType(CRukEntity& entity);
    // Saved colours take the colours read.
    static void SaveColors(CRukEntity& entity);
};
