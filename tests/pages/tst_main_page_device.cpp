// The root page against the real view and the virtual mouse: what the
// start, the panels, a profile switch and a factory reset send, compared
// as wire traces and firmware state.
#include "MainPageFixture.h"
#include "platform/DesktopSession.h"

class MainPageDeviceTest : public QObject
{
    Q_OBJECT
private slots:
    // What the panels show at start is the stored-profile test's. The page
    // shows in full after a while; a reconnect of the same variant keeps what
    // the panels show, the other variant shows its own stored values. None of
    // it sends. A protection of no length still gives input back.
    void start_and_another_variant_reload_the_panels()
    {
        MainPageFixture f;
        f.view->initUI(0);
        QTRY_VERIFY(f.root()->property("isPowerOn").toBool());
        QVERIFY(!f.root()->property("fullPage").toBool());
        QTRY_VERIFY_WITH_TIMEOUT(f.root()->property("fullPage").toBool(), 3000);
        QVERIFY(f.view->isEnabled());
        QVERIFY(!f.js(QStringLiteral("protectUIItem.isBusy")).toBool());

        vmouse::clearTrace();
        f.js(QStringLiteral("dpiSettingMain.setValue(0, 1200)"));
        f.view->initUI(0);
        QTest::qWait(50);
        QCOMPARE(f.js(QStringLiteral("dpiSettingMain.valueForDpi()[0]")).toInt(), 1200);
        f.profile(0)->setValue(QStringLiteral("sensor/dpi_Tarn_4090"),
                               QStringList({"700", "1400", "2100", "2800", "3500", "4200", "4900", "5600"}));
        f.view->initUI(1);
        QTRY_VERIFY(f.js(QStringLiteral("is4090")).toBool());
        QTRY_COMPARE(f.js(QStringLiteral("dpiSettingMain.valueForDpi()[0]")).toInt(), 700);
        QCOMPARE(f.js(QStringLiteral("dpiSettingMain.valueForDpi()[7]")).toInt(), 5600);
        QVERIFY(f.view->isEnabled());
        QVERIFY(!f.js(QStringLiteral("protectUIItem.isBusy")).toBool());
        QVERIFY(f.sentShortReports().isEmpty());

        f.controler.setBusy(0);
        QVERIFY(!f.view->isEnabled());
        QVERIFY(f.js(QStringLiteral("protectUIItem.isBusy")).toBool());
        QTRY_VERIFY_WITH_TIMEOUT(f.view->isEnabled(), 200);
        QVERIFY(!f.js(QStringLiteral("protectUIItem.isBusy")).toBool());
    }

    void stored_stage_flags_without_an_enabled_stage_keep_the_first()
    {
        MainPageFixture f;
        f.profile(0)->setValue(QStringLiteral("sensor/dpi_Select"), QStringList({"0", "0", "0", "0", "0", "0", "0", "0"}));
        f.start();
        f.js(QStringLiteral("ui_View.sendProfile()"));
        QCOMPARE(int(vmouse::firmwareState(f.unit).stageMask), 0x01);
    }

    void black_panel_colour_sends_red_first_and_mode_7()
    {
        MainPageFixture f;
        f.start();
        f.js(QStringLiteral("lightControlMain.setPanelColour(0, 0, 0); lightControlMain.refresh()"));
        const vmouse::FirmwareState s = vmouse::firmwareState(f.unit);
        QCOMPARE(f.hex(s.ledColours, 0, 6), QStringLiteral("ff 00 00 00 00 ff"));
        QCOMPARE(int(s.ledColourValue), 7);
        QCOMPARE(f.stored(0, QStringLiteral("color_Tarn/ledEffect")).toStringList(),
                 QStringList({"0", "7", "4", "0", "0", "0"}));
    }

