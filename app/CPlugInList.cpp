#include "app/CPlugInList.h"

#include "app/PathFunctions.h"

#include <QDir>

void CPlugInList::Scan(const CString& folder) {
    m_plugIns.clear();
    const QFileInfoList files =
        QDir(folder.ToQString()).entryInfoList({QStringLiteral("*.so")}, QDir::Files, QDir::Name);
    for (const QFileInfo& file : files) {
        auto plugIn = std::make_unique<CPlugIn>();
        plugIn->Init(CString::FromQString(file.absoluteFilePath()));
        m_plugIns.push_back(std::move(plugIn));
    }
}

const CPlugIn* CPlugInList::FindByExt(const CString& path) const {
    const CString name = GetFileTitleExt(path);
    const int dot = name.ReverseFind('.');
    if (dot < 0)
        return nullptr;
    CString extension = name.Mid(dot);
    extension.MakeLower();
    for (const auto& plugIn : m_plugIns) {
        if (plugIn->MatchesExtension(extension))
            return plugIn.get();
    }
    return nullptr;
}
