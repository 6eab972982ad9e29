#pragma once
// The device catalogue: which mice the program drives and how to find their
// two HID collections. Read from an INI file (":/DevInfo.ini" when shipped).

#include <QString>
#include <QStringList>
#include <QVector>
#include <cstdint>

// One device section of the catalogue.
struct CatalogueRecord {
    int32_t type = -1;
    uint16_t vid = 0;
    uint16_t pid = 0;
    uint16_t usagePage = 0;   // command interface
    uint16_t usage = 0;
    uint16_t usagePage2 = 0;  // event interface
    uint16_t usage2 = 0;
    QString productName;
    uint32_t reportLength = 0;
};

struct Catalogue {
    QVector<CatalogueRecord> records;  // in section order "0", "1", ...
    bool isEncode = false;             // scrambling flag for short reports
};

extern const char kCatalogueResource[];  // ":/DevInfo.ini"

// More sections than this are not read: a corrupt `common/total` must not make
// the device check build millions of records (each would enumerate every HID
// device, as vid/pid 0 matches all).
constexpr int kMaxCatalogueSections = 64;

// Reads the catalogue at `path`. Missing file or keys give the defaults of
// CatalogueRecord; `productNames[N]` names section N (empty when absent).
Catalogue readCatalogue(const QString &path, const QStringList &productNames);

// Parse rules of the catalogue, usable alone.
int32_t parseCatalogueHex(const QString &text);     // "260D" -> 0x260D, "-1" -> -1, junk -> 0
bool parseCatalogueBool(const QString &text);       // false for "", "0", "false" (any case)
