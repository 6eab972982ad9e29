#pragma once
// The toolkit's settings class turns a value that begins with '@' into a
// binary object when it is read: "@ByteArray(...)", "@Variant(...)" (a whole
// serialised object, with element counts the file may make up), "@Rect(...)"
// and the like. This program stores only text and numbers, and writes a text
// that begins with '@' as "@@...", so a value or list element that begins with
// a single '@' never comes from it (but for "@Invalid()", the settings class's
// own text for an empty list, which reads back as nothing): such a file is damaged, and must not
// reach the settings class at all.
//
// The scan works on the raw bytes and errs on the side of damage: it does not
// follow sections, keys or quotes, so every place where a value or a list
// element could begin counts, and so does any escape that spells '@'.

#include <QByteArray>

// Whether `content` holds a value or list element the settings class would
// read as a serialised object.
bool hasSerialisedValue(const QByteArray &content);
