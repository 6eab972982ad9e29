// Seeded mutation loop over the .pf and settings files of corpus/: each
// input is imported into profile 3 or put in place of a settings file and
// opened, in a fresh settings tree. Fails on a crash (the sanitizers abort),
// an input that takes too long, a write outside the settings folder, or a
// change to a file the input had no business changing: another profile, the
// factory profile, apConfig.bin or an existing macro. Every input in
// failures/ (inputs that once broke the program) runs first.
//
// MU_FUZZ_RUNS sets the number of mutated inputs (5000 unless set; CTest
// runs fewer in the build without sanitizers), MU_FUZZ_SEED the seed.
// The input under test is written to fuzz-last-input.bin in the working
// folder first, so a crash leaves it behind for failures/.
#include "MacroFiles.h"
#include "NameLists.h"
#include "ProfileImport.h"
#include "SettingsFiles.h"
#include "SettingsGuard.h"
#include "SettingsPaths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {
constexpr int kDefaultRuns = 5000;
constexpr quint32 kDefaultSeed = 20261207;
constexpr qint64 kMaxInputMs = 5000;
constexpr int kImportedProfile = 2;
constexpr int kMaxMutations = 4;
const char kLastInput[] = "fuzz-last-input.bin";
// Pieces that make the settings format's special cases likely.
const char *const kTokens[] = {"@", "@@", "@Variant(", "@ByteArray(", "@Rect(", "\\x40", "\\100", "\\", "\"",
                               ",", ", ", "=", "\n", "\r\n", "[", "]", "[profile]\n", "[macro]\n", "name=",
                               "0=", "..", "/", "../", "\\0", "%U0040", ";", "#", "\\x7f\\xff\\xff\\xff",
                               "1,A", "0,99999", "9,", "loadercorwel", "\xff", "\xe5\xae\x8f"};

enum Target { kPf, kNames, kMacro, kProfile };

QByteArray digest(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1) : QByteArray();
}

QMap<QString, QByteArray> snapshot(const QString &root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString p = it.next();
        files.insert(QDir(root).relativeFilePath(p), digest(p));
    }
    return files;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void write(const QString &path, const QByteArray &content)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
}
} // namespace

class FuzzImport : public QObject
{
    Q_OBJECT

    QMap<QString, QByteArray> m_installed;  // setting/ file name -> content
    QMap<QString, QByteArray> m_macros;     // macro/ file name -> content
    QVector<QByteArray> m_corpus;
    QRandomGenerator m_random;

    QByteArray mutate(QByteArray in)
    {
        const int count = 1 + int(m_random.bounded(kMaxMutations));
        for (int m = 0; m < count; ++m) {
            const int pos = in.isEmpty() ? 0 : int(m_random.bounded(in.size() + 1));
            switch (m_random.bounded(5)) {
            case 0:
                if (!in.isEmpty() && pos < in.size())
                    in[pos] = char(m_random.bounded(256));
                break;
            case 1:
                in.insert(pos, kTokens[m_random.bounded(int(sizeof kTokens / sizeof kTokens[0]))]);
                break;
            case 2:
                in.remove(pos, int(m_random.bounded(16)));
                break;
            case 3:
                in.insert(pos, in.mid(int(m_random.bounded(in.size() + 1)), int(m_random.bounded(64))));
                break;
            default: {
                const QByteArray &other = m_corpus.at(int(m_random.bounded(m_corpus.size())));
                in.insert(pos, other.mid(int(m_random.bounded(other.size() + 1)), int(m_random.bounded(128))));
            }
            }
        }
        return in;
    }

