#pragma once
// Points the application profile at a fresh temporary folder for one test.

#include "platform/win/CProfile.h"

#include <QDir>
#include <QTemporaryDir>

class TempProfile {
public:
    TempProfile() { CProfile::SetFolder(m_dir.path()); }
    ~TempProfile() {
        CProfile::SetFolder(QDir::tempPath() + QStringLiteral("/zumeo-test-profile"));
    }
    TempProfile(const TempProfile&) = delete;
    TempProfile& operator=(const TempProfile&) = delete;

    QString IniPath() const { return m_dir.path() + QStringLiteral("/Pelcorp,inc./Zumeo.ini"); }

private:
    QTemporaryDir m_dir;
};
