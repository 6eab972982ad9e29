#include "KeyNames.h"
#include "LanguageStrings.h"
#include "StageTexts.h"
#include "StoreTestFiles.h"

#include <QtTest>
#include <atomic>
#include <thread>

class LanguageTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_files = 0;

    // A file of its own per case: the toolkit keeps parsed files by name.
    QString writeLanguage(const QByteArray &content)
    {
        const QString code = QStringLiteral("lang_%1").arg(++m_files);
        writeFile(m_dir.filePath(code + QStringLiteral(".ini")), content);
        return code;
    }

    QStringList stageTexts()
    {
        QStringList texts;
        for (int i = 0; i < kStageTextCount; ++i)
            texts.append(stageText(i));
        return texts;
    }

private slots:
    void init() { resetStageTexts(); }

    void other_group_replaces_stage_texts_it_has()
    {
        const LanguageStrings strings(m_dir.path());
        const QString code = writeLanguage("[other]\ntotal=5\n0=s0\n1=s1\n2=s2\n3=s3\n4=s4\n");
        QCOMPARE(strings.getGlobalStrings(6, code).size(), 5);
        QCOMPARE(stageTexts(), (QStringList{"s0", "s1", "s2", "s3", "s4", "DPI Switch to", "DPI Switch to",
                                            "DPI Switch to"}));
        // Only table 6 touches them.
        const QString other = writeLanguage("[main]\ntotal=1\n0=x\n");
        strings.getGlobalStrings(0, other);
        QCOMPARE(stageText(0), QStringLiteral("s0"));
    }

    void missing_or_outside_file_gives_nothing()
    {
        const LanguageStrings strings(m_dir.path());
        QVERIFY(strings.getGlobalStrings(6, QStringLiteral("absent")).isEmpty());
        writeFile(m_dir.filePath(QStringLiteral("outside.ini")), "[other]\ntotal=1\n0=x\n");
        const LanguageStrings inner(m_dir.filePath(QStringLiteral("sub")));
        QVERIFY(inner.getGlobalStrings(6, QStringLiteral("../outside")).isEmpty());
        QVERIFY(inner.getGlobalStrings(6, QStringLiteral("..\\outside")).isEmpty());
        QCOMPARE(stageText(0), QString::fromLatin1(kDefaultStageText));
        QVERIFY(stageText(8).isNull());
        QVERIFY(stageText(-1).isNull());
    }

    void corrupt_total_stays_bounded()
    {
        const LanguageStrings strings(m_dir.path());
        const QString code = writeLanguage("[main]\ntotal=2000000000\n0=a\n\n[keyMatrix]\ntotal=abc\n0=a\n\n"
                                           "[keyMenu]\ntotal=-4\n0=a\n");
        QCOMPARE(strings.getGlobalStrings(0, code).size(), kMaxLanguageEntries);
        QVERIFY(strings.getGlobalStrings(1, code).isEmpty());
        QVERIFY(strings.getGlobalStrings(2, code).isEmpty());
    }

    // Run under the thread sanitizer, this catches an unguarded table.
    void stage_texts_read_while_written()
    {
        std::atomic<bool> done{false};
        std::atomic<int> torn{0};
        std::thread reader([&done, &torn] {
            while (!done.load()) {
                const QString text = stageText(3);
                if (!text.startsWith(QLatin1String("text ")) && text != QLatin1String(kDefaultStageText))
                    ++torn;
            }
        });
        for (int i = 0; i < 2000; ++i)
            setStageText(3, QStringLiteral("text %1").arg(i));
        done = true;
        reader.join();
        QCOMPARE(torn.load(), 0);
        QCOMPARE(stageText(3), QStringLiteral("text 1999"));
    }

    void key_name_table()
    {
        QCOMPARE(keyCodeForName(QString::fromUtf8("►")), std::optional<quint8>(0x4F));
        QCOMPARE(keyCodeForName(QStringLiteral("MS-B5")), std::optional<quint8>(0xF4));
        QVERIFY(!keyCodeForName(QStringLiteral("a")));

        QSet<int> named;
        for (const KeyName &entry : keyNameEntries()) {
            QVERIFY2(!named.contains(entry.code), entry.name);
            named.insert(entry.code);
            QCOMPARE(keyCodeForName(QString::fromUtf8(entry.name)), std::optional<quint8>(entry.code));
        }
    }
};

QTEST_GUILESS_MAIN(LanguageTest)
#include "tst_language.moc"
