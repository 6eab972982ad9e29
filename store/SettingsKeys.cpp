#include "SettingsKeys.h"

const char kLanguageKey[] = "common/language";
const char kTitleChineseKey[] = "common/name0";
const char kTitleOtherKey[] = "common/name1";
const char kProductNamesKey[] = "common/product_name";
const char kSecrecyCodePrefix[] = "common/sCode";
const char kProfileNoKey[] = "Tarn/profileNo";

const char kDpiSelectKey[] = "sensor/dpi_Select";
const char kCursorSpeedKey[] = "sensor/cursorSpeed_Tarn";
const char kScrollLinesKey[] = "sensor/verticalScrollLines_Tarn";
const char kDoubleClickSpeedKey[] = "sensor/doubleClickSpeed_Tarn";
const char kKeyDefinePrefix[] = "keydefine_Tarn/";
const char kColorTypePrefix[] = "color_Tarn/type";
const char kMacroPrefix[] = "macro/";
const char kXYSensitivePrefix[] = "XYSensitive/";
const char kSelectGunPrefix[] = "selectGun/";
const char kProfileMacroNamesKey[] = "profile/name";
const char kProfileMacroPrefix[] = "profile/";

const char kDpiListKey[] = "sensor/dpi_Tarn";
const char kReportRateKey[] = "sensor/reportRate_Tarn";
const char kLedEffectKey[] = "color_Tarn/ledEffect";
const char kSensor4090Suffix[] = "_4090";

namespace {
QString numbered(const char *prefix, int n)
{
    return QLatin1String(prefix) + QString::number(n);
}

QString forSensor(const char *key, bool is4090)
{
    return is4090 ? QLatin1String(key) + QLatin1String(kSensor4090Suffix) : QString::fromLatin1(key);
}
}

QString secrecyCodeKey(int catalogueIndex) { return numbered(kSecrecyCodePrefix, catalogueIndex); }
QString keyDefineKey(int button) { return numbered(kKeyDefinePrefix, button); }
QString colorTypeKey(int table) { return numbered(kColorTypePrefix, table); }
QString macroKey(int slot) { return numbered(kMacroPrefix, slot); }
QString profileMacroKey(int position) { return numbered(kProfileMacroPrefix, position); }
QString xySensitiveKey(const QString &index) { return QLatin1String(kXYSensitivePrefix) + index; }
QString selectGunKey(const QString &index) { return QLatin1String(kSelectGunPrefix) + index; }

QString dpiListKey(bool is4090) { return forSensor(kDpiListKey, is4090); }
QString reportRateKey(bool is4090) { return forSensor(kReportRateKey, is4090); }
QString ledEffectKey(bool is4090) { return forSensor(kLedEffectKey, is4090); }
