#pragma once
// Opening settings files without losing what the user had.
//
// The toolkit's settings class parses what it can of a file and, at its next
// write, replaces the whole file with what it understood: the lines it could
// not parse are gone, and a file it could not read at all is replaced by the
// few keys written since. So a file that is not a settings file as this
// program writes them is moved aside first, to "<file>.damaged" (numbered
// when that name is taken), and an empty file takes its place: readers get
// their defaults and the user's bytes stay on disk untouched.

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <functional>
#include <memory>

class QObject;

// Codec for the handles that read and write UTF-8 text (apConfig.bin and the
// language files); other handles use none and store non-ASCII as escapes.
extern const char kUtf8Codec[];      // "UTF-8"
extern const char kDamagedSuffix[];  // ".damaged"

// Larger files are not taken for settings files: the largest the program
// writes, an exported profile carrying a hundred macros, stays far below.
constexpr qint64 kMaxSettingsFileSize = 4 * 1024 * 1024;

// Whether `content` is a settings file the program can take over: only lines
// that are blank, comments (';' or '#'), "[section]" headers or "key=value";
// no control characters but tab, CR and LF; no value that the settings class
// would read as a serialised object (SerialisedValues.h). A byte that is not UTF-8 (a
// value saved in a legacy encoding) is not damage: the file keeps its keys.
bool isSettingsText(const QByteArray &content);

// Checks the file at `path` and, when it exists but cannot be read, is larger
// than kMaxSettingsFileSize or is not settings text, moves it aside and
// leaves an empty file in its place.
// Returns the path it was moved to, or an empty string when nothing was done
// (the file is fine, absent, or could not be moved; the last is logged).
QString setAsideDamagedFile(const QString &path);

// Who is told of a file set aside: `listener` gets the original path and
// the copy's, for every file set aside from now on and for those set aside
// before it was registered (files are checked before any window exists).
// Every set-aside also writes one line on the output. An empty listener
// stops the calls.
using DamagedFileListener = std::function<void(const QString &path, const QString &aside)>;
void setDamagedFileListener(DamagedFileListener listener);
// The text the user is shown for a file set aside.
QString damagedFileMessage(const QString &path, const QString &aside);

// An INI handle on `path` after the check above; `codec` is kUtf8Codec or
// nullptr for none.
std::unique_ptr<QSettings> openSettingsFile(const QString &path, const char *codec = nullptr,
                                            QObject *parent = nullptr);
