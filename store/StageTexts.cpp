#include "StageTexts.h"

#include <QMutex>
#include <QMutexLocker>
#include <array>

const char kDefaultStageText[] = "DPI Switch to";

namespace {
struct StageTable {
    QMutex lock;
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
    QMutexLocker locker(&table().lock);
    return table().texts[index];
}

void setStageText(int index, const QString &text)
{
    if (!inRange(index))
        return;
    QMutexLocker locker(&table().lock);
    table().texts[index] = text;
}

void resetStageTexts()
{
    QMutexLocker locker(&table().lock);
    table().texts.fill(QString::fromLatin1(kDefaultStageText));
}
