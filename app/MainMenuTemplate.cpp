#include "app/MainMenuTemplate.h"

#include "app/CommandIds.h"
#include "controls/CToolImages.h"

namespace {

CMenuTemplateItem Item(UINT id, const char* text) {
    return CMenuTemplateItem{id, text, QPixmap(), {}};
}

CMenuTemplateItem Item(UINT id, const char* text, CToolImages::Glyph glyph) {
    return CMenuTemplateItem{id, text, CToolImages::MenuIcon(glyph), {}};
}

CMenuTemplateItem Separator() {
    return CMenuTemplateItem{};
}

CMenuTemplateItem Popup(const char* text, std::vector<CMenuTemplateItem> items) {
    return CMenuTemplateItem{0, text, QPixmap(), std::move(items)};
}

} // namespace

std::vector<CMenuTemplateItem> MainMenuTemplate() {
    using namespace CommandIds;
    std::vector<CMenuTemplateItem> file = {
        Item(kFileOpen, "開く(&O)...\tCtrl+O", CToolImages::kOpen),
        Item(kOpenWithApp, "別アプリケーションで開く(&N)..."),
        Item(kBatchConvert, "一括変換(&B)..."),
        Separator(),
        Item(kFileSave, "朱書きデータを保存(&S)\tCtrl+S", CToolImages::kSave),
        Item(kFileSaveAs, "名前を付けて保存(&A)..."),
        Item(kConvertToOwn, "オリジナルデータに変換(&C)"),
        Separator(),
        Item(kFilePrint, "印刷(&P)...\tCtrl+P", CToolImages::kPrint),
        Item(kFilePrintPreview, "印刷プレビュー(&V)", CToolImages::kPreview),
        Item(kContinuousPrint, "連続印刷(&Q)...", CToolImages::kContinuousPrint),
        Item(32810, "スケール印刷(&L)..."),
        Item(kFilePrintSetup, "プリンタの設定(&R)..."),
        Separator(),
        Item(32811, "画像に変換(&I)..."),
        Separator(),
    };
    for (int i = 0; i < kMruCount; ++i)
        file.push_back(Item(kFileMru1 + static_cast<UINT>(i), "最近使ったファイル"));
    file.push_back(Separator());
    file.push_back(Item(kAppExit, "アプリケーションの終了(&X)", CToolImages::kExit));

    return {
        Popup("ファイル(&F)", std::move(file)),
        Popup("編集(&E)",
              {
                  Item(kEditUndo, "元に戻す(&U)\tCtrl+Z", CToolImages::kUndo),
                  Item(kEditRedo, "やり直し(&R)\tCtrl+Y", CToolImages::kRedo),
                  Separator(),
                  Item(kEditCopy, "部分コピー(&C)\tCtrl+C", CToolImages::kCopyVisible),
                  Item(kCopyAll, "全体コピー(&A)", CToolImages::kCopyAll),
                  Separator(),
                  Item(kEditSelectAll, "全て選択(&S)\tCtrl+A"),
                  Item(kEditDelete, "削除(&D)\tDel"),
                  Item(kProperties, "プロパティ(&P)..."),
                  Separator(),
                  Item(kBringToFront, "最前面(&F)"),
                  Item(kSendToBack, "最背面(&B)"),
                  Item(kHollowOut, "中抜き(&H)"),
              }),
        Popup("表示(&V)",
              {
                  Item(kViewToolBar, "ツールバー(&T)"),
                  Item(kViewLayerBar, "画層バー(&L)"),
                  Item(kViewStatusBar, "ステータスバー(&S)"),
                  Separator(),
                  Item(kFit, "全体表示(&F)", CToolImages::kFit),
                  Item(kPan, "画面移動(&P)", CToolImages::kPan),
                  Item(kZoom, "ズーム＋-(&Z)", CToolImages::kZoom),
                  Item(kPreviousView, "前のビュー(&B)"),
                  Item(kWindowZoom, "窓ズーム(&R)", CToolImages::kWindowZoom),
                  Item(kRedraw, "再描画(&D)\tF5"),
              }),
        Popup("朱書き(&R)",
              {
                  Popup("引出し線(&M)",
                        {
                            Item(32785, "楕円(&I)"),
                            Item(32786, "矩形(&Q)"),
                            Item(32787, "円（&R)"),
                            Item(32788, "矢印(&A)"),
                        }),
                  Separator(),
                  Item(32797, "線分(&L)", CToolImages::kRedline),
                  Item(32804, "連続線分(&Y)"),
                  Item(32798, "矩形(&S)"),
                  Item(32799, "楕円(&E)"),
                  Item(32800, "円(&C)"),
                  Item(32801, "多角形(&P)"),
                  Item(32802, "雲形(&O)"),
                  Item(32803, "付箋(&T)"),
                  Item(32812, "フリーハンド(&F)"),
                  Item(32815, "イメージ(&M)"),
              }),
        Popup("ツール(&T)",
              {
                  Item(32795, "選択(&S)"),
                  Item(32807, "移動(&V)"),
                  Item(32808, "頂点編集(&E)"),
                  Item(32809, "測定(&M)..."),
                  Separator(),
                  Item(kSettings, "設定(&S)...", CToolImages::kSettings),
              }),
        Popup("ヘルプ(&H)",
              {
                  Item(kHelp, "ヘルプ(&H)", CToolImages::kHelp),
                  Item(kAppAbout, "バージョン情報(&A)..."),
              }),
    };
}
