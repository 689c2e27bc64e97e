#include "ui/CSeqPrintDlg.h"

#include <QGridLayout>
#include <QPushButton>

namespace {

const CFileKindEntry kKinds[] = {
    {"すべての図面", 0, "*.*"},
    {"Zumeo ファイル(*.zmd)", 1, "*.ZMD"},
    {"DXF ファイル(*.dxf)", 3, "*.DXF"},
    {"DWG ファイル(*.dwg)", 4, "*.DWG", true},
    {"Jw_cad ファイル(*.jwc; *.jwk; *.jww)", 5, "*.*"},
    {"SXF ファイル(*.sfc; *.p21)", 6, "*.*"},
    {"BMP ファイル(*.bmp)", 7, "*.BMP"},
    {"JPEG ファイル(*.jpg)", 8, "*.JPG"},
    {"TIFF ファイル(*.tif; *.tiff)", 9, "*.*"},
};

const CFolderKindDlg::Setup kSetup{"連続印刷", "PRINT", "SEQPATH", "SEQKINDINDEX", kKinds};

} // namespace

CSeqPrintDlg::CSeqPrintDlg(bool dwgConverter, std::function<void()> printerSetup, QWidget* parent)
    : CFolderKindDlg(kSetup, dwgConverter, parent) {
    auto* setup = new QPushButton(QStringLiteral("プリンタ設定..."), this);
    setup->setObjectName(ControlName(kPrinterSetupId));
    setup->setAutoDefault(false);
    m_grid->addWidget(setup, 2, 1);
    connect(setup, &QPushButton::clicked, this, [printerSetup = std::move(printerSetup)] {
        if (printerSetup)
            printerSetup();
    });
}

std::span<const CFileKindEntry> CSeqPrintDlg::Kinds() {
    return kKinds;
}
