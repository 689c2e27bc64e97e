#pragma once
// A markup of every class the program knows, drawn with its gesture and
// finished into its children in a document of its own, for the seed files
// of the readers: a reader fed them meets every markup body.

#include "app/CZumeoDoc.h"
#include "entities/EntityKinds.h"
#include "markups/CMarkupKinds.h"
#include "markups/CRukMark.h"
#include "platform/gdi/CRecordingDC.h"
#include "platform/mfc/CObject.h"
#include "settings/CDrawDefaults.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace MarkupSeeds {

// The number of every markup class of the table.
inline std::vector<int> Numbers() {
    std::vector<int> numbers;
    for (int number = 0; number <= 0x15; ++number)
        if (CMarkupKinds::Find(MarkupKind(number)))
            numbers.push_back(number);
    return numbers;
}

inline const char* ClassName(int number) {
    return CMarkupKinds::Find(MarkupKind(number))->m_className;
}

inline CRukMark* Create(int number) {
    const CRuntimeClass* markupClass = CRuntimeClass::FromName(ClassName(number));
    return markupClass ? dynamic_cast<CRukMark*>(markupClass->CreateObject()) : nullptr;
}

// A document holding one markup of that class in its drawing order, after
// the children it built (a picture markup without its picture builds none).
// The cut-out holds a finished square and circle as its outline and hole.
class MarkupDocument {
public:
    explicit MarkupDocument(int number) {
        m_document.m_curLayerName = "Red";
        m_document.m_noteText = "AB";
        CRukMark* mark = Create(number);
        if (!mark)
            return;
        if (mark->GetKind() == MarkupKind(0x14)) {
            for (const auto& [part, flag] : {std::pair{0x0A, 3}, std::pair{0x08, 4}}) {
                CRukMark* piece = Draw(Create(part));
                piece->m_childFlag = flag;
                m_document.AddMarkup(piece);
                mark->AddChild(piece);
            }
            mark->RecalcExtents();
        } else {
            Draw(mark);
        }
        m_document.AddMarkup(mark);
    }

    CZumeoDoc& Document() { return m_document; }

private:
    // The gesture over three points (a finish request ends an open one).
    CRukMark* Draw(CRukMark* mark) {
        mark->SetEndMarkFlag(1);
        mark->SetText("AB");
        mark->OnButtonDown(&m_dc, &m_document, 1000, 1000, &m_settings, 0);
        constexpr std::array<POINT, 3> kPoints{{{4000, 3000}, {6000, 1000}, {7000, 5000}}};
        bool done = false;
        for (const POINT& point : kPoints)
            if (!done)
                done = mark->AddPoint(point.x, point.y, 0) == 1;
        if (!done)
            mark->AddPoint(kPoints.back().x, kPoints.back().y, 1);
        mark->Finish(&m_document, &m_dc, &m_settings);
        return mark;
    }

    CZumeoDoc m_document;
    CRecordingDC m_dc;
    const CDrawDefaults m_settings;
};

} // namespace MarkupSeeds
