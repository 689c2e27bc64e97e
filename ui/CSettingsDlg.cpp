#include "ui/CSettingsDlg.h"

#include "platform/win/CDialogService.h"
#include "ui/CSettingsColorPage.h"
#include "ui/CSettingsConverterPage.h"
#include "ui/CSettingsPage.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

using V = CSettingsValues;

constexpr int kTreeWidth = 130;

// The pages in tree order, each as its controls and the values they edit.
const CSettingsPageControls kPages[] = {
    {"色",
     136,
     {{"表示色",
       &V::mono,
       {{1001, "カラー", 0}, {1000, "モノクロ", 1}, {1003, "原図のみモノクロ", 2}}}},
     {},
     {},
     nullptr,
     false},
    {"表示",
     132,
     {{"全体表示", &V::fitRange, {{0, "要素範囲", 0}, {0, "図面範囲／イメージ範囲", 1}}},
      {"表示順",
       &V::viewOrder,
       {{0, "画層の並び順", 0},
        {0, "要素の並び順（元図→朱書き）", 1},
        {0, "要素の並び順（朱書き→元図）", 2}}}},
     {{"余白（ピクセル）",
       {{1012, "左：", 0, 30, &V::viewMarginLeft},
        {1013, "右：", 0, 30, &V::viewMarginRight},
        {1009, "上：", 0, 30, &V::viewMarginTop},
        {1010, "下：", 0, 30, &V::viewMarginBottom}}}},
     {},
     nullptr,
     false},
    {"印刷",
     135,
     {{"印刷色",
       &V::printColorMode,
       {{0, "モノクロ", 0}, {0, "カラー", 1}, {0, "原図のみモノクロ", 2}}},
      {"印刷範囲", &V::printRange, {{0, "現在のビュー", 0}, {0, "図面全体", 1}}}},
     {{"余白（mm）",
       {{1012, "左：", 0, 30, &V::printMarginLeft},
        {1013, "右：", 0, 30, &V::printMarginRight},
        {1009, "上：", 0, 30, &V::printMarginTop},
        {1010, "下：", 0, 30, &V::printMarginBottom}}}},
     {},
     nullptr,
     false},
    {"引出線付文字",
     301,
     {},
     {{"文字",
       {{1094, "大：", 10, 200, &V::textLarge},
        {1095, "標準：", 10, 200, &V::textStandard},
        {1096, "小：", 10, 200, &V::textSmall}}},
      {"矢印",
       {{1100, "大：", 10, 200, &V::arrowLarge},
        {1102, "標準：", 10, 200, &V::arrowStandard},
        {1103, "小：", 10, 200, &V::arrowSmall}}}},
     {},
     nullptr,
     true},
    {"図形・付箋",
     302,
     {},
     {{"雲マーク", {{1117, "間隔：", 10, 200, &V::cloudSpace}}}},
     {},
     nullptr,
     false},
    {"イメージ",
     319,
     {{"表示", &V::imageStretchMode, {{0, "速度優先", 0}, {0, "画質優先", 1}}},
      {"2色イメージ", &V::imageTransparent, {{0, "不透過", 0}, {0, "透過", 1}}}},
     {},
     {},
     nullptr,
     false},
    {"DWG→DXF", 318, {}, {}, {}, nullptr, false},
    {"その他",
     462,
     {},
     {{"元に戻す", {{1204, "回数：", 0, 9999, &V::undoMax}}}},
     {{1217, "終了時/上書き保存時にZMDファイル保存確認メッセージを表示", &V::saveConfirm}},
     "※設定は次回起動時から有効",
     false},
};

static_assert(std::size(kPages) == CSettingsDlg::kPageCount);

} // namespace

CSettingsDlg::CSettingsDlg(const CSettingsValues& values, int firstPage, QWidget* parent)
    : CBkDialog(parent), m_values(values), m_tree(new QTreeWidget(this)),
      m_stack(new QStackedWidget(this)) {
    setObjectName(QStringLiteral("id_401"));
    setWindowTitle(QStringLiteral("設定"));
    m_tree->setObjectName(QStringLiteral("id_%1").arg(kTree));
    m_tree->setHeaderHidden(true);
    m_tree->setFixedWidth(kTreeWidth);
    for (int index = 0; index < kPageCount; ++index) {
        const CSettingsPageControls& controls = kPages[index];
        auto* item = new QTreeWidgetItem(m_tree, {QString::fromUtf8(controls.treeText)});
        item->setData(0, Qt::UserRole, index);
        CSettingsPage* page = nullptr;
        if (index == kColorPage)
            page = new CSettingsColorPage(controls, m_values, m_stack);
        else if (index == kConverterPage)
            page = new CSettingsConverterPage(controls, m_values, m_stack);
        else
            page = new CSettingsPage(controls, m_values, m_stack);
        m_pages.push_back(page);
        m_stack->addWidget(page);
    }
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item)
            m_stack->setCurrentIndex(item->data(0, Qt::UserRole).toInt());
    });

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("id_%1").arg(kOk));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName(QStringLiteral("id_%1").arg(kCancel));
    connect(ok, &QPushButton::clicked, this, &CSettingsDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* body = new QHBoxLayout;
    body->addWidget(m_tree);
    body->addWidget(m_stack);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttons);

    SelectPage(firstPage >= 0 && firstPage < kPageCount ? firstPage : kColorPage);
    m_tree->setFocus();
}

int CSettingsDlg::CurrentPage() const {
    return m_stack->currentIndex();
}

void CSettingsDlg::SelectPage(int index) {
    m_tree->setCurrentItem(m_tree->topLevelItem(index));
}

void CSettingsDlg::accept() {
    for (int index = 0; index < kPageCount; ++index) {
        const std::optional<CSettingsPage::Refusal> refusal = m_pages[index]->FindRefusal();
        if (!refusal)
            continue;
        SelectPage(index);
        AfxMessageBox(
            CString::FromQString(QStringLiteral("%1 から %2 までの数字を入力してください。")
                                     .arg(refusal->min)
                                     .arg(refusal->max)),
            MB_OK | MB_ICONEXCLAMATION);
        refusal->field->setFocus();
        refusal->field->selectAll();
        return;
    }
    for (CSettingsPage* page : m_pages)
        page->Apply();
    CBkDialog::accept();
}
