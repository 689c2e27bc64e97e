#pragma once
// Continuous printing's folder and kind, with the printer setup.

#include "ui/CFolderKindDlg.h"

#include <functional>

class CSeqPrintDlg : public CFolderKindDlg {
public:
    static constexpr int kPrinterSetupId = 1029;

    CSeqPrintDlg(bool dwgConverter, std::function<void()> printerSetup, QWidget* parent = nullptr);

    static std::span<const CFileKindEntry> Kinds();
};
