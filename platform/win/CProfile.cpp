#include "platform/win/CProfile.h"

#include <QSettings>
#include <QString>

#include <charconv>
#include <memory>

namespace {

std::unique_ptr<QSettings>& Instance() {
    static std::unique_ptr<QSettings> settings;
    return settings;
}

QSettings& Settings() {
    auto& settings = Instance();
    if (!settings)
        settings =
            std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                        QStringLiteral("Pelcorp,inc."), QStringLiteral("Zumeo"));
    return *settings;
}

QString KeyPath(const char* section, const char* key) {
    return QString::fromLatin1(section) + QLatin1Char('/') + QString::fromLatin1(key);
}

} // namespace

UINT CProfile::GetProfileInt(const char* section, const char* key, int defaultValue) {
    QVariant value = Settings().value(KeyPath(section, key));
    if (!value.isValid())
        return static_cast<UINT>(defaultValue);
    QByteArray text = value.toString().trimmed().toLatin1();
    long long number = 0;
    auto [end, ec] = std::from_chars(text.constData(), text.constData() + text.size(), number);
    if (ec != std::errc() || end != text.constData() + text.size() || text.isEmpty())
        return static_cast<UINT>(defaultValue);
    return static_cast<UINT>(number);
}

CString CProfile::GetProfileString(const char* section, const char* key, const char* defaultValue) {
    QVariant value = Settings().value(KeyPath(section, key));
    if (!value.isValid())
        return CString(defaultValue);
    return CString::FromQString(value.toString());
}

BOOL CProfile::WriteProfileInt(const char* section, const char* key, int value) {
    Settings().setValue(KeyPath(section, key), QString::number(value));
    return Settings().status() == QSettings::NoError;
}

BOOL CProfile::WriteProfileString(const char* section, const char* key, const char* value) {
    Settings().setValue(KeyPath(section, key), CString(value).ToQString());
    return Settings().status() == QSettings::NoError;
}

CString CProfile::GetProfilePath(const char* section, const char* key) {
    const QVariant value = Settings().value(KeyPath(section, key));
    if (value.typeId() == QMetaType::QByteArray)
        return CString(value.toByteArray().toStdString());
    return CString::FromFilePath(value.toString());
}

BOOL CProfile::WriteProfilePath(const char* section, const char* key, const CString& path) {
    const QString text = path.ToFilePath();
    if (CString::FromFilePath(text) == path)
        Settings().setValue(KeyPath(section, key), text);
    else
        Settings().setValue(KeyPath(section, key), QByteArray::fromStdString(path.str()));
    return Settings().status() == QSettings::NoError;
}

void CProfile::Flush() {
    Settings().sync();
}

void CProfile::SetFolder(const QString& folder) {
    if (Instance())
        Instance()->sync();
    Instance().reset();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}
