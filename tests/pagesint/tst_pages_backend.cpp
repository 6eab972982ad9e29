// The button, macro, gun and axis pages of the root page against the real
// view and the virtual mouse: what they store in the files and what reaches
// the mouse.
#include "PagesFixture.h"

class PagesBackendTest : public QObject
{
    Q_OBJECT

    static QStringList shownEvents(PagesFixture &f)
    {
        return f.js(QStringLiteral("macroEditorMain.events().map(function (e) { return e.type + ',' + e.info })"))
            .toStringList();
    }

private slots:
    // Factory entries write mouse buttons and DPI steps with other kind bytes
    // than the menu: the guard and the labels go by the function.
    void left_click_guard_and_labels_know_every_encoding()
    {
        PagesFixture f;
        f.view->settings().currentProfile()->setValue(QStringLiteral("keydefine_Tarn/8"), QVariantList{9, 0, 3, 0});
        f.start();
        // A stored macro position is shown one lower and stored one higher again.
        QCOMPARE(f.js(QStringLiteral("keyMatrixMain.modKeys.get(8).keyCode2")).toInt(), 2);
        QCOMPARE(f.js(QStringLiteral("keyMatrixMain.modifyData(0, 0, 0, 0, 0)")).toBool(), false);
        f.js(QStringLiteral("mouseMain.selectKey = 0; keyMenuMain.menuCmd('00000000')"));
        QCOMPARE(PagesFixture::numbers(f.stored(QStringLiteral("keydefine_Tarn/0"))), QStringList({"1", "0", "240", "0"}));
        QCOMPARE(int(vmouse::firmwareState(f.unit).keyMatrix[1]), 0xF0);  // never sent off

        const QStringList labels{"Left Button", "Right Button", "Middle Button", "Forward", "Back", "DPI +", "DPI -"};
        for (int i = 0; i < labels.size(); ++i)
            QCOMPARE(f.js(QStringLiteral("keyMatrixMain.modKeys.get(%1).keyText").arg(i)).toString(), labels.at(i));

        // A second left click, in the menu's encoding, frees the first.
        QVERIFY(f.js(QStringLiteral("keyMatrixMain.modifyData(3, 2, 0, 0xF0, 0)")).toBool());
        QVERIFY(f.js(QStringLiteral("keyMatrixMain.modifyData(0, 0, 0, 0, 0)")).toBool());
        QVERIFY(!f.js(QStringLiteral("keyMatrixMain.modifyData(3, 8, 1, 0, 0)")).toBool());
        QVERIFY(!f.js(QStringLiteral("keyMatrixMain.modifyData(16, 0, 0, 0, 0)")).toBool());

        const QList<QPair<QString, QString>> texts{
            {"12, 240, 0, 0", "Fire Key"}, {"0x0C, 0x01, 0xF0, 0x02", "Double Click"}, {"3, 0, 0xAA, 0", ""},
            {"4, 0, 0x83, 1", "Media Player"}, {"1, 0, 4, 0", "Keyboard Key-A"}};
        for (const auto &t : texts)
            QCOMPARE(f.js(QStringLiteral("keyMatrixMain.keyCodetoText(%1)").arg(t.first)).toString(), t.second);

        // A menu entry is stored and sent (each matrix entry byte-reversed);
        // the menu's "off" gives the button back its factory function.
        f.js(QStringLiteral("mouseMain.selectKey = 4; keyMenuMain.menuCmd('08010000')"));
        QCOMPARE(PagesFixture::numbers(f.stored(QStringLiteral("keydefine_Tarn/4"))), QStringList({"8", "1", "0", "0"}));
        QCOMPARE(PagesFixture::numbers(f.stored(QStringLiteral("keydefine_Tarn/8"))), QStringList({"9", "0", "3", "0"}));
        QCOMPARE(f.js(QStringLiteral("keyMatrixMain.modKeys.get(4).keyText")).toString(), QStringLiteral("DPI +"));
        QCOMPARE(int(vmouse::firmwareState(f.unit).keyMatrix[19]), 8);
        QCOMPARE(f.js(QStringLiteral("mouseMain.selectKey")).toInt(), -1);
        f.js(QStringLiteral("mouseMain.selectKey = 4; keyMenuMain.choose({ action: 'default' })"));
        QCOMPARE(PagesFixture::numbers(f.stored(QStringLiteral("keydefine_Tarn/4"))), QStringList({"1", "0", "243", "0"}));
    }

