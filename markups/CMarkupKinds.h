#pragma once
// The table of the markup kinds: for each markup number its class, the
// redline tool that creates it, the points that complete its gesture, its
// archive schema and whether it encloses an area.

class CRukMark;

struct CMarkupKindRow {
    int m_number;
    const char* m_className;
    // The redline kind of the view's tool; -1 for kinds read from files only.
    int m_tool;
    // 0: no fixed count.
    int m_pointsToFinish;
    // The gesture ends on a finish request instead of a count.
    bool m_polyGesture;
    int m_schema;
    // Its closed child (polygon, circle, ellipse or cloud) carries the fill.
    bool m_closed;
};

class CMarkupKinds {
public:
    // The row of a markup kind code (0x10000000 + number); null for any other.
    static const CMarkupKindRow* Find(int kind);
    // The row of the view's redline tool; null when no class has it.
    static const CMarkupKindRow* FindTool(int tool);
    static bool IsClosed(int kind);
    // A new empty markup of the tool's class; null when no such class is
    // linked into the program.
    static CRukMark* CreateForTool(int tool);
    // Whether the tool's class is linked into the program.
    static bool HasToolClass(int tool);
};
