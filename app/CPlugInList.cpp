#include "app/CPlugInList.h"

#include <QDir>

void CPlugInList::Scan(const CString& folder) {
    m_plugIns.clear();
    const QFileInfoList files =
        QDir(folder.ToFilePath()).entryInfoList({QStringLiteral("*.so")}, QDir::Files, QDir::Name);
    for (const QFileInfo& file : files) {
        auto plugIn = std::make_unique<CPlugIn>();
        plugIn->Init(CString::FromFilePath(file.absoluteFilePath()));
        m_plugIns.push_back(std::move(plugIn));
    }
}

const CPlugIn* CPlugInList::FindByExt(const CString& path) const {
    for (const auto& plugIn : m_plugIns) {
        if (plugIn->MatchesPath(path))
            return plugIn.get();
    }
    return nullptr;
}
