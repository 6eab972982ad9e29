#include "AppConfig.h"

#include "SettingsGuard.h"
#include "SettingsKeys.h"

const char kAppConfigPath[] = "./modules/setting/apConfig.bin";
const char kLanguageChinese[] = "ChineseSimplified";
const char kDefaultSecrecyCode[] = "518206";

std::unique_ptr<QSettings> openAppConfig(const QString &path)
{
    return openSettingsFile(path, kUtf8Codec);
}

QString appLanguage(const QSettings &config)
{
    return config.value(QLatin1String(kLanguageKey)).toString();
}

QString appWindowTitle(const QSettings &config)
{
    const bool chinese = appLanguage(config) == QLatin1String(kLanguageChinese);
    return config.value(QLatin1String(chinese ? kTitleChineseKey : kTitleOtherKey)).toString();
}

QStringList appProductNames(const QSettings &config)
{
    return config.value(QLatin1String(kProductNamesKey)).toStringList();
}

QString appSecrecyCode(const QSettings &config, int catalogueIndex)
{
    return config.value(secrecyCodeKey(catalogueIndex),
                        QString::fromLatin1(kDefaultSecrecyCode)).toString();
}

QString readWindowTitle(const QString &path)
{
    return appWindowTitle(*openAppConfig(path));
}
