#include "ui/CBatchConvDlg.h"

namespace {

const CFileKindEntry kKinds[] = {
    {"変換可能な図面", 0, "*.*"},
    {"DXF ファイル(*.dxf)", 3, "*.DXF"},
    {"DWG ファイル(*.dwg)", 4, "*.DWG", true},
    {"Jw_cad ファイル(*.jwc; *.jwk; *.jww)", 5, "*.*"},
    {"SXF ファイル(*.sfc; *.p21)", 6, "*.*"},
};

const CFolderKindDlg::Setup kSetup{"一括変換", "CONVERT", "CONVPATH", "CONVKINDINDEX", kKinds};

} // namespace

CBatchConvDlg::CBatchConvDlg(bool dwgConverter, QWidget* parent)
    : CFolderKindDlg(kSetup, dwgConverter, parent) {}

std::span<const CFileKindEntry> CBatchConvDlg::Kinds() {
    return kKinds;
}
