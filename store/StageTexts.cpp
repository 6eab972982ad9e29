#include "StageTexts.h"

#include <array>
#include <mutex>

const char kDefaultStageText[] = "DPI Switch to";

namespace {
// std::mutex rather than QMutex, and no string shared between threads: the
// thread sanitizer follows pthread locks but not what Qt's library does
// inside (its futexes, the shared strings' counts), so the guard's test
// runs under it.
struct StageTable {
    std::mutex lock;
    std::array<QString, kStageTextCount> texts;
    StageTable() { texts.fill(QString::fromLatin1(kDefaultStageText)); }
};

StageTable &table()
{
    static StageTable instance;
    return instance;
}

bool inRange(int index)
{
    return index >= 0 && index < kStageTextCount;
}
}

QString stageText(int index)
{
    if (!inRange(index))
        return QString();
    std::lock_guard<std::mutex> locker(table().lock);
    // A copy of its own, so that no string is shared between threads.
    const QString &text = table().texts[index];
    return QString(text.constData(), text.size());
}

void setStageText(int index, const QString &text)
{
    if (!inRange(index))
        return;
    std::lock_guard<std::mutex> locker(table().lock);
    table().texts[index] = text;
}

void resetStageTexts()
{
    std::lock_guard<std::mutex> locker(table().lock);
    table().texts.fill(QString::fromLatin1(kDefaultStageText));
}
