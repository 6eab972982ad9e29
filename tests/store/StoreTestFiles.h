#pragma once
// File helpers shared by the store tests.

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QString>

#include <functional>

#ifdef Q_OS_WIN
#include <QMap>
#include <algorithm>

// Qt on Windows writes settings files with CRLF and keeps sections and keys in
// the order they were first written, where on Linux it writes LF and sorts them
// by their unescaped names. The tests spell out the Linux form; a file Qt wrote
// here is brought to it before comparing.
inline QString unescapedKey(const QByteArray &key)
{
    QString out;
    for (int i = 0; i < key.size(); ++i) {
        bool ok = false;
        if (key[i] == '%' && key.mid(i + 1, 1) == "U" && i + 6 <= key.size()) {
            const ushort code = key.mid(i + 2, 4).toUShort(&ok, 16);
            if (ok) { out += QChar(code); i += 5; continue; }
        }
        out += QLatin1Char(key[i]);
    }
    return out;
}

inline QByteArray linuxWrittenForm(const QByteArray &bytes)
{
    // Only text whose every line ends in CRLF is a file Qt wrote here.
    if (!bytes.contains("\r\n") || QByteArray(bytes).replace("\r\n", "").contains('\n'))
        return bytes;
    QMap<QString, QByteArray> sections;
    const QList<QByteArray> lines = QByteArray(bytes).replace("\r\n", "\n").split('\n');
    QByteArray header;
    QList<QByteArray> keys;
    auto flush = [&] {
        if (header.isEmpty() && keys.isEmpty())
            return;
        std::sort(keys.begin(), keys.end(), [](const QByteArray &a, const QByteArray &b) {
            return unescapedKey(a.left(a.indexOf('='))) < unescapedKey(b.left(b.indexOf('=')));
        });
        sections.insert(unescapedKey(header), header + '\n' + keys.join('\n') + '\n');
        header.clear();
        keys.clear();
    };
    for (const QByteArray &line : lines) {
        if (line.startsWith('[')) {
            flush();
            header = line;
        } else if (!line.isEmpty()) {
            keys += line;
        }
    }
    flush();
    return QList<QByteArray>(sections.begin(), sections.end()).join('\n');
}
#endif

inline void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(content);
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
#ifdef Q_OS_WIN
    return linuxWrittenForm(bytes);
#else
    return bytes;
#endif
}

// Every file under `root` but those `skip` names, with a digest of its content.
inline QMap<QString, QByteArray> fileDigests(const QString &root,
                                             const std::function<bool(const QString &)> &skip = nullptr)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString name = QDir(root).relativeFilePath(it.next());
        if (!skip || !skip(name))
            files.insert(name, QCryptographicHash::hash(readFile(it.filePath()), QCryptographicHash::Sha1));
    }
    return files;
}
