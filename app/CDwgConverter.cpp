#include "app/CDwgConverter.h"

#include "platform/win/CDialogService.h"
#include "platform/win/PathFunctions.h"
#include "platform/win/Processes.h"

#include <QFile>

namespace {

constexpr const char* kFileFormName = "DrevixCon.exe";

void Refuse(const char* text, const CString& path) {
    AfxMessageBox(CString::FromUtf8(text) + PathForDisplay(path), MB_OK | MB_ICONEXCLAMATION);
}

CString WithoutTrailingSlash(CString folder) {
    if (!folder.IsEmpty() && folder[folder.GetLength() - 1] == '/')
        folder = folder.Left(folder.GetLength() - 1);
    return folder;
}

} // namespace

CDwgConverter::CDwgConverter(const CString& converterPath) : m_converter(converterPath) {}

bool CDwgConverter::IsAvailable(const CString& converterPath) {
    return !FindProgram(converterPath).IsEmpty();
}

bool CDwgConverter::IsFileForm(const CString& converterPath) {
    return HasFileName(converterPath, kFileFormName);
}

QStringList CDwgConverter::FolderArguments(const CString& inputFolder,
                                           const CString& outputFolder) {
    return {inputFolder.ToFilePath(), outputFolder.ToFilePath(), QStringLiteral("ACAD2000"),
            QStringLiteral("DXF"),    QStringLiteral("1"),       QStringLiteral("1")};
}

QStringList CDwgConverter::FileArguments(const CString& dwgPath, const CString& outputPath) {
    return {dwgPath.ToFilePath(), outputPath.ToFilePath(), QStringLiteral("-dxf")};
}

CString CDwgConverter::Convert(const CString& dwgPath) {
    const CString converter = FindProgram(m_converter);
    if (converter.IsEmpty()) {
        Refuse("DWGデータを開くためのコンバータが見つかりません。\n", m_converter);
        return {};
    }
    if (m_input.Path().IsEmpty() || m_output.Path().IsEmpty()) {
        Refuse("DWGデータがコンバートできません。\n作業フォルダを作成できません。\n", GetTempDir());
        return {};
    }
    const CString name = GetFileTitleExt(dwgPath);
    QStringList arguments;
    CString output;
    if (IsFileForm(converter)) {
        output = m_output.Path() + ReplaceExtension(name, ".d$$");
        arguments = FileArguments(dwgPath, output);
    } else {
        // The converter reads every drawing of a folder: it gets a copy of
        // this one alone, which it may not change.
        const CString copy = m_input.Path() + name;
        if (!QFile::copy(dwgPath.ToFilePath(), copy.ToFilePath())) {
            Refuse("DWGデータがコンバートできません。\n", dwgPath);
            return {};
        }
        QFile::setPermissions(copy.ToFilePath(),
                              QFile::permissions(copy.ToFilePath()) | QFileDevice::WriteOwner);
        output = m_output.Path() + ReplaceExtension(name, ".dxf");
        arguments = FolderArguments(WithoutTrailingSlash(m_input.Path()),
                                    WithoutTrailingSlash(m_output.Path()));
    }
    const ProcessOutcome outcome = RunProcessAndWait(converter, arguments, GetFileDir(dwgPath));
    if (!outcome.started || !outcome.succeeded || !FileExists(output)) {
        Refuse("DWGデータがコンバートできません。\n", dwgPath);
        return {};
    }
    return output;
}