    // Recording stops where the estimate reaches its limit; what it kept
    // fits the slot whole. A file edited by hand past the budget (its cut on
    // the wire is the every-path test's) can still be shortened in the editor.
    void recording_stops_at_the_limit_and_a_longer_file_can_shrink()
    {
        PagesFixture f;
        f.start();
        f.makeMacro(QString());
        f.js(QStringLiteral("macroEditorMain.startRecord(); for (var i = 0; i < 100; ++i) {"
                            " macroEditorMain.detectKeyboard(true, 4); macroEditorMain.detectKeyboard(false, 4) }"));
        QVERIFY(f.js(QStringLiteral("macroEditorMain.sequenceModel.count")).toInt() < 200);
        QCOMPARE(f.js(QStringLiteral("macroEditorMain.sizeEstimate()")).toInt(),
                 f.js(QStringLiteral("macroEditorMain.recordLimit")).toInt());
        QVERIFY(f.js(QStringLiteral("macroEditorMain.encodedSize(macroEditorMain.events(), 1)")).toInt() <= 128);
        f.js(QStringLiteral("macroEditorMain.stopRecord()"));

        // Insert mode takes keyboard keys only.
        f.js(QStringLiteral("macroEditorMain.openInsertKeys(); macroEditorMain.detectInput(true, 0xF0)"));
        QCOMPARE(f.js(QStringLiteral("macroEditorMain.insertName")).toString(), QString());
        f.js(QStringLiteral("macroEditorMain.detectInput(true, 0x2C)"));
        QCOMPARE(f.js(QStringLiteral("macroEditorMain.insertName")).toString(), QStringLiteral("Space"));
        f.js(QStringLiteral("macroEditorMain.acceptInsertKeys()"));

        QStringList events;
        for (int i = 0; i < 40; ++i)
            events << "'1,A'" << "'2,A'";
        const QString longer = f.makeMacro(events.join(QStringLiteral(", ")));
        f.js(QStringLiteral("macroEditorMain.selectMacro(1); macroEditorMain.currentEvent = 0; macroEditorMain.deleteEvent()"));
        QCOMPARE(f.js(QStringLiteral("ui_View.loadMacroIni('%1')").arg(longer)).toStringList().size(), 80);
    }

    void macro_key_assigns_with_play_mode_and_fills_the_slot()
    {
        PagesFixture f;
        f.start();
        f.makeMacro(QStringLiteral("'1,A', '0,200', '2,A', '1,B', '2,B'"));
        f.makeMacro(QString());

        // A macro without events cannot be assigned.
        f.assignMacro(3, 1);
        QVERIFY(f.js(QStringLiteral("macroKeyMain.nullMacro")).toBool());
        QVERIFY(f.js(QStringLiteral("macroKeyMain.visible")).toBool());

        f.js(QStringLiteral("macroKeyMain.choose(0); macroKeyMain.playMode = 1; macroKeyMain.accept()"));
        QVERIFY(!f.js(QStringLiteral("macroKeyMain.visible")).toBool());
        QCOMPARE(PagesFixture::numbers(f.stored(QStringLiteral("keydefine_Tarn/3"))), QStringList({"10", "0", "2", "3"}));
        QCOMPARE(f.js(QStringLiteral("keyMatrixMain.modKeys.get(3).keyText")).toString(), QStringLiteral("Macro: Macro_0"));
    }

