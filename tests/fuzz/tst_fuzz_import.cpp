// Seeded mutation loop over corpus/: a "*.pf" input is imported into profile
// 3, a "setting-<file>" or "macro-<file>" input replaces that file, and a
// start reads everything, in a fresh settings tree each time. Fails on a
// crash (the sanitizers abort), a slow input, a write outside the settings
// folder, or a change to any file but the one the input may change (other
// profiles, apConfig.bin, existing macros). failures/ holds inputs that once
// broke the program; they run first. MU_FUZZ_RUNS and MU_FUZZ_SEED steer the
// loop; the input under test is kept in fuzz-last-input.bin.
#include "MacroFiles.h"
#include "NameLists.h"
#include "ProfileImport.h"
#include "SettingsFiles.h"
#include "SettingsGuard.h"
#include "SettingsPaths.h"
#include "store/StoreTestFiles.h"

#include <QtTest>
#include <iterator>

namespace {
constexpr int kImported = 2;
const char *const kTokens[] = {"@", "@@", "@Variant(", "@ByteArray(", "\\x40", "\\100", "\\", "\"", ",", "=",
                               "\n", "[", "]", "[profile]\n", "[macro]\n", "name=", "0=", "../", "\\0", ";",
                               "#", "\\x7f\\xff\\xff\\xff", "1,A", "9,", "loadercorwel", "\xff", "\xe5\xae\x8f"};
} // namespace

class FuzzImport : public QObject
{
    Q_OBJECT

    QMap<QString, QByteArray> m_tree;  // the installed settings tree plus two macros
    QMap<QString, QByteArray> m_corpus;
    QRandomGenerator m_random;

    QByteArray mutate(QByteArray in)
    {
        for (int m = 1 + int(m_random.bounded(4)); m > 0; --m) {
            const int pos = int(m_random.bounded(in.size() + 1));
            const QByteArray other = m_corpus.values().at(int(m_random.bounded(m_corpus.size())));
            switch (m_random.bounded(4)) {
            case 0: in.replace(pos, 1, QByteArray(1, char(m_random.bounded(256)))); break;
            case 1: in.insert(pos, kTokens[m_random.bounded(int(std::size(kTokens)))]); break;
            case 2: in.remove(pos, int(m_random.bounded(16))); break;
            default: in.insert(pos, other.mid(int(m_random.bounded(other.size() + 1)), int(m_random.bounded(128))));
            }
        }
        return in;
    }

    void runOne(const QByteArray &input, const QString &kind, const QString &label)
    {
        writeFile(QStringLiteral("fuzz-last-input.bin"), input);
        QTemporaryDir root;
        for (auto it = m_tree.cbegin(); it != m_tree.cend(); ++it) {
            QDir().mkpath(QFileInfo(root.filePath(it.key())).path());
            writeFile(root.filePath(it.key()), it.value());
        }
        const QString settingDir = root.filePath(QStringLiteral("modules/setting"));
        const QString macroDir = root.filePath(QStringLiteral("modules/macro"));
        const bool isPf = kind.endsWith(QLatin1String(".pf"));
        const QString target = isPf ? QStringLiteral("modules/setting/") + profileFileName(kImported)
                                    : QStringLiteral("modules/") + QString(kind).replace(QLatin1Char('-'), QLatin1Char('/'));
        // What the input may change: its target, the lists, set-aside copies, new macros.
        const QStringList before = m_tree.keys();
        const auto skip = [&](const QString &n) {
            return n == target || n.endsWith(QLatin1String("name.bin")) || n.contains(QLatin1String(kDamagedSuffix)) ||
                   n == QLatin1String("modules/in.pf") || (n.startsWith(QLatin1String("modules/macro/")) && !before.contains(n));
        };
        const auto untouched = fileDigests(root.path(), skip);
        writeFile(root.filePath(isPf ? QStringLiteral("modules/in.pf") : target), input);

        QElapsedTimer timer;
        timer.start();
        if (isPf) {
            SettingsFiles files(settingDir);
            importProfileFile(files, kImported, root.filePath(QStringLiteral("modules/in.pf")), settingDir, macroDir);
        }
        {
            // The other profiles are checked byte for byte below.
            SettingsFiles start(settingDir);
            for (const QString &key : start.profile(kImported)->allKeys())
                start.profile(kImported)->value(key).toString();
            for (const QVariant &name : NameLists(settingDir).nameList(kMacroNameList))
                MacroFiles(macroDir).load(name.toString());
            MacroFiles(macroDir).load(QStringLiteral("Jump"));
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(timer.elapsed() < 5000, qPrintable(label + QStringLiteral(": too slow")));
        QVERIFY2(fileDigests(root.path(), skip) == untouched, qPrintable(label + QStringLiteral(": changed another file")));
    }

private slots:
    void initTestCase()
    {
        // Every write ends in a flush to disk, scratch files too: in memory thousands of trees fit the time.
        if (QFileInfo(QStringLiteral("/dev/shm")).isWritable())
            qputenv("TMPDIR", "/dev/shm");
        const QDir installed(QStringLiteral(MU_MODULES_DIR "/setting"));
        for (const QString &f : installed.entryList(QDir::Files))
            m_tree.insert(QStringLiteral("modules/setting/") + f, readFile(installed.filePath(f)));
        QTemporaryDir macros;
        QVERIFY(MacroFiles(macros.path()).write(QStringLiteral("Jump"), 0, {"1,A", "2,A"}, 1));
        QVERIFY(MacroFiles(macros.path()).write(QStringLiteral("Run"), 1, {"1,B", "2,B"}, 1));
        for (const QString &f : QDir(macros.path()).entryList(QDir::Files))
            m_tree.insert(QStringLiteral("modules/macro/") + f, readFile(macros.filePath(f)));
        m_tree.insert(QStringLiteral("outside.bin"), "[a]\nk=1\n");
        const QDir corpus(QStringLiteral(FUZZ_DIR "/corpus"));
        for (const QString &f : corpus.entryList(QDir::Files))
            m_corpus.insert(f, readFile(corpus.filePath(f)));
        setDamagedFileListener([](const QString &, const QString &) {});  // damage is expected here
    }

    void inputs_that_once_failed()
    {
        const QDir failures(QStringLiteral(FUZZ_DIR "/failures"));
        for (const QString &f : failures.entryList(QDir::Files))
            runOne(readFile(failures.filePath(f)), f, f);
    }

    void mutated_inputs()
    {
        const int runs = qEnvironmentVariableIsSet("MU_FUZZ_RUNS") ? qEnvironmentVariableIntValue("MU_FUZZ_RUNS") : 5000;
        const quint32 seed = qEnvironmentVariableIsSet("MU_FUZZ_SEED") ? quint32(qEnvironmentVariableIntValue("MU_FUZZ_SEED")) : 20261207;
        m_random.seed(seed);
        const QtMessageHandler before = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        for (int i = 0; i < runs && !QTest::currentTestFailed(); ++i) {
            const QString kind = m_corpus.keys().at(int(m_random.bounded(m_corpus.size())));
            runOne(mutate(m_corpus.value(kind)), kind, QStringLiteral("seed %1 input %2 (fuzz-last-input.bin)").arg(seed).arg(i));
        }
        qInstallMessageHandler(before);
        qInfo("%d inputs, seed %u", runs, seed);
    }
};

QTEST_GUILESS_MAIN(FuzzImport)
#include "tst_fuzz_import.moc"
