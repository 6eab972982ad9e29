#pragma once
// Names of the keys and mouse buttons a button or a macro can use, with their
// one-byte codes: USB HID keyboard usages (0x04 .. 0xE7) and the mouse's own
// codes for its buttons (0xF0 left .. 0xF4 fifth button). Fixed for the run.

#include <QMap>
#include <QString>
#include <array>
#include <optional>

struct KeyName {
    quint8 code;
    const char *name;  // UTF-8
};

constexpr int kKeyNameCount = 132;

// The entries in code order.
const std::array<KeyName, kKeyNameCount> &keyNameEntries();

// Name to code, sorted by name; built on first use, safe from any thread.
const QMap<QString, quint8> &keyNameTable();

std::optional<quint8> keyCodeForName(const QString &name);
