#include "platform/mfc/CDocument.h"

#include "platform/mfc/CArchive.h"
#include "platform/mfc/CArchiveException.h"
#include "platform/mfc/CFileReplacer.h"
#include "platform/win/CDialogService.h"
#include "platform/win/PathFunctions.h"

IMPLEMENT_DYNAMIC(CDocument, CObject)

BOOL CDocument::OnOpenDocument(const char* pathName) {
    CFile file;
    CFileException openError;
    if (!file.Open(pathName, CFile::modeRead | CFile::shareDenyWrite, &openError)) {
        ReportSaveLoadException(pathName, openError, FALSE);
        return FALSE;
    }
    try {
        CArchive ar(&file, CArchive::load | CArchive::bNoFlushOnDelete);
        ar.m_pDocument = this;
        Serialize(ar);
        ar.Close();
    } catch (const CException& error) {
        ReportSaveLoadException(pathName, error, FALSE);
        return FALSE;
    }
    return TRUE;
}

BOOL CDocument::OnSaveDocument(const char* pathName) {
    CFileReplacer replacer(pathName);
    CFileException openError;
    if (!replacer.Open(&openError)) {
        ReportSaveLoadException(pathName, openError, TRUE);
        return FALSE;
    }
    try {
        CArchive ar(&replacer.File(), CArchive::store | CArchive::bNoFlushOnDelete);
        ar.m_pDocument = this;
        Serialize(ar);
        ar.Close();
        replacer.Commit();
    } catch (const CException& error) {
        ReportSaveLoadException(pathName, error, TRUE);
        return FALSE;
    }
    return TRUE;
}

void CDocument::SetPathName(const CString& pathName) {
    m_strPathName = pathName;
    CFile named;
    named.SetFilePath(pathName.c_str());
    m_strTitle = named.GetFileName();
}

void CDocument::ReportSaveLoadException(const char* pathName, const CException& error,
                                        BOOL saving) {
    CString text;
    if (const auto* archive = dynamic_cast<const CArchiveException*>(&error);
        archive && archive->m_cause == CArchiveException::badSchema)
        text = CString::FromUtf8(
            "このファイルには新しいバージョンのデータが含まれているため読み込めません。");
    else
        text = saving ? CString::FromUtf8(
                            "ファイルを保存できませんでした。ファイルは保存されていません。")
                      : CString::FromUtf8("読み込みエラー");
    AfxMessageBox(text + "\n" + PathForDisplay(pathName), MB_OK | MB_ICONEXCLAMATION);
}
