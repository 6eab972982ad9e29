#pragma once
// Where the installed tree keeps its files, relative to the working folder
// (the executable's folder).

#include <QString>

extern const char kSettingDir[];          // "./modules/setting/"
extern const char kAppConfigFileName[];   // "apConfig.bin"
extern const char kFactoryProfileFileName[]; // "pD.bin"
extern const char kNameListFileName[];    // "name.bin"
extern const char kMacroDir[];            // "./modules/macro/"
extern const char kMacroFolderName[];     // "macro", beside the setting folder
extern const char kGunDataPath[];         // "./modules/gun/gunData.bin"
extern const char kLanguageDir[];         // "./modules/i18n/"
extern const char kLanguageFileSuffix[];  // ".ini"

constexpr int kProfileFileCount = 10;  // p1.bin .. p10.bin

// "p<index + 1>.bin": profile index 0 lives in p1.bin.
QString profileFileName(int profileIndex);
