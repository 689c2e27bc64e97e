#pragma once
// Hands the records of a POR block to the document, with the parsing
// progress in the status bar. The block is walked once when the object is
// made, so that a block whose header refuses it is known before the
// document is touched, and again when its records are handed over: a list
// of the records would cost memory in step with the drawing.

#include "platform/win/WinTypes.h"
#include "por/PorRecord.h"
#include "por/PorStopReason.h"

#include <cstddef>
#include <span>

class CDrawDefaults;
class CZumeoDoc;
class QStatusBar;

class CPorBlockImport {
public:
    enum class Mode {
        // The header, layer states, line-type scale and line types become
        // the document's.
        Import,
        // Only entities and line types are added; the first layer record
        // may name the layer that takes every merged entity.
        Merge,
    };

    // The block must stay valid while the object is used.
    explicit CPorBlockImport(std::span<const BYTE> block);

    // Nothing of a refused block may be used.
    bool Refused() const { return IsPorRefusal(m_stop); }
    PorStopReason StopReason() const { return m_stop; }
    // The items of the drawing its plug-in left out, as its header says.
    std::size_t LeftOut() const { return m_leftOut; }

    // With the handle of the block the bytes lie in, the records already
    // turned into entities go back to the system during the walk, so that a
    // large drawing's block and its entities are not held at once; the
    // block's bytes are of no use afterwards.
    void Run(CZumeoDoc& document, Mode mode, const CDrawDefaults& settings, QStatusBar* statusBar,
             HGLOBAL spentBlock = nullptr) const;

private:
    static void TakeHeader(CZumeoDoc& document, const PorRecord& record);
    static void TakeLayer(CZumeoDoc& document, const PorRecord& record);
    static void TakeMergeLayer(CZumeoDoc& document, const PorRecord& record,
                               const CDrawDefaults& settings);
    static void TakeLineTypeScale(CZumeoDoc& document, const PorRecord& record);
    static void TakeLineType(CZumeoDoc& document, const PorRecord& record);

    std::span<const BYTE> m_block;
    PorStopReason m_stop = PorStopReason::Walking;
    std::size_t m_leftOut = 0;
};
