#include "app/CConvertOnCloseDlg.h"

#include "platform/win/CDialogService.h"

CConvertOnCloseDlg::CConvertOnCloseDlg(const CString& ownFileName)
    : m_text1(
          CString::FromUtf8("閉じようとしているデータは、Zumeoのオリジナルデータに変換することで")),
      m_text2(
          CString::FromUtf8("次回から読み込み速度が速くなります。（元の図面は変更されません）")),
      m_text3(CString::FromUtf8("Zumeoのオリジナルデータ 「") + ownFileName +
              CString::FromUtf8("」 に変換しますか？")) {}

int CConvertOnCloseDlg::DoModal() {
    return CDialogService::Current().MessageBoxWithCheck(
        m_text1 + "\n" + m_text2 + "\n" + m_text3,
        CString::FromUtf8("以降、このメッセージを表示しない"), CString("Zumeo Ver.3.5"),
        MB_YESNOCANCEL | MB_ICONQUESTION, &m_dontAskAgain);
}
