#include "SettingsPaths.h"

const char kSettingDir[] = "./modules/setting/";
const char kAppConfigFileName[] = "apConfig.bin";
const char kFactoryProfileFileName[] = "pD.bin";
const char kNameListFileName[] = "name.bin";
const char kMacroDir[] = "./modules/macro/";
const char kMacroFolderName[] = "macro";
const char kGunDataPath[] = "./modules/gun/gunData.bin";
const char kLanguageDir[] = "./modules/i18n/";
const char kLanguageFileSuffix[] = ".ini";

QString profileFileName(int profileIndex)
{
    return QStringLiteral("p%1.bin").arg(profileIndex + 1);
}
