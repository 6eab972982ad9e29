#pragma once
// apConfig.bin: language, window titles, selected profile, product names and
// secrecy codes. Every handle on this file uses the UTF-8 codec, so a title
// with non-ASCII text survives the rewrite that a change of profileNo causes.

#include <QSettings>
#include <QString>
#include <QStringList>
#include <memory>

extern const char kAppConfigPath[];  // "./modules/setting/apConfig.bin"
extern const char kLanguageChinese[]; // "ChineseSimplified"
extern const char kDefaultSecrecyCode[]; // "518206"

// Opens an INI handle on an apConfig file with the UTF-8 codec; a damaged
// file is set aside first (SettingsGuard.h).
std::unique_ptr<QSettings> openAppConfig(const QString &path = QString::fromLatin1(kAppConfigPath));

QString appLanguage(const QSettings &config);
// The window title: name0 for the Chinese language, name1 otherwise.
QString appWindowTitle(const QSettings &config);
QStringList appProductNames(const QSettings &config);
QString appSecrecyCode(const QSettings &config, int catalogueIndex);

// Reads the window title through its own short-lived handle.
QString readWindowTitle(const QString &path = QString::fromLatin1(kAppConfigPath));