    void stage_colour_scroll_lines_and_dials_reach_mouse_and_profile()
    {
        MainPageFixture f;
        f.start();
        f.js(QStringLiteral("dpiSettingMain.openColorBar(1, '#0000ff'); dpiSettingMain.colorStage = 1;"
                            "colorBarMain.colourPicked('#00ff00')"));
        QCOMPARE(f.sentCommands(), QStringList({"0a", "0a", "0c", "06"}));
        QCOMPARE(f.hex(vmouse::firmwareState(f.unit).stageColours, 0, 6), QStringLiteral("ff 00 00 00 ff 00"));
        QCOMPARE(f.stored(0, QStringLiteral("color_Tarn/type1")).toStringList().mid(3, 3), QStringList({"0", "255", "0"}));
        // The picker opens inside the column for every stage.
        const int column = f.js(QStringLiteral("rightFlick.width")).toInt();
        for (int stage = 0; stage < 6; ++stage) {
            f.js(QStringLiteral("dpiSettingMain.openColorBar(%1, '#00ff00')").arg(stage));
            const int x = f.js(QStringLiteral("colorBarMain.x")).toInt();
            QVERIFY2(x >= 0 && x + f.js(QStringLiteral("colorBarMain.width")).toInt() <= column, qPrintable(QString::number(x)));
        }

        // A field left at 0 or empty means 1 line.
        for (const char *text : {"0", ""}) {
            f.js(QStringLiteral("scrollRateMain.chooseScreen()"));
            QCOMPARE(f.stored(0, QStringLiteral("sensor/verticalScrollLines_Tarn")).toInt(), 1000);
            f.js(QStringLiteral("scrollRateMain.fieldText = '%1'; scrollRateMain.chooseRows()").arg(text));
            QCOMPARE(f.stored(0, QStringLiteral("sensor/verticalScrollLines_Tarn")).toInt(), 1);
        }

        // The dials each store their own key.
        f.js(QStringLiteral("mouseRateMain.mouseRateValue = 3; mouseRateMain.mouseRateChange();"
                            "doubleRateMain.doubleRateValue = 9; doubleRateMain.doubleRateChange()"));
        QCOMPARE(f.stored(0, QStringLiteral("sensor/cursorSpeed_Tarn")).toInt(), 3);
        QCOMPARE(f.stored(0, QStringLiteral("sensor/doubleClickSpeed_Tarn")).toInt(), 9);

        // A profile without scroll lines sends 1, not 0.
        f.view->settings().currentProfile()->remove(QStringLiteral("sensor/verticalScrollLines_Tarn"));
        f.js(QStringLiteral("ui_View.sendProfile(); scrollRateMain.init()"));
        QCOMPARE(f.js(QStringLiteral("scrollRateMain.lines")).toInt(), 1);
        QCOMPARE(f.stored(0, QStringLiteral("sensor/verticalScrollLines_Tarn")).toInt(), 1);
    }

    void profile_switch_sends_the_whole_profile_when_the_manager_closes()
    {
#ifndef Q_OS_WIN
        // The pointer values go to a Plasma desktop here (on Windows to the
        // system parameters, which the Windows pointer test reads back).
        DesktopSession plasma("KDE", "");
#endif
        MainPageFixture f;
        // A second profile with its own rate and pointer values.
        QSettings *p2 = f.profile(1);
        p2->setValue(QStringLiteral("sensor/reportRate_Tarn"), 2);
        p2->setValue(QStringLiteral("sensor/cursorSpeed_Tarn"), 8);
        p2->setValue(QStringLiteral("sensor/doubleClickSpeed_Tarn"), 6);
        p2->setValue(QStringLiteral("sensor/verticalScrollLines_Tarn"), 7);
        f.start();
        f.js(QStringLiteral("profileFlow.showProfileManager(true); profileFlow.changeProfile(0)"));
        QVERIFY(f.sentShortReports().isEmpty());
        f.js(QStringLiteral("profileFlow.changeProfile(1)"));
        QCOMPARE(f.view->settings().currentProfileIndex(), 1);
        // Only the report rate goes at once: its panel sends every change.
        QCOMPARE(f.sentCommands(), QStringList({"01", "0c", "06"}));
        // The order of what goes out is pinned by the click trace, the values
        // the mouse takes by the stored-profile test.
        f.js(QStringLiteral("profileFlow.showProfileManager(false)"));
        QTRY_VERIFY_WITH_TIMEOUT(f.view->isEnabled(), 3000);
#ifndef Q_OS_WIN
        // Pointer speed, double-click time, wheel lines reach the desktop in that order.
        QCOMPARE(plasma.calls(4), QStringList({"event3 pointerAcceleration 0.6", "event5 pointerAcceleration 0.6",
                                               "notifyChange 3 0", "notifyChange 3 0"}));
        QVERIFY(plasma.file("kdeglobals").endsWith("[KDE]\nDoubleClickInterval=480\nWheelScrollLines=7\n"));
#endif
    }