    // One input against a fresh tree: root/modules/{setting,macro}, with a
    // file outside them that nothing may touch.
    void runOne(const QByteArray &input, Target target, const QString &label)
    {
        write(QLatin1String(kLastInput), input);
        QTemporaryDir root(scratchRoot());
        QVERIFY(root.isValid());
        const QString settingDir = root.filePath(QStringLiteral("modules/setting"));
        const QString macroDir = root.filePath(QStringLiteral("modules/macro"));
        QDir().mkpath(settingDir);
        QDir().mkpath(macroDir);
        for (auto it = m_installed.cbegin(); it != m_installed.cend(); ++it)
            write(settingDir + QLatin1Char('/') + it.key(), it.value());
        for (auto it = m_macros.cbegin(); it != m_macros.cend(); ++it)
            write(macroDir + QLatin1Char('/') + it.key(), it.value());
        write(root.filePath(QStringLiteral("outside.bin")), "[a]\nk=1\n");

        QString changeable;  // the one existing file the input may change
        QString inputPath = root.filePath(QStringLiteral("modules/in.pf"));
        if (target == kPf)
            changeable = QStringLiteral("modules/setting/") + profileFileName(kImportedProfile);
        else if (target == kNames)
            changeable = QStringLiteral("modules/setting/name.bin");
        else if (target == kMacro)
            changeable = QStringLiteral("modules/macro/Jump.bin");
        else
            changeable = QStringLiteral("modules/setting/") + profileFileName(kImportedProfile);
        if (target != kPf)
            inputPath = root.filePath(changeable);
        write(inputPath, input);
        auto before = snapshot(root.path());

        QElapsedTimer timer;
        timer.start();
        {
            if (target == kPf) {
                SettingsFiles files(settingDir);
                importProfileFile(files, kImportedProfile, inputPath, settingDir, macroDir);
            }
            // What a start reads: every key of every profile, the lists, the macros.
            SettingsFiles restarted(settingDir);
            for (int p = 0; p < kProfileFileCount; ++p)
                for (const QString &key : restarted.profile(p)->allKeys())
                    restarted.profile(p)->value(key).toString();
            NameLists names(settingDir);
            MacroFiles macros(macroDir);
            for (const QVariant &name : names.nameList(kMacroNameList))
                macros.load(name.toString());
            macros.load(QStringLiteral("Jump"));
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(timer.elapsed() < kMaxInputMs, qPrintable(label + QStringLiteral(": too slow")));

        auto after = snapshot(root.path());
        before.remove(changeable);
        after.remove(changeable);
        // Lists and set-aside copies may change; new macros only in their folder.
        for (auto *files : {&before, &after})
            files->remove(QStringLiteral("modules/setting/name.bin"));
        for (auto it = after.begin(); it != after.end();) {
            const bool allowed = (it.key().startsWith(QLatin1String("modules/macro/")) && !before.contains(it.key())) ||
                                 it.key().contains(QLatin1String(kDamagedSuffix));
            it = allowed ? after.erase(it) : it + 1;
        }
        QVERIFY2(after == before, qPrintable(label + QStringLiteral(": a file it had no business with changed")));
    }

    // Every write ends in a flush to disk; in memory that costs nothing, and
    // thousands of trees fit the time the test has.
    static QString scratchRoot()
    {
        const QFileInfo memory(QStringLiteral("/dev/shm"));
        const QString dir = memory.isDir() && memory.isWritable() ? memory.filePath() : QDir::tempPath();
        return dir + QStringLiteral("/fuzz-XXXXXX");
    }

    static Target targetOf(const QString &fileName)
    {
        if (fileName.endsWith(QLatin1String(".pf")))
            return kPf;
        if (fileName == QLatin1String("name.bin"))
            return kNames;
        return fileName == QLatin1String("macro.bin") ? kMacro : kProfile;
    }

private slots:
    void initTestCase()
    {
        const QDir installed(QStringLiteral(MU_MODULES_DIR "/setting"));
        for (const QString &f : installed.entryList(QDir::Files))
            m_installed.insert(f, readAll(installed.filePath(f)));
        const QDir corpus(QStringLiteral(FUZZ_DIR "/corpus"));
        for (const QString &f : corpus.entryList(QDir::Files))
            m_corpus.append(readAll(corpus.filePath(f)));
        QVERIFY(!m_corpus.isEmpty());
        QTemporaryDir macroDir;
        QVERIFY(MacroFiles(macroDir.path()).write(QStringLiteral("Jump"), 0, {"1,A", "2,A"}, 1));
        QVERIFY(MacroFiles(macroDir.path()).write(QStringLiteral("Run"), 1, {"1,B", "2,B"}, 1));
        for (const QString &f : QDir(macroDir.path()).entryList(QDir::Files))
            m_macros.insert(f, readAll(macroDir.filePath(f)));
        // Damaged files are expected here; the lines about them are not.
        setDamagedFileListener([](const QString &, const QString &) {});
    }

    void inputs_that_once_failed()
    {
        const QDir failures(QStringLiteral(FUZZ_DIR "/failures"));
        for (const QString &f : failures.entryList(QDir::Files)) {
            runOne(readAll(failures.filePath(f)), targetOf(f), f);
            if (QTest::currentTestFailed())
                return;
        }
    }

    void mutated_inputs()
    {
        const int runs = qEnvironmentVariableIsSet("MU_FUZZ_RUNS") ? qEnvironmentVariableIntValue("MU_FUZZ_RUNS") : kDefaultRuns;
        const quint32 seed = qEnvironmentVariableIsSet("MU_FUZZ_SEED") ? quint32(qEnvironmentVariableIntValue("MU_FUZZ_SEED"))
                                                                       : kDefaultSeed;
        m_random.seed(seed);
        const QStringList names = QDir(QStringLiteral(FUZZ_DIR "/corpus")).entryList(QDir::Files);
        const QtMessageHandler quiet = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        for (int i = 0; i < runs; ++i) {
            const int pick = int(m_random.bounded(m_corpus.size()));
            runOne(mutate(m_corpus.at(pick)), targetOf(names.at(pick)),
                   QStringLiteral("seed %1 input %2 (kept in %3)").arg(seed).arg(i).arg(QLatin1String(kLastInput)));
            if (QTest::currentTestFailed())
                break;
        }
        qInstallMessageHandler(quiet);
        qInfo("%d inputs, seed %u", runs, seed);
    }
};

QTEST_GUILESS_MAIN(FuzzImport)
#include "tst_fuzz_import.moc"
