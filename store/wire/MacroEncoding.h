#pragma once
// A stored macro (MacroFiles::load: "<type>,<info>" events, then the loop
// count) turned into the bytes a macro slot of the mouse takes, exactly as
// the macro page encodes it before it calls sendMacroData.
//
// Slot bytes: loop count high, low; then per action a delay byte and the
// action's code. The delay byte holds the gap before the action in
// milliseconds, 1 .. 126, with 0x80 added for a release; a gap of 127 ms or
// more is the marker 0x7F (0xFF for a release), the code, and the gap as two
// bytes, high first. The last action carries 1 and is followed by 0x00 0x00.
// Every path that puts a macro in a slot takes its bytes from slotBytesReported.

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVector>

struct MacroEvent {
    int type = 0;  // 0 delay, 1 key press, 2 key release, 3 button press, 4 button release
    QString info;  // milliseconds, or the key or button name
};

struct StoredMacro {
    QVector<MacroEvent> events;
    int loops = 1;
};

// Every entry but the last is an event, the last the loop count; an empty
// list has no events and one loop.
StoredMacro parseStoredMacro(const QStringList &stored);

// The slot bytes, as numbers (the slot buffer keeps the low 8 bits).
QVariantList encodeMacro(const StoredMacro &macro);

// The most a slot plays: the bytes of a macro, end marker included, that the
// mouse keeps whole. The slot itself is larger and zero-filled after them.
constexpr int kMacroBudgetBytes = 128;

// The stored form of events ("<type>,<info>") with a loop count.
StoredMacro macroFromEvents(const QStringList &events, int loops);

// The slot bytes of the longest leading part of `macro` that fits the
// budget, and how many of its events that part holds: every slot ends with
// its end marker at an event boundary.
struct FittedMacro {
    QVariantList bytes;
    int sentEvents = 0;
};
FittedMacro fitMacro(const StoredMacro &macro);

// fitMacro's bytes; a macro cut to fit is said on the output, with the
// number of events that went.
QVariantList slotBytesReported(const QString &name, const StoredMacro &macro);

// The bytes the encoded events take at most, counting every gap in
// milliseconds as the encoder places them: the editor stops adding events
// before this reaches its limit.
int macroSizeEstimate(const StoredMacro &macro);
