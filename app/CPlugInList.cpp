#include "app/CPlugInList.h"

#include "app/PathFunctions.h"

#include <QDir>

#include <string>

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
    // The name's bytes: a file name need not be CP932, whose lead bytes
    // would swallow the dot.
    const std::string name = GetFileTitleExt(path).str();
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return nullptr;
    CString extension(name.substr(dot));
    extension.MakeLower();
    for (const auto& plugIn : m_plugIns) {
        if (plugIn->MatchesExtension(extension))
            return plugIn.get();
    }
    return nullptr;
}