    void deleting_the_third_macro_renumbers_the_rest_and_resets_its_button()
    {
        PagesFixture f;
        // Profile 2 plays the third and fourth macro by list position.
        f.profile(1)->setValue(QStringLiteral("keydefine_Tarn/0"), QVariantList{9, 0, 3, 0});
        f.profile(1)->setValue(QStringLiteral("keydefine_Tarn/1"), QVariantList{9, 0, 4, 0});
        f.start();
        for (int i = 0; i < 4; ++i)
            f.makeMacro(QStringLiteral("'1,A', '2,A'"));
        // Button 5 of the current profile plays it from its slot.
        f.assignMacro(5, 2);
        QCOMPARE(PagesFixture::numbers(f.stored(QStringLiteral("keydefine_Tarn/5"))), QStringList({"10", "0", "1", "5"}));
        f.js(QStringLiteral("macroEditorMain.selectMacro(2); macroEditorMain.deleteMacro()"));
        QCOMPARE(PagesFixture::numbers(f.stored(QStringLiteral("keydefine_Tarn/5"))), QStringList({"7", "0", "1", "0"}));

        QCOMPARE(PagesFixture::numbers(f.stored(1, QStringLiteral("keydefine_Tarn/0"))), QStringList({"1", "0", "240", "0"}));
        QCOMPARE(PagesFixture::numbers(f.stored(1, QStringLiteral("keydefine_Tarn/1"))), QStringList({"9", "0", "3", "0"}));
        QCOMPARE(f.fileValue("setting/name.bin", QStringLiteral("macro/macroName")).toStringList(),
                 QStringList({"Macro_0", "Macro_1", "Macro_3"}));
        QCOMPARE(f.fileValue("macro/Macro_3.bin", QStringLiteral("config/index")).toInt(), 2);
        QVERIFY(!QFile::exists(f.path("macro/Macro_2.bin")));
        QCOMPARE(f.js(QStringLiteral("macroEditorMain.currentName()")).toString(), QStringLiteral("Macro_3"));
    }

    void renaming_a_played_macro_renames_the_buttons()
    {
        PagesFixture f;
        f.start();
        f.makeMacro(QStringLiteral("'1,A', '2,A'"));
        f.makeMacro(QStringLiteral("'1,B', '2,B'"));
        f.assignMacro(3, 0);
        f.assignMacro(4, 0);

        // Taken and unusable names are dropped.
        QVERIFY(!f.js(QStringLiteral("macroEditorMain.renameMacro(0, 'Macro_1')")).toBool());
        QVERIFY(!f.js(QStringLiteral("macroEditorMain.renameMacro(0, '../setting/p1')")).toBool());
        QVERIFY(f.js(QStringLiteral("macroEditorMain.renameMacro(0, 'Jump')")).toBool());

        QCOMPARE(f.js(QStringLiteral("keyMatrixMain.modKeys.get(3).keyText")).toString(), QStringLiteral("Macro: Jump"));
        QCOMPARE(f.js(QStringLiteral("keyMatrixMain.modKeys.get(4).keyText")).toString(), QStringLiteral("Macro: Jump"));
        QCOMPARE(f.stored(QStringLiteral("macro/3")).toString(), QStringLiteral("Jump"));
        QCOMPARE(f.fileValue("setting/name.bin", QStringLiteral("macro/macroName")).toStringList(),
                 QStringList({"Jump", "Macro_1"}));
        QVERIFY(QFile::exists(f.path("macro/Jump.bin")));
    }

    // Raising pauses takes their long form, two bytes each: the edit that
    // would pass what the mouse plays in full is refused, as inserts are.
    void every_edit_keeps_the_macro_within_its_budget()
    {
        PagesFixture f;
        f.start();
        QStringList events;
        for (int i = 0; i < 30; ++i)
            events << "'1,A'" << "'0,10'" << "'2,A'";
        f.makeMacro(events.join(QStringLiteral(", ")));
        f.assignMacro(3, 0);
        f.js(QStringLiteral("macroEditorMain.selectMacro(0)"));
        QCOMPARE(f.slotLength(3), 124);
        f.js(QStringLiteral("macroEditorMain.setDelay(1, '1000'); macroEditorMain.setDelay(4, '1000')"));
        QCOMPARE(f.slotLength(3), 128);
        f.js(QStringLiteral("macroEditorMain.setDelay(7, '1000')"));
        QCOMPARE(f.slotLength(3), 128);
        QCOMPARE(shownEvents(f).at(7), QStringLiteral("0,10"));
        f.js(QStringLiteral("macroEditorMain.currentEvent = 9; macroEditorMain.insertDelay();"
                             " macroEditorMain.insertClick('MS-L'); macroEditorMain.openInsertKeys();"
                             " macroEditorMain.detectInput(true, 5); macroEditorMain.acceptInsertKeys()"));
        QCOMPARE(shownEvents(f).size(), 90);
        QCOMPARE(f.slotLength(3), 128);

        // Deleting frees room that inserts then take, up to the budget again.
        f.js(QStringLiteral("macroEditorMain.currentEvent = 4; macroEditorMain.deleteEvent();"
                             " macroEditorMain.currentEvent = 1; macroEditorMain.deleteEvent()"));
        QCOMPARE(f.slotLength(3), 124);
        f.js(QStringLiteral("macroEditorMain.currentEvent = 5; macroEditorMain.insertClick('MS-R');"
                             " macroEditorMain.setLoopsTimer(true); macroEditorMain.commitLoops('300')"));
        QCOMPARE(f.slotLength(3), 128);
        QCOMPARE(f.slotStart(3, 2), QList<int>({1, 44}));
        QCOMPARE(f.js(QStringLiteral("ui_View.loadMacroIni('Macro_0')")).toStringList().mid(0, 90), shownEvents(f));
    }

