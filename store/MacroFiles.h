#pragma once
// The macro files: one settings file per macro, "<macroDir>/<name>.bin".
//
//   [config]
//   index=<position in the editor's list>
//   total=<number of events>
//   repeat=<loop count>
//   did=<type, -1 when created>
//   [macro]
//   0=<type digit>,<info>      one event per key, in playing order
//   ...
//
// Every call opens the file and closes it again. A name that is not a safe
// file name (MacroNames.h) is treated as a macro that does not exist.

#include <QString>
#include <QStringList>
#include <QVariant>

// More events than any macro the editor can build; a file that claims more
// is read only this far.
constexpr int kMaxMacroEvents = 4096;

class MacroFiles
{
public:
    explicit MacroFiles(const QString &macroDir);

    QString macroDir() const { return m_dir; }
    // Empty for a name that is not safe.
    QString filePath(const QString &name) const;
    bool exists(const QString &name) const;

    // Writes the config group (index, total 0, repeat 1, did -1), creating
    // the file when needed; events already there stay but are no longer read.
    // False for an unsafe name.
    bool create(const QString &name, uint index);
    // Writes the macro's whole file (index, events, loop count, type -1) in
    // one step, in place of any file of that name: a reader never finds it
    // half written. False for an unsafe name or a failed write.
    bool write(const QString &name, uint index, const QStringList &events, int repeat);
    // Replaces the events and the loop count; false when the file is missing.
    bool save(const QString &name, const QStringList &events, const QVariant &repeat);
    // The events followed by the loop count; empty when the file is missing.
    // At most kMaxMacroEvents events are read.
    QStringList load(const QString &name) const;
    // config/did and config/index (numbers when stored as such), 0 when the
    // file is missing.
    QVariant type(const QString &name) const;
    QVariant index(const QString &name) const;
    void setIndex(const QString &name, const QVariant &index);
    // Renames the file; false when the old file is missing or a file of the
    // new name exists.
    bool rename(const QString &oldName, const QString &newName);
    bool remove(const QString &name);

private:
    QString m_dir;
};
