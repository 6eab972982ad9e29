// A whole profile sent by the pages and by the command line, against the
// real view and the virtual mouse: the macros of macro buttons follow the
// switch, and `--profile 2` puts on the wire what the profile manager does.
#include "EveryPath.h"
#include "WireTrace.h"

#include "NameLists.h"

class ProfileSendTest : public QObject
{
    Q_OBJECT

    // Button 3 of profile `index` plays the macro `name`; the profile's
    // report rate and axis levels differ from the first one's.
    static void playOnButton3(EveryPath &f, int index, const QString &name)
    {
        QSettings *p = f.profile(index);
        p->setValue(QStringLiteral("keydefine_Tarn/3"), QVariantList{10, 0, 2, 3});
        p->setValue(QStringLiteral("macro/3"), name);
        if (index > 0) {
            p->setValue(QStringLiteral("sensor/reportRate_Tarn"), 2);
            p->setValue(QStringLiteral("XYSensitive/0"), 7);
            p->setValue(QStringLiteral("color_Tarn/ledEffect"), QVariantList{2, 0, 1, 0, 0, 255});
        }
        p->sync();
    }

private slots:
    void profile_command_sends_what_the_profile_manager_sends()
    {
        EveryPath f;
        f.start();
        playOnButton3(f, 0, f.makeMacro(QStringLiteral("'1,A', '2,A'")));
        playOnButton3(f, 1, f.makeMacro(QStringLiteral("'1,B', '0,300', '2,B', '3,MS-L', '4,MS-L'")));
        // The command line's copy of the tree as the pages see it now.
        QTemporaryDir copy;
        const QString settingDir = f.copyTree(copy);

        vmouse::clearTrace();
        f.chooseInProfileManager(1);
        const QString pages = wire::trace();
        // The macro of button 3 follows the switch.
        QCOMPARE(f.slotStart(3, 4), QList<int>({0, 1, 0x01, 0x05}));

        // The command line chooses only what the profile manager lists.
        NameLists(settingDir).storeNameList(kProfileNameList, {QStringLiteral("Standard0"), QStringLiteral("Two1")});
        SettingsFiles files(settingDir);
        Hid_Thread hid;
        QVERIFY(cli::findMouse(hid, *files.appConfig()));
        vmouse::clearTrace();
        const cli::Reply reply =
            cli::CommandRunner(files, settingDir, hid).run(cli::parse({QStringLiteral("--profile"), QStringLiteral("2")}, {}));
        QCOMPARE(reply.status, int(cli::kDone));
        QCOMPARE(wire::trace(), pages);
        files.appConfig()->sync();
        QCOMPARE(files.appConfig()->value(QStringLiteral("Tarn/profileNo")).toInt(), 1);

        // A mouse that stops answering: the status cannot be read, the profile is not taken.
        vmouse::setSilent(true);
        QCOMPARE(cli::CommandRunner(files, settingDir, hid).run(cli::parse({QStringLiteral("--status")}, {})).status,
                 int(cli::kDeviceFailed));
        vmouse::setSilent(false);
        vmouse::unplug(f.unit);
        const cli::Reply lost =
            cli::CommandRunner(files, settingDir, hid).run(cli::parse({QStringLiteral("--profile"), QStringLiteral("1")}, {}));
        QCOMPARE(lost.status, int(cli::kDeviceFailed));
        QCOMPARE(lost.err, QStringLiteral("the mouse did not take profile 1\n"));
        // What the mouse did not take is neither current nor started with.
        QCOMPARE(files.currentProfileIndex(), 1);
        QCOMPARE(files.appConfig()->value(QStringLiteral("Tarn/profileNo")).toInt(), 1);
        files.appConfig()->sync();
        QCOMPARE(QSettings(files.appConfig()->fileName(), QSettings::IniFormat).value(QStringLiteral("Tarn/profileNo")).toInt(), 1);
    }
};

QTEST_MAIN(ProfileSendTest)
#include "tst_profile_send.moc"
