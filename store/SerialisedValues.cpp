#include "SerialisedValues.h"

#include <string>

namespace {
constexpr char kTypeMark = '@';
// What the settings class writes for an empty list or no value (an exported
// profile without macros has it): it reads back as nothing, builds nothing.
constexpr char kNoValue[] = "@Invalid()";
constexpr char kEscape = '\\';
constexpr char kHexEscape = 'x';
constexpr uint kCharMask = 0xFFFF;  // an escape keeps the low 16 bits of its number
constexpr int kHexBase = 16;
constexpr int kOctBase = 8;
// Escapes that stand for one character; any other escaped character is dropped.
constexpr char kCharEscapes[] = "abfnrtv\"?'\\";

int digitValue(char c, int base)
{
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

// Reads the number of a hex or octal escape starting at `i`; returns the
// position after it and sets `value` to the character it stands for.
int readEscapeNumber(const QByteArray &s, int i, int base, uint &value)
{
    value = 0;
    int d;
    while (i < s.size() && (d = digitValue(s.at(i), base)) >= 0) {
        value = value * uint(base) + uint(d);
        ++i;
    }
    value &= kCharMask;
    return i;
}

bool opensElement(char c)
{
    return c == '=' || c == ',' || c == '\n' || c == '\r' || c == ';' || c == '[' || c == ']';
}

// The empty list's text as a whole element at `i`.
bool isNoValue(const QByteArray &s, int i)
{
    const int end = i + int(sizeof kNoValue) - 1;
    return s.mid(i, end - i) == kNoValue && (end == s.size() || opensElement(s.at(end)) || s.at(end) == ' ');
}

// Characters that the reader skips or that add nothing before an element's
// first character.
bool isTransparent(char c)
{
    return c == ' ' || c == '\t' || c == '"';
}
} // namespace

bool hasSerialisedValue(const QByteArray &s)
{
    bool atElementStart = true;
    for (int i = 0; i < s.size();) {
        const char c = s.at(i);
        if (c == kEscape) {
            if (++i >= s.size())
                break;
            const char e = s.at(i++);
            uint value = 0;
            if (e == kHexEscape) {
                i = readEscapeNumber(s, i, kHexBase, value);
            } else if (digitValue(e, kOctBase) >= 0) {
                i = readEscapeNumber(s, i - 1, kOctBase, value);
            } else if (std::char_traits<char>::find(kCharEscapes, sizeof kCharEscapes - 1, e)) {
                atElementStart = false;
                continue;
            } else {
                continue;  // dropped, or a line continuation: adds nothing
            }
            if (value == uint(kTypeMark))
                return true;
            atElementStart = false;
        } else if (c == kTypeMark) {
            if (i + 1 < s.size() && s.at(i + 1) == kTypeMark) {
                i += 2;  // "@@": a text that begins with '@'
            } else if (atElementStart && isNoValue(s, i)) {
                i += sizeof kNoValue - 1;
            } else {
                if (atElementStart)
                    return true;
                ++i;
            }
            atElementStart = false;
        } else {
            if (opensElement(c))
                atElementStart = true;
            else if (!isTransparent(c))
                atElementStart = false;
            ++i;
        }
    }
    return false;
}
