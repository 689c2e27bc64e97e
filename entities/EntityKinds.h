#pragma once
// The kind codes of the drawing entities, tools and markups: one bit per
// drawing-entity class, and a range of numbered codes for the markups.

// Drawing entities.
constexpr int kKindLine = 0x1;
constexpr int kKindPolyline = 0x2;
constexpr int kKindArc = 0x4;
constexpr int kKindEArc = 0x8;
constexpr int kKindPolygon = 0x10;
constexpr int kKindCircle = 0x20;
constexpr int kKindEllipse = 0x40;
constexpr int kKindText = 0x80;
constexpr int kKindGroup = 0x100;
constexpr int kKindInsert = 0x200;
constexpr int kKindSpline = 0x400;
constexpr int kKindBezier = 0x800;
constexpr int kKindIFrame = 0x1000;
constexpr int kKindDot = 0x2000;
constexpr int kKindCSpline = 0x4000;
constexpr int kKindCBezier = 0x8000;
constexpr int kKindNurbs = 0x10000;
constexpr int kKindCNurbs = 0x20000;
constexpr int kKindMemo = 0x40000;
constexpr int kKindHatch = 0x80000;
constexpr int kKindCloud = 0x100000;
constexpr int kKindMFrame = 0x200000;

// The view's tools.
constexpr int kKindClick = 0x400000;
constexpr int kKindMove = 0x800000;
constexpr int kKindPEdit = 0x1000000;

// Markup number n (0 .. kLastMarkupNumber) has the kind kKindMarkup + n.
constexpr int kKindMarkup = 0x10000000;
constexpr int kLastMarkupNumber = 0x15;

constexpr int MarkupKind(int number) {
    return kKindMarkup + number;
}

constexpr bool IsMarkupKind(int kind) {
    return kind >= kKindMarkup && kind <= kKindMarkup + kLastMarkupNumber;
}
