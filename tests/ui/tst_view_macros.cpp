#include "ViewFixture.h"

// Macro, gun and axis slots called from page JavaScript.
class ViewMacrosTest : public QObject
{
    Q_OBJECT

    static QString macroFile(ViewFixture &f, const QString &name)
    {
        return f.dir.filePath(QStringLiteral("macro/") + name + ".bin");
    }

private slots:
    void macro_editor_round_trip()
    {
        ViewFixture f;
        QCOMPARE(f.call("ui_View.createMacroIni('Macro_0', 0)").toBool(), true);
        QCOMPARE(f.call("ui_View.createMacroIni('../../x', 0)").toBool(), false);
        QVERIFY(!QFile::exists(f.dir.filePath(QStringLiteral("x.bin"))));
        QCOMPARE(f.call("ui_View.saveMacroIni('Macro_0', ['1,A', '0,50', '2,A'], [0, 1, 1, 4], 3)").toBool(), true);
        QCOMPARE(f.call("ui_View.loadMacroIni('Macro_0')").toStringList(), QStringList({"1,A", "0,50", "2,A", "3"}));
        f.call("ui_View.setMacroIndex('Macro_0', 9)");
        QCOMPARE(f.call("ui_View.loadMacroIndex('Macro_0') + 1").toInt(), 10);
        QCOMPARE(f.call("ui_View.updataNameList(0, ['Macro_0'])").toBool(), true);
        QCOMPARE(f.call("ui_View.getNameList(0)").toStringList(), QStringList({"Macro_0", "loadercorwel"}));
        QCOMPARE(f.call("ui_View.deleteMacroIni('Macro_0')").toBool(), true);
        QVERIFY(!QFile::exists(macroFile(f, QStringLiteral("Macro_0"))));
    }

    void rename_carries_assignments_unless_the_name_is_taken()
    {
        ViewFixture f;
        f.call("ui_View.createMacroIni('M', 0); ui_View.createMacroIni('Taken', 1)");
        f.call("ui_View.setMacroKey(0, 'M')");
        f.call("ui_View.ui_02H_SetCurrentProfile(2); ui_View.setMacroKey(3, 'M'); ui_View.setMacroKey(9, 'M')");
        QCOMPARE(f.call("ui_View.isMacroUse('M')").toStringList(), QStringList({"Name", "0", "3", "9"}));
        QCOMPARE(f.call("ui_View.isMacroUse('Unused')").toStringList(), QStringList{"Name"});

        QCOMPARE(f.call("ui_View.modifyMacroName('M', 'Taken')").toBool(), false);
        QCOMPARE(f.call("ui_View.isMacroUse('M')").toStringList(), QStringList({"Name", "0", "3", "9"}));
        QCOMPARE(f.call("ui_View.modifyMacroName('M', 'a/b')").toBool(), false);
        QCOMPARE(f.call("ui_View.modifyMacroName('M', 'N')").toBool(), true);
        QCOMPARE(f.call("ui_View.isMacroUse('N')").toStringList(), QStringList({"Name", "0", "3", "9"}));
        QCOMPARE(f.call("ui_View.getMacroKey(3)").toString(), QStringLiteral("N"));
        QCOMPARE(f.call("ui_View.getMacroKey(4)").toString(), QStringLiteral("0"));
        QVERIFY(QFile::exists(macroFile(f, QStringLiteral("N"))));
        QVERIFY(QFile::exists(macroFile(f, QStringLiteral("Taken"))));
    }

    void deleted_macro_renumbers_other_profiles()
    {
        ViewFixture f;
        for (int p : {0, 3})
            f.view->settings().profile(p)->setValue(QStringLiteral("keydefine_Tarn/4"), QVariantList{9, 0, 3, 0});
        f.call("ui_View.ui_02H_SetCurrentProfile(3); ui_View.changeMacroFileIndex(3)");
        QCOMPARE(f.view->settings().profile(0)->value(QStringLiteral("keydefine_Tarn/4")).toStringList(),
                 QStringList({"1", "0", "243", "0"}));
        QCOMPARE(f.view->settings().profile(3)->value(QStringLiteral("keydefine_Tarn/4")).toStringList(),
                 QStringList({"9", "0", "3", "0"}));
    }

