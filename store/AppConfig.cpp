#include "AppConfig.h"

const char kAppConfigPath[] = "./modules/setting/apConfig.bin";
const char kLanguageChinese[] = "ChineseSimplified";
const char kDefaultSecrecyCode[] = "518206";

std::unique_ptr<QSettings> openAppConfig(const QString &path)
{
    auto config = std::make_unique<QSettings>(path, QSettings::IniFormat);
    config->setIniCodec("UTF-8");
    return config;
}

QString appLanguage(const QSettings &config)
{
    return config.value(QStringLiteral("common/language")).toString();
}

QString appWindowTitle(const QSettings &config)
{
    const bool chinese = appLanguage(config) == QLatin1String(kLanguageChinese);
    return config.value(chinese ? QStringLiteral("common/name0") : QStringLiteral("common/name1")).toString();
}

QStringList appProductNames(const QSettings &config)
{
    return config.value(QStringLiteral("common/product_name")).toStringList();
}

QString appSecrecyCode(const QSettings &config, int catalogueIndex)
{
    return config.value(QStringLiteral("common/sCode") + QString::number(catalogueIndex),
                        QString::fromLatin1(kDefaultSecrecyCode)).toString();
}

QString readWindowTitle(const QString &path)
{
    return appWindowTitle(*openAppConfig(path));
}
