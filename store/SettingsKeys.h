#pragma once
// Keys of the settings files. A key is `group/name`; keys that carry a number
// or an index are a fixed prefix with the number appended, no separator.
// The 4090 sensor keeps its own copy of the DPI, report-rate and lighting keys
// under the 3336 key plus the suffix "_4090".

#include <QString>

// apConfig.bin
extern const char kLanguageKey[];        // "common/language"
extern const char kTitleChineseKey[];    // "common/name0"
extern const char kTitleOtherKey[];      // "common/name1"
extern const char kProductNamesKey[];    // "common/product_name"
extern const char kSecrecyCodePrefix[];  // "common/sCode"
extern const char kProfileNoKey[];       // "Tarn/profileNo"

// Profile files, one form for both sensors.
extern const char kDpiSelectKey[];         // "sensor/dpi_Select"
extern const char kCursorSpeedKey[];       // "sensor/cursorSpeed_Tarn"
extern const char kScrollLinesKey[];       // "sensor/verticalScrollLines_Tarn"
extern const char kDoubleClickSpeedKey[];  // "sensor/doubleClickSpeed_Tarn"
extern const char kKeyDefinePrefix[];      // "keydefine_Tarn/"
extern const char kColorTypePrefix[];      // "color_Tarn/type"
extern const char kMacroPrefix[];          // "macro/"
extern const char kXYSensitivePrefix[];    // "XYSensitive/"
extern const char kSelectGunPrefix[];      // "selectGun/"
extern const char kProfileMacroNamesKey[]; // "profile/name"
extern const char kProfileMacroPrefix[];   // "profile/"

// Profile files, per sensor.
extern const char kDpiListKey[];       // "sensor/dpi_Tarn"
extern const char kReportRateKey[];    // "sensor/reportRate_Tarn"
extern const char kLedEffectKey[];     // "color_Tarn/ledEffect"
extern const char kSensor4090Suffix[]; // "_4090"

constexpr int kButtonCount = 16;        // key-matrix entries, keydefine_Tarn/0..15
constexpr int kButtonDefinitionSize = 4;
constexpr int kDpiStageCount = 8;
constexpr int kLedEffectSize = 6;       // effect, colour mode, level, red, green, blue
constexpr int kLightingColorTable = 0;  // color_Tarn/type0
constexpr int kStageColorTable = 1;     // color_Tarn/type1
constexpr int kXYSensitiveDefault = 4;

QString secrecyCodeKey(int catalogueIndex);
QString keyDefineKey(int button);
QString colorTypeKey(int table);
QString macroKey(int slot);
QString profileMacroKey(int position);
// The pages pass their index as a variant; it is used as text.
QString xySensitiveKey(const QString &index);
QString selectGunKey(const QString &index);

QString dpiListKey(bool is4090);
QString reportRateKey(bool is4090);
QString ledEffectKey(bool is4090);