    void macro_data_reaches_the_slot()
    {
        ViewFixture f;
        QCOMPARE(f.call("ui_View.sendMacroData([0, 1, 1, 4, 0xFF, 4, 1, 300, 1, 5, 0, 0], 11)").toBool(), true);
        QStringList sent = ViewFixture::sentShortReports();
        QCOMPARE(sent.size(), 1);
        QVERIFY(sent.first().startsWith(QStringLiteral("00 05 00 0b 03")));
        vmouse::FirmwareState s = vmouse::firmwareState(f.unit);
        QCOMPARE(int(s.macros[11][4]), 0xFF);
        QCOMPARE(int(s.macros[11][7]), 300 & 0xFF);

        vmouse::clearTrace();
        QCOMPARE(f.call("ui_View.sendMacroData([0, 1], 12)").toBool(), true);
        QVERIFY(ViewFixture::sentShortReports().isEmpty());

        // Whatever the page's list length, one slot's worth goes out; a
        // shorter macro later clears what the longer one left.
        f.call("var a = []; for (var i = 0; i < 5000; ++i) a.push(i); ui_View.sendMacroData(a, 0)");
        s = vmouse::firmwareState(f.unit);
        QCOMPARE(int(s.macros[0][191]), 191);
        f.call("ui_View.sendMacroData([0, 2], 0)");
        s = vmouse::firmwareState(f.unit);
        QCOMPARE(int(s.macros[0][1]), 2);
        QCOMPARE(int(s.macros[0][191]), 0);
        QCOMPARE(vmouse::rejects(f.unit).total(), 0);
    }

    void guns_and_axis_levels()
    {
        ViewFixture f;
        QFile::remove(f.path("gun/gunData.bin"));
        QCOMPARE(f.call("ui_View.getGunData('Gun0').length").toInt(), 0);
        f.call("ui_View.saveGundata(['Gun0', 'L-Click', 10, 0, 0, 0])");
        QVERIFY(!QFile::exists(f.dir.filePath(QStringLiteral("gun/gunData.bin"))));  // never created here

        QDir().mkpath(f.dir.filePath(QStringLiteral("gun")));
        QFile(f.dir.filePath(QStringLiteral("gun/gunData.bin"))).open(QIODevice::WriteOnly);
        f.call("ui_View.saveGundata(['Gun0', 'L-Click', 5, -10, 127, 0])");
        f.call("ui_View.modifyGundata(1, ['Gun1', 'L-Click', 5, -10, 127, 2, 'Gun0'])");
        QCOMPARE(f.call("ui_View.getGunData('Gun1')").toStringList(), QStringList({"L-Click", "5", "-10", "127", "2"}));
        QCOMPARE(f.call("ui_View.getGunData('Gun0').length").toInt(), 0);

        QCOMPARE(f.call("ui_View.getselectGun(0)").toString(), QString());
        f.call("ui_View.setSelectGun(0, 'Gun1')");
        QCOMPARE(f.stored(QStringLiteral("selectGun/0")).toString(), QStringLiteral("Gun1"));

        QCOMPARE(f.call("ui_View.getXYSensitive(0) + ui_View.getXYSensitive(1)").toInt(), 8);
        f.call("ui_View.setXYSensitive(0, 5); ui_View.setXYSensitive(1, 9)");
        QCOMPARE(f.stored(QStringLiteral("XYSensitive/0")).toInt(), 5);
        vmouse::clearTrace();
        f.call("var x = ui_View.getXYSensitive(0), y = ui_View.getXYSensitive(1);"
               "ui_View.ui_0EH_SetXYSensitive((x + 1) * 20, (y + 1) * 20)");
        f.call("ui_View.ui_04H_SetGunData(0xF0, 3, 246, 129, 0)");
        QCOMPARE(ViewFixture::sentShortReports(),
                 QStringList({"00 0b 78 c8 00 00 00 00 b4", "00 04 f0 03 f6 81 00 00 91"}));
        const vmouse::FirmwareState s = vmouse::firmwareState(f.unit);
        QCOMPARE(int(s.axisX), 120);
        QCOMPARE(int(s.axisY), 200);
        QCOMPARE(int(s.gunData[2]), 246);
        QCOMPARE(vmouse::rejects(f.unit).total(), 0);
    }
};

QTEST_MAIN(ViewMacrosTest)
#include "tst_view_macros.moc"
