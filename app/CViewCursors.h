#pragma once
// The mouse shapes of the view by cursor id: the program's own cursors
// (ids below 30001, drawn here as images) and the system's standard ones.

#include <QCursor>

class CViewCursors {
public:
    static constexpr int kZoom = 130;
    static constexpr int kPick = 131;
    static constexpr int kPanGrab = 132;
    static constexpr int kPanOpen = 133;
    // The first id of the system's cursors.
    static constexpr int kFirstSystemId = 30001;

    // The shape of an id; the arrow for an unknown one.
    static QCursor Shape(int id);
    // Whether the id is one of the program's own drawn cursors.
    static bool IsDrawn(int id);
};