    // A button of another profile that plays the edited macro keeps the slot of this profile's button.
    void editing_a_macro_sends_only_to_this_profiles_buttons()
    {
        PagesFixture f;
        f.profile(1)->setValue(QStringLiteral("macro/5"), QStringLiteral("Macro_0"));
        f.profile(1)->setValue(QStringLiteral("keydefine_Tarn/5"), QVariantList{10, 0, 1, 5});
        f.start();
        f.makeMacro(QStringLiteral("'1,A', '2,A'"));
        f.makeMacro(QStringLiteral("'1,B', '2,B'"));
        f.assignMacro(5, 1);
        f.assignMacro(3, 0);
        f.js(QStringLiteral("macroEditorMain.selectMacro(0); macroEditorMain.currentEvent = 1;"
                             " macroEditorMain.insertClick('MS-L')"));
        QCOMPARE(f.slotStart(3, 12), QList<int>({0, 1, 0x01, 0x04, 0x81, 0x04, 0x01, 0xF0, 0x81, 0xF0, 0x00, 0x00}));
        QCOMPARE(f.slotStart(5, 8), QList<int>({0, 1, 0x01, 0x05, 0x81, 0x05, 0x00, 0x00}));
    }

    // Until a recording stops nothing is saved or sent; cancelling it brings back the macro as it was.
    void a_recording_saves_nothing_and_cancel_restores_the_macro()
    {
        PagesFixture f;
        f.start();
        f.makeMacro(QStringLiteral("'1,A', '2,A'"));
        f.assignMacro(3, 0);
        const QList<int> sent = f.slotStart(3, 8);
        f.js(QStringLiteral("macroEditorMain.selectMacro(0); macroEditorMain.startRecord();"
                             " macroEditorMain.detectKeyboard(true, 5); macroEditorMain.detectKeyboard(false, 5);"
                             " macroEditorMain.detectKeyboard(true, 6)"));
        f.js(QStringLiteral("macroEditorMain.currentEvent = 0; macroEditorMain.deleteEvent();"
                             " macroEditorMain.setLoopsTimer(true); macroEditorMain.commitLoops('7');"
                             " macroEditorMain.setLoopsTimer(false)"));
        QCOMPARE(f.js(QStringLiteral("ui_View.loadMacroIni('Macro_0')")).toStringList(), QStringList({"1,A", "2,A", "1"}));
        QCOMPARE(f.slotStart(3, 8), sent);
        f.js(QStringLiteral("macroEditorMain.commitLoops('7'); macroEditorMain.closeRequest();"
                             " macroEditorMain.discardRecord()"));
        QCOMPARE(shownEvents(f), QStringList({"1,A", "2,A"}));
        QCOMPARE(f.js(QStringLiteral("macroEditorMain.loopCount")).toString(), QStringLiteral("1"));
        QCOMPARE(f.js(QStringLiteral("ui_View.loadMacroIni('Macro_0')")).toStringList(), QStringList({"1,A", "2,A", "1"}));
        QCOMPARE(f.slotStart(3, 8), sent);
    }

    void sending_another_macro_keeps_the_editors_loop_count()
    {
        PagesFixture f;
        f.start();
        f.makeMacro(QStringLiteral("'1,A', '2,A'"));
        f.makeMacro(QStringLiteral("'1,B', '2,B'"));
        f.js(QStringLiteral("ui_View.saveMacroIni('Macro_1', ['1,B', '2,B'], [], 9)"));
        f.js(QStringLiteral("macroEditorMain.selectMacro(0); macroEditorMain.sendMacro(7, 'Macro_1')"));
        QCOMPARE(f.js(QStringLiteral("macroEditorMain.loopCount")).toString(), QStringLiteral("1"));
        QCOMPARE(f.slotStart(7, 4), QList<int>({0, 9, 0x01, 0x05}));
        // A macro that has no file sends nothing.
        f.js(QStringLiteral("macroEditorMain.sendMacro(8, 'Missing')"));
        QCOMPARE(f.slotStart(8, 2), QList<int>({0, 0}));
    }

