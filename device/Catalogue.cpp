#include "Catalogue.h"

#include <QSettings>

const char kCatalogueResource[] = ":/DevInfo.ini";

// The catalogue resource lives in this static library; register it before
// the first read, as nothing else would pull its object file in.
static int registerCatalogueResource()
{
    Q_INIT_RESOURCE(device);
    return 0;
}

int32_t parseCatalogueHex(const QString &text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok, 16);
    return ok ? static_cast<int32_t>(value) : 0;
}

bool parseCatalogueBool(const QString &text)
{
    const QString t = text.trimmed();
    return !(t.isEmpty() || t == QLatin1String("0") || t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0);
}

namespace {

QString textOf(const QSettings &ini, const QString &key)
{
    // A value with a comma reads back as a list; join it so that the parse
    // rules see the text as written and turn it into 0.
    const QVariant v = ini.value(key);
    return v.type() == QVariant::StringList ? v.toStringList().join(QLatin1Char(',')) : v.toString();
}

int32_t hexKey(const QSettings &ini, const QString &key, int32_t absent)
{
    return ini.contains(key) ? parseCatalogueHex(textOf(ini, key)) : absent;
}

uint16_t hex16Key(const QSettings &ini, const QString &key)
{
    return static_cast<uint16_t>(hexKey(ini, key, 0) & 0xFFFF);
}

} // namespace

Catalogue readCatalogue(const QString &path, const QStringList &productNames)
{
    static const int registered = registerCatalogueResource();
    Q_UNUSED(registered)
    Catalogue catalogue;
    QSettings ini(path, QSettings::IniFormat);

    const int total = qBound(0, textOf(ini, QStringLiteral("common/total")).trimmed().toInt(), kMaxCatalogueSections);
    for (int n = 0; n < total; ++n) {
        const QString g = QString::number(n) + QLatin1Char('/');
        CatalogueRecord r;
        r.type = hexKey(ini, g + QLatin1String("type"), -1);
        r.vid = hex16Key(ini, g + QLatin1String("vid"));
        r.pid = hex16Key(ini, g + QLatin1String("pid"));
        r.usagePage = hex16Key(ini, g + QLatin1String("usagePage"));
        r.usage = hex16Key(ini, g + QLatin1String("usage"));
        r.usagePage2 = hex16Key(ini, g + QLatin1String("usagePage2"));
        r.usage2 = hex16Key(ini, g + QLatin1String("usage2"));
        r.reportLength = textOf(ini, g + QLatin1String("reportLength")).trimmed().toUInt();
        r.productName = productNames.value(n);
        catalogue.records.append(r);
    }
    catalogue.isEncode = parseCatalogueBool(textOf(ini, QStringLiteral("common/isEncode")));
    return catalogue;
}
