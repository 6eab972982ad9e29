#include "MacroEncoding.h"

#include "KeyNames.h"

#include <QDebug>

#include <algorithm>

namespace {

enum EventType { kDelay = 0, kKeyPress = 1, kKeyRelease = 2, kButtonPress = 3, kButtonRelease = 4 };

constexpr int kReleaseBit = 0x80;
constexpr int kLongGapMark = 0x7F;
constexpr int kLongGapMs = 127;
constexpr int kMinGap = 1;
constexpr int kMaxGapMs = 0xFFFF;
constexpr int kLoopBytes = 2;
constexpr int kSlotBytes = 2;
constexpr int kLongSlotBytes = 4;
constexpr int kEndBytes = 2;

bool isRelease(int type)
{
    return type == kKeyRelease || type == kButtonRelease;
}

int delayMs(const MacroEvent &event)
{
    bool ok = false;
    const int ms = event.info.trimmed().toInt(&ok);
    return ok && ms > 0 ? ms : 0;
}

constexpr int kFirstButtonCode = 0xF0;

// Key events look the name up among the keys, the others among the mouse
// buttons; a name the table does not hold gives 0, as on the page.
int codeOf(const MacroEvent &event)
{
    const int code = keyCodeForName(event.info).value_or(0);
    const bool keyEvent = event.type == kKeyPress || event.type == kKeyRelease;
    return (code >= kFirstButtonCode) == keyEvent ? 0 : code;
}

// Writes `value` at `index`, growing the list with zeros as needed.
void put(QVariantList &data, int index, int value)
{
    while (data.size() <= index)
        data.append(0);
    data[index] = value;
}

} // namespace

StoredMacro parseStoredMacro(const QStringList &stored)
{
    StoredMacro macro;
    for (int i = 0; i + 1 < stored.size(); ++i) {
        const QString &text = stored.at(i);
        bool ok = false;
        const int type = text.left(1).toInt(&ok);
        macro.events.append({ok ? type : -1, text.mid(2)});
    }
    if (!stored.isEmpty()) {
        bool ok = false;
        const int loops = stored.last().trimmed().toInt(&ok);
        macro.loops = ok ? loops : 0;
    }
    return macro;
}

QVariantList encodeMacro(const StoredMacro &macro)
{
    const QVector<MacroEvent> &events = macro.events;
    const int loops = std::max(macro.loops, 0);
    QVariantList data{loops / 256, loops % 256};
    const auto first = std::find_if(events.begin(), events.end(), [](const MacroEvent &e) { return e.type != kDelay; });
    if (first == events.end() || first == events.end() - 1)
        return data;

    int p = kLoopBytes;
    int previousType = first->type;
    put(data, p + 1, codeOf(*first));
    int gap = 0;
    int pending = 0;
    for (auto it = first + 1; it != events.end(); ++it) {
        if (it->type == kDelay) {
            gap += delayMs(*it);
            continue;
        }
        const int release = isRelease(previousType) ? kReleaseBit : 0;
        if (pending < kLongGapMs) {
            put(data, p, std::max(pending, kMinGap) + release);
            p += kSlotBytes;
        } else {
            // Two bytes cannot hold more; a longer gap is kept at the maximum.
            const int ms = std::min(pending, kMaxGapMs);
            put(data, p, kLongGapMark + release);
            p += kSlotBytes;
            put(data, p, ms / 256);
            put(data, p + 1, ms % 256);
            p += kLongSlotBytes - kSlotBytes;
        }
        pending = gap;
        gap = 0;
        previousType = it->type;
        put(data, p + 1, codeOf(*it));
    }
    put(data, p, kMinGap + (isRelease(previousType) ? kReleaseBit : 0));
    p += kSlotBytes;
    put(data, p, 0);
    put(data, p + 1, 0);
    return data;
}

StoredMacro macroFromEvents(const QStringList &events, int loops)
{
    QStringList stored = events;
    stored.append(QString::number(loops));
    return parseStoredMacro(stored);
}

FittedMacro fitMacro(const StoredMacro &macro)
{
    // The encoded size never shrinks as events are added, so the longest
    // part that fits is found by halving.
    auto encodeFirst = [&macro](int count) {
        StoredMacro part{macro.events.mid(0, count), macro.loops};
        return encodeMacro(part);
    };
    FittedMacro fitted{encodeFirst(macro.events.size()), macro.events.size()};
    if (fitted.bytes.size() <= kMacroBudgetBytes)
        return fitted;
    int fits = 0;
    int tooLong = macro.events.size();
    while (tooLong - fits > 1) {
        const int middle = fits + (tooLong - fits) / 2;
        (encodeFirst(middle).size() <= kMacroBudgetBytes ? fits : tooLong) = middle;
    }
    return {encodeFirst(fits), fits};
}

QVariantList slotBytesReported(const QString &name, const StoredMacro &macro)
{
    FittedMacro fitted = fitMacro(macro);
    if (fitted.sentEvents < macro.events.size())
        qInfo().noquote() << QStringLiteral("Macro too long: %1 sent with %2 of %3 events")
                                 .arg(name)
                                 .arg(fitted.sentEvents)
                                 .arg(macro.events.size());
    return std::move(fitted.bytes);
}

int macroSizeEstimate(const StoredMacro &macro)
{
    const QVector<MacroEvent> &events = macro.events;
    const auto first = std::find_if(events.begin(), events.end(), [](const MacroEvent &e) { return e.type != kDelay; });
    int size = kLoopBytes;
    if (first == events.end() || first == events.end() - 1)
        return size;
    int gap = 0;
    for (auto it = first + 1; it != events.end(); ++it) {
        if (it->type == kDelay) {
            gap += delayMs(*it);
        } else {
            size += gap < kLongGapMs ? kSlotBytes : kLongSlotBytes;
            gap = 0;
        }
    }
    return size + kSlotBytes + kEndBytes;
}
