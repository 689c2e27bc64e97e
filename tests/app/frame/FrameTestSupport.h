#pragma once
// A document with named layers and, when asked, an object, for the frame
// tests.
#include "app/CZumeoDoc.h"
#include "entities/CRukLayer.h"
#include "tests/app/document/TestEntity.h"

#include <initializer_list>
#include <utility>

inline CRukLayer* AddLayer(CZumeoDoc& document, const char* name, bool visible) {
    auto* layer = new CRukLayer;
    layer->m_name = name;
    layer->m_visible = visible ? 1 : 0;
    document.m_layers.AddTail(layer);
    return layer;
}

inline void AddObject(CZumeoDoc& document) {
    document.AddEntity(new TestEntity(1, "0"));
}

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

// A left click at a point of the widget, press and release.
inline void LeftClick(QWidget* widget, const QPoint& point) {
    const QPointF global = widget->mapToGlobal(QPointF(point));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(point), global, Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(point), global, Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}
