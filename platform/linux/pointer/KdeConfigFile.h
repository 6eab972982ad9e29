#pragma once
// One of KDE's config files (kdeglobals, kcminputrc) edited line by line:
// the keys we set change in place and every other line stays as KDE wrote
// it, which a generic INI writer would not guarantee (KDE's nested group
// headers "[A][B]", key flags, localised keys).

#include <QString>
#include <QStringList>

namespace platform {

class KdeConfigFile
{
public:
    // The file in the user's config folder ($XDG_CONFIG_HOME, else ~/.config).
    explicit KdeConfigFile(const QString &fileName);

    // A missing file reads as empty; false when it exists but cannot be read.
    bool load();
    // Replaces the file as a whole or not at all.
    bool save() const;

    // Null when the group or key is absent. A group is its path of names.
    QString value(const QStringList &group, const QString &key) const;
    void setValue(const QStringList &group, const QString &key, const QString &value);

private:
    int findGroup(const QStringList &group) const;

    QString m_path;
    QStringList m_lines;
};

} // namespace platform
