#include "plugins/sxf/CSxfBoundaryLoops.h"

#include "plugins/sxf/CSxfCompositeCurve.h"
#include "plugins/sxf/CSxfReader.h"
#include "por/PorWord.h"

void CSxfBoundaryLoops::Resolve(const CSxfReader* reader, const SxfBoundaryIds& ids, int layer) {
    m_boundaries.clear();
    if (!reader) {
        return;
    }
    std::vector<int> codes = {ids.outer};
    codes.insert(codes.end(), ids.holes.begin(), ids.holes.end());
    for (const int code : codes) {
        const CSxfCompositeCurve* curve = reader->FindCompositeCurve(code);
        if (!curve) {
            continue;
        }
        FillBoundary boundary;
        boundary.display = curve->Data().invisible != 0;
        for (const auto& member : curve->Members()) {
            auto copy = member->Clone();
            copy->SetColour(curve->Data().colour);
            copy->SetLayer(layer);
            copy->SetWidth(curve->Data().width);
            boundary.curves.push_back(std::move(copy));
        }
        m_boundaries.push_back(std::move(boundary));
    }
}

void CSxfBoundaryLoops::Transform(const CSxfSfigLocate& placement) {
    for (const FillBoundary& boundary : m_boundaries) {
        for (const auto& curve : boundary.curves) {
            curve->Transform(placement);
        }
    }
}

void CSxfBoundaryLoops::SetColour(int code) {
    for (const FillBoundary& boundary : m_boundaries) {
        for (const auto& curve : boundary.curves) {
            curve->SetColour(code);
        }
    }
}

void CSxfBoundaryLoops::SetLayer(int code) {
    for (const FillBoundary& boundary : m_boundaries) {
        for (const auto& curve : boundary.curves) {
            curve->SetLayer(code);
        }
    }
}

std::vector<LONG> CSxfBoundaryLoops::Blocks() const {
    std::vector<LONG> words;
    for (const FillBoundary& boundary : m_boundaries) {
        const std::size_t head = words.size();
        words.insert(words.end(), {0, 0, 0, 0});
        LONG edges = 0;
        for (const auto& curve : boundary.curves) {
            const std::vector<BYTE> edge = curve->MakeBoundaryEdge();
            if (edge.empty()) {
                continue;
            }
            for (std::size_t at = 0; at + PorWordSize <= edge.size(); at += PorWordSize) {
                words.push_back(LoadPorWord(edge.data() + at));
            }
            ++edges;
        }
        words[head + 3] = edges;
    }
    return words;
}

void CSxfBoundaryLoops::WriteShown(PorBlockWriter& stream) const {
    for (const FillBoundary& boundary : m_boundaries) {
        if (!boundary.display) {
            continue;
        }
        for (const auto& curve : boundary.curves) {
            curve->WritePOR(stream);
        }
    }
}
