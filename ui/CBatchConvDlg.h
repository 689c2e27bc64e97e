#pragma once
// Batch conversion's folder and drawing kind.

#include "ui/CFolderKindDlg.h"

class CBatchConvDlg : public CFolderKindDlg {
public:
    explicit CBatchConvDlg(bool dwgConverter, QWidget* parent = nullptr);

    static std::span<const CFileKindEntry> Kinds();
};