    void factory_reset_sends_the_factory_values()
    {
        MainPageFixture f;
        f.start();
        f.js(QStringLiteral("dpiSettingMain.setValue(0, 7000); dpiSettingMain.dpiValueChange(); reprotRateMain.reportValue = 8"));
        QCOMPARE(int(vmouse::firmwareState(f.unit).reportRate), 8);
        vmouse::clearTrace();
        f.js(QStringLiteral("factorysure.accepted()"));
        // Buttons, lighting, axis, DPI with its colours, report rate (its
        // change handler sends the new value with a lighting refresh, then
        // its init sends it again), then the colour again.
        QCOMPARE(f.sentCommands(), QStringList({"03", "06", "0c", "06", "0b", "08", "07", "0c", "06", "0a",
                                                "01", "0c", "06", "01", "0c", "06"}));
        const vmouse::FirmwareState s = vmouse::firmwareState(f.unit);
        QCOMPARE(int(s.reportRate), 1);
        QCOMPARE(f.hex(s.stageCodes), QStringLiteral("08 10 20 30 40 60 80 a0"));
        QCOMPARE(int(s.currentStage), 2);
        QCOMPARE(f.stored(0, QStringLiteral("sensor/dpi_Tarn")).toStringList().at(0), QStringLiteral("400"));
        QCOMPARE(f.js(QStringLiteral("reprotRateMain.reportValue")).toInt(), 1);
        QCOMPARE(vmouse::rejects(f.unit).total(), 0);
    }

    void profile_manager_keeps_listed_profiles_safe()
    {
        MainPageFixture f;
        f.start();
        const QString names = f.path("setting/name.bin");
        auto stored = [&] { return QSettings(names, QSettings::IniFormat).value(QStringLiteral("profile/profileName")).toStringList(); };
        QCOMPARE(stored(), QStringList({"Standard0", "loadercorwel"}));

        // A new profile takes the next free index and starts from the factory
        // file; the selected profile stays selected and nothing is sent.
        f.profile(1)->setValue(QStringLiteral("sensor/reportRate_Tarn"), 4);
        f.profile(1)->sync();
        QVERIFY(f.js(QStringLiteral("profileMain.newProfile()")).toBool());
        QCOMPARE(stored(), QStringList({"Standard0", "profile_01"}));
        QCOMPARE(f.stored(1, QStringLiteral("sensor/reportRate_Tarn")).toInt(), 1);

        // A copy of the selected profile.
        QVERIFY(f.js(QStringLiteral("profileMain.copyProfile()")).toBool());
        QCOMPARE(stored().last(), QStringLiteral("Standard(0)2"));
        QCOMPARE(f.view->settings().currentProfileIndex(), 0);
        QCOMPARE(f.js(QStringLiteral("profileMain.currentRow")).toInt(), 0);
        QCOMPARE(f.appConfig()->value(QStringLiteral("Tarn/profileNo")).toInt(), 0);
        f.js(QStringLiteral("profileFlow.showProfileManager(true); profileFlow.showProfileManager(false)"));
        QVERIFY(f.sentShortReports().isEmpty());

        // Renaming: another profile's name or a blank name is refused.
        QVERIFY(!f.js(QStringLiteral("profileMain.rename(2, 'Standard')")).toBool());
        QVERIFY(!f.js(QStringLiteral("profileMain.rename(2, '   ')")).toBool());
        QVERIFY(f.js(QStringLiteral("profileMain.rename(2, 'Shooter')")).toBool());
        QCOMPARE(stored().last(), QStringLiteral("Shooter2"));

        // Six profiles fill the list; a seventh would overwrite a listed one.
        for (int i = 0; i < 3; ++i)
            QVERIFY(f.js(QStringLiteral("profileMain.newProfile()")).toBool());
        QCOMPARE(stored().size(), 6);
        f.profile(0)->sync();
        const QByteArray before = f.profileBytes(0);
        QVERIFY(!f.js(QStringLiteral("profileMain.newProfile()")).toBool());
        QVERIFY(!f.js(QStringLiteral("profileMain.copyProfile()")).toBool());
        QCOMPARE(stored().size(), 6);
        QCOMPARE(f.profileBytes(0), before);

        // Deleting the profile in use moves to the first one left; the file stays.
        QVERIFY(f.js(QStringLiteral("profileMain.deleteProfile()")).toBool());
        QCOMPARE(stored().size(), 5);
        QCOMPARE(f.view->settings().currentProfileIndex(), 1);
        QCOMPARE(f.js(QStringLiteral("profileMain.currentRow")).toInt(), 0);
        QVERIFY(QFile::exists(f.view->settings().fileName(0)));
    }

