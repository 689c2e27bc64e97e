#pragma once
// Loads the settings record and the recent-text lists from the application
// profile, and writes them back.

class CDrawDefaults;
struct CRecentTexts;

class CSettingsProfile {
public:
    static void Load(CDrawDefaults& settings, CRecentTexts& recent);
    static void Save(const CDrawDefaults& settings, const CRecentTexts& recent);
};