    void axis_slider_click_stores_both_and_sends_both()
    {
        PagesFixture f;
        f.view->settings().currentProfile()->setValue(QStringLiteral("XYSensitive/0"), 4);
        f.view->settings().currentProfile()->setValue(QStringLiteral("XYSensitive/1"), 7);
        f.start();
        vmouse::clearTrace();
        const QPointF track = f.js(QStringLiteral("var p = xySettingMain.mapToItem(mainIten, 10, 18 + 6 + 18);"
                                                   " Qt.point(p.x, p.y)")).toPointF();
        // Level 5 starts at 116 on the track.
        QTest::mouseClick(f.view.get(), Qt::LeftButton, {}, QPoint(int(track.x()) + 120, int(track.y()) + 10));
        QCOMPARE(f.stored(QStringLiteral("XYSensitive/0")).toInt(), 5);
        QCOMPARE(f.stored(QStringLiteral("XYSensitive/1")).toInt(), 7);
        const vmouse::FirmwareState s = vmouse::firmwareState(f.unit);
        QCOMPARE(int(s.axisX), 120);
        QCOMPARE(int(s.axisY), 160);
        // The same level again sends nothing.
        vmouse::clearTrace();
        QTest::mouseClick(f.view.get(), Qt::LeftButton, {}, QPoint(int(track.x()) + 130, int(track.y()) + 10));
        QVERIFY(vmouse::trace().empty());
    }

    void new_gun_is_saved_with_y_zero_until_ok()
    {
        PagesFixture f;
        f.start();
        const int before = f.js(QStringLiteral("gunControlMain.gunModel.count")).toInt();
        const QString name = f.js(QStringLiteral("gunControlMain.newGun()")).toString();
        QVERIFY(!name.isEmpty());
        QCOMPARE(f.js(QStringLiteral("gunControlMain.current.gunY")).toInt(), -10);
        const QString key = QStringLiteral("gunData/") + name;
        QCOMPARE(f.fileValue("gun/gunData.bin", key).toStringList(), QStringList({"L-Click", "10", "0", "0", "0"}));

        f.js(QStringLiteral("gunControlMain.setField('gunX', 5); gunControlMain.accept()"));
        QCOMPARE(f.fileValue("gun/gunData.bin", key).toStringList(), QStringList({"L-Click", "10", "5", "-10", "0"}));
        QCOMPARE(f.js(QStringLiteral("gunControlMain.gunModel.count")).toInt(), before + 1);
        // Nothing puts the window in send mode: no gun reaches the mouse.
        QCOMPARE(int(vmouse::firmwareState(f.unit).gunData[0]), 0);
        // Sent, the gun fires from the left button with its deviations.
        f.js(QStringLiteral("gunControlMain.sendGun(gunControlMain.current)"));
        QTRY_COMPARE(int(vmouse::firmwareState(f.unit).keyMatrix[0]), 0x0B);
        QCOMPARE(int(vmouse::firmwareState(f.unit).keyMatrix[2]), 10);
        const auto gun = vmouse::firmwareState(f.unit).gunData;
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(gun.data()), 5), QByteArray("\xF0\x00\x05\xF6\x00", 5));

        QVERIFY(f.js(QStringLiteral("gunControlMain.renameGun(gunControlMain.currentGun, 'Burst')")).toBool());
        QVERIFY(!f.fileValue("gun/gunData.bin", key).isValid());
        QCOMPARE(f.fileValue("gun/gunData.bin", QStringLiteral("gunData/Burst")).toStringList(),
                 QStringList({"L-Click", "10", "5", "-10", "0"}));
        f.js(QStringLiteral("gunControlMain.deleteGun()"));
        QVERIFY(!f.fileValue("gun/gunData.bin", QStringLiteral("gunData/Burst")).isValid());
    }
};

QTEST_MAIN(PagesBackendTest)
#include "tst_pages_backend.moc"
