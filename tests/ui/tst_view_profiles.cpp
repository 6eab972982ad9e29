#include "ViewFixture.h"

#include <QStandardPaths>

// Profile slots from page JavaScript, with the file dialogs answering from
// the test; and the slot table the pages rely on.
class ViewProfilesTest : public QObject
{
    Q_OBJECT

    struct DialogCall {
        QString caption;
        QString folder;
        QString filter;
    };

    // Both dialogs answer `answer` and record how they were asked.
    static void answerDialogs(ViewFixture &f, const QString &answer, QVector<DialogCall> &calls)
    {
        auto dialog = [answer, &calls](QWidget *, const QString &caption, const QString &folder,
                                        const QString &filter) {
            calls.append({caption, folder, filter});
            return answer;
        };
        f.view->setFileDialogs(dialog, dialog);
    }

    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:

    void import_cancelled_or_refused_changes_nothing()
    {
        ViewFixture f;
        QVector<DialogCall> calls;
        const QString p3 = f.dir.filePath(QStringLiteral("setting/p3.bin"));
        const QByteArray before = read(p3);

        answerDialogs(f, QString(), calls);
        QCOMPARE(f.call("ui_View.loadProfile(2)").toBool(), false);
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls.first().caption, QStringLiteral("Open File"));
        QCOMPARE(calls.first().filter, QStringLiteral("Profile(*.pf)"));
        QCOMPARE(calls.first().folder, QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
        QCOMPARE(f.call("ui_View.loadProfileMacroData(2)").toBool(), true);

        answerDialogs(f, QStringLiteral(SOURCE_DIR "/tests/store/fixtures/hostile_binary.pf"), calls);
        QCOMPARE(f.call("ui_View.loadProfile(2)").toBool(), false);
        QCOMPARE(read(p3), before);
    }

    void export_then_import_into_another_profile()
    {
        ViewFixture f;
        QVector<DialogCall> calls;
        f.call("ui_View.createMacroIni('Macro_0', 0); ui_View.saveMacroIni('Macro_0', ['1,A', '2,A'], [], 2);"
               "ui_View.createMacroIni('Macro_1', 1); ui_View.saveMacroIni('Macro_1', ['3,MS-R', '4,MS-R'], [], 1);"
               "ui_View.updataNameList(0, ['Macro_0', 'Macro_1'])");
        f.call("ui_View.setXYSensitive(0, 7)");
        const QString pf = f.dir.filePath(QStringLiteral("export.pf"));
        answerDialogs(f, pf, calls);
        f.call("ui_View.saveProfile(0, ['Macro_0', 'Macro_1'])");
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls.first().caption, QStringLiteral("Save File"));
        QVERIFY(read(pf).contains("[XYSensitive]\n0=7\n"));

        // Another computer: no macros yet.
        QVERIFY(QDir(f.dir.filePath(QStringLiteral("macro"))).removeRecursively());
        f.call("ui_View.updataNameList(0, [])");
        f.call("ui_View.ui_02H_SetCurrentProfile(4)");
        QCOMPARE(f.call("ui_View.getXYSensitive(0)").toInt(), 4);
        QCOMPARE(f.call("ui_View.loadProfile(4)").toBool(), true);
        QCOMPARE(f.call("ui_View.loadProfileMacroData(4)").toBool(), true);
        QCOMPARE(f.call("ui_View.getXYSensitive(0)").toInt(), 7);
        QCOMPARE(f.call("ui_View.getNameList(0)").toStringList(), QStringList({"Macro_0", "Macro_1"}));
        QCOMPARE(f.call("ui_View.loadMacroIni('Macro_1')").toStringList(), QStringList({"3,MS-R", "4,MS-R", "1"}));
    }
};

QTEST_MAIN(ViewProfilesTest)
#include "tst_view_profiles.moc"
