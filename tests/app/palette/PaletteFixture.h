#pragma once
// The redline palette over the view of ViewFixture (a drawing 1000 units
// square, so a drawing one unit high), with a scripted dialog service and a
// profile of its own. Markups of a test class stand in for the real ones.
#include "entities/CRukGroup.h"
#include "entities/EntityKinds.h"
#include "tests/app/view/ViewFixture.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempProfile.h"
#include "ui/CRedShapePage.h"
#include "ui/CRedTabCtrl.h"
#include "ui/CRedTextPage.h"
#include "ui/CRedlineDlg.h"
#include "ui/CRedlinePalette.h"

#include <QCoreApplication>
#include <QString>

// The control of a palette window or page by its id.
template <class Widget = QWidget> Widget* Control(const QWidget* parent, int id) {
    return parent->findChild<Widget*>(QStringLiteral("id_%1").arg(id));
}

// A markup of any kind code: a group of one line.
class PaletteMark : public CRukGroup {
    DECLARE_SERIAL(PaletteMark)

public:
    PaletteMark() { m_kind = MarkupKind(0x0A); }
};

class PaletteFixture : public ViewFixture {
protected:
    ~PaletteFixture() override {
        m_view.CloseRedlinePalette();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The palette as a redline command opens it; the drawing is read-only
    // here, so the question is answered first.
    CRedlineDlg* Open(int kind) {
        m_dialogs.Answer(IDYES);
        m_document.m_markupKind = kind;
        m_view.CloseRedlinePalette();
        m_view.BeginRedlineTool(kind);
        return dynamic_cast<CRedlineDlg*>(CRedlinePalette::Current());
    }

    // A markup of the kind filed on the layer, its child line across the
    // square unless given its ends.
    PaletteMark* Mark(int number, const char* layer = "RED", RECT line = {0, 0, 1000, 1000}) {
        auto* mark = new PaletteMark;
        mark->m_kind = MarkupKind(number);
        FileLineMark(mark, layer, line.left, line.top, line.right, line.bottom);
        m_document.AddToLayer(mark);
        return mark;
    }

    CString LastMessage() const {
        return m_dialogs.Messages().empty() ? CString() : m_dialogs.Messages().back().text;
    }

    TempProfile m_profile;
    ScriptedDialogs m_dialogs;
};
