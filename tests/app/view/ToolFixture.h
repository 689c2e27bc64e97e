#pragma once
// The view of ViewFixture with redline markups to pick, move and reshape,
// and mouse gestures sent as the window's events. A drawing point (x, y)
// shows at pixel (10 + x / 5, 209 - y / 5).

#include "ViewFixture.h"
#include "entities/CRukGroup.h"
#include "entities/EntityKinds.h"

#include <QCoreApplication>
#include <QMouseEvent>

// A markup standing in for the real ones: a group of one line, whose grips
// are the line's ends; it keeps the key flags of its last vertex drag.
class TestMark : public CRukGroup {
    DECLARE_SERIAL(TestMark)

public:
    TestMark() { m_kind = MarkupKind(1); }

    CRukLine* Line() const { return static_cast<CRukLine*>(m_children.GetFirst()); }
    int HitGrip(CDC* dc, CEntityDocument* document, int x, int y, int* grip) override {
        return Line()->HitGrip(dc, document, x, y, grip);
    }
    void MoveVertex(int dx, int dy, int index, int x, int y, UINT flags) override {
        m_lastFlags = flags;
        Line()->MoveVertex(dx, dy, index, x, y, flags);
        RecalcExtents();
    }

    UINT m_lastFlags = 0;
};

class ToolFixture : public ViewFixture {
protected:
    ToolFixture() { m_view.ZoomFit(1); }

    // A markup on the layer, filed as a loaded one: its line, then itself.
    TestMark* Mark(const char* layer, int x1, int y1, int x2, int y2) {
        auto* mark = new TestMark;
        FileLineMark(mark, layer, x1, y1, x2, y2);
        return mark;
    }

    static QPoint Pixel(int x, int y) { return QPoint(10 + x / 5, 209 - y / 5); }

    void Send(QEvent::Type type, Qt::MouseButton button, QPoint point,
              Qt::KeyboardModifiers keys = Qt::NoModifier) {
        Qt::MouseButtons held = m_held;
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
            held |= button;
        else if (type == QEvent::MouseButtonRelease)
            held &= ~Qt::MouseButtons(button);
        m_held = held;
        QMouseEvent event(type, QPointF(point), m_view.mapToGlobal(QPointF(point)), button, held,
                          keys);
        QCoreApplication::sendEvent(&m_view, &event);
    }
    void Move(QPoint point, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        Send(QEvent::MouseMove, Qt::NoButton, point, keys);
    }
    void Press(QPoint point, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        Move(point, keys);
        Send(QEvent::MouseButtonPress, Qt::LeftButton, point, keys);
    }
    void Release(QPoint point, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        Send(QEvent::MouseButtonRelease, Qt::LeftButton, point, keys);
    }
    void Click(QPoint point, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        Press(point, keys);
        Release(point, keys);
    }
    void DoubleClick(QPoint point) {
        Click(point);
        Send(QEvent::MouseButtonDblClick, Qt::LeftButton, point);
        Release(point);
    }
    // A drag in steps of a few pixels, as a hand makes it.
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        Press(from, keys);
        for (int step = 1; step <= 4; ++step)
            Move(from + (to - from) * step / 4, keys);
        Release(to, keys);
    }

    bool Selected(const CRukEntity* object) const {
        return m_document.m_selection.Find(const_cast<CRukEntity*>(object)) != nullptr;
    }

private:
    Qt::MouseButtons m_held = Qt::NoButton;
};