    void profile_import_is_sent_and_export_writes_the_file()
    {
        MainPageFixture f;
        f.start();
        const QString imported = f.dir.filePath(QStringLiteral("imported.pf"));
        f.profile(0)->sync();
        QFile::copy(f.view->settings().fileName(0), imported);
        QSettings(imported, QSettings::IniFormat).setValue(QStringLiteral("sensor/reportRate_Tarn"), 4);
        const QString exported = f.dir.filePath(QStringLiteral("exported.pf"));
        QString answer;
        QStringList asked;  // caption, folder, filter of each dialog
        const auto dialog = [&](QWidget *, const QString &caption, const QString &folder, const QString &filter) {
            asked << caption << folder << filter;
            return answer;
        };
        f.view->setFileDialogs(dialog, dialog);

        // Cancelled: nothing changes and nothing is sent.
        QVERIFY(!f.js(QStringLiteral("profileMain.loadProfile()")).toBool());
        QCOMPARE(asked, QStringList({"Open File", QStandardPaths::writableLocation(QStandardPaths::DesktopLocation),
                                     "Profile(*.pf)"}));
        QVERIFY(f.sentShortReports().isEmpty());
        QCOMPARE(f.js(QStringLiteral("reprotRateMain.reportValue")).toInt(), 1);

        answer = imported;
        QVERIFY(f.js(QStringLiteral("profileMain.loadProfile()")).toBool());
        QCOMPARE(f.js(QStringLiteral("reprotRateMain.reportValue")).toInt(), 4);
        QCOMPARE(int(vmouse::firmwareState(f.unit).reportRate), 4);
        QVERIFY(f.sentCommands().contains(QStringLiteral("08")));
        QTRY_VERIFY_WITH_TIMEOUT(f.view->isEnabled(), 3000);

        answer = exported;
        f.js(QStringLiteral("profileMain.saveProfile()"));
        QCOMPARE(asked.at(asked.size() - 3), QStringLiteral("Save File"));
        QCOMPARE(QSettings(exported, QSettings::IniFormat).value(QStringLiteral("sensor/reportRate_Tarn")).toInt(), 4);
    }

    // While a dialog owns the page the pointer over the rows moves nothing,
    // so the dialog assigns to the button it was opened for.
    void rows_ignore_the_pointer_while_a_dialog_is_open()
    {
        MainPageFixture f;
        f.start();
        const auto row = [](int r) { return QPoint(188, 135 + 21 * r); };
        QTest::mouseMove(f.view.get(), row(2));
        QTRY_COMPARE(f.js(QStringLiteral("mouseMain.selectKey")).toInt(), 2);
        f.js(QStringLiteral("keyMenuMain.openDialog(singleKeyMain)"));
        for (int r : {3, 5, 6})
            QTest::mouseMove(f.view.get(), row(r));
        QTest::mouseMove(f.view.get(), QPoint(188, 420));
        QTest::mouseClick(f.view.get(), Qt::LeftButton, {}, row(5));
        QCOMPARE(f.js(QStringLiteral("mouseMain.selectKey")).toInt(), 2);
        f.js(QStringLiteral("singleKeyMain.detectKeyboard(true, 4); singleKeyMain.accept()"));
        QCOMPARE(f.stored(0, QStringLiteral("keydefine_Tarn/2")).toStringList(), QStringList({"1", "0", "4", "0"}));
    }

    void chinese_texts_come_from_the_language_file()
    {
        MainPageFixture f;
        f.appConfig()->setValue(QStringLiteral("common/language"), QStringLiteral("ChineseSimplified"));
        f.start();
        QCOMPARE(f.js(QStringLiteral("language")).toInt(), 1);
        QCOMPARE(f.js(QStringLiteral("mainLang[10]")).toString(), QStringLiteral("鼠标速度"));
        QCOMPARE(f.js(QStringLiteral("askMenu.entries.slice(1, 4)")).toStringList(), QStringList({"更新", "版本:1.0", "退出"}));
        // The profile keeps its stored name outside English.
        QCOMPARE(f.js(QStringLiteral("profileMain.profileModel.get(0).name")).toString(), QStringLiteral("Standard"));
    }
};

QTEST_MAIN(MainPageDeviceTest)
#include "tst_main_page_device.moc"
