#include "StageDpiTable.h"
#include "ViewFixture.h"

class ViewDeviceTest : public QObject
{
    Q_OBJECT
private slots:
    void page_values_reach_the_mouse_converted()
    {
        ViewFixture f;
        f.view->initUI(0);
        f.call(QStringLiteral("ui_View.ui_06H_SetRGBLedEffect(13, 0, 7, [13, 0, 7, 255, 0, 0])"));
        f.call(QStringLiteral("ui_View.ui_10H_SetLED8StageColor(2, [1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24])"));
        f.call(QStringLiteral("ui_View.ui_01H_SetReportRate(8)"));

        const vmouse::FirmwareState s = vmouse::firmwareState(f.unit);
        QCOMPARE(int(s.ledEffect), 13);
        QCOMPARE(int(s.ledOption1), 50);
        QCOMPARE(int(s.stageColours[0]), 0x21);
        QCOMPARE(int(s.stageColours[3]), 0x87);
        QCOMPARE(int(s.stageColours[4]), 0);  // type 2 sends only the packed bytes
        QCOMPARE(int(s.reportRate), 8);
        QCOMPARE(f.stored(QStringLiteral("sensor/reportRate_Tarn")).toInt(), 8);
        QCOMPARE(vmouse::rejects(f.unit).total(), 0);

        // Getters hand the page numbers it can compute with.
        QCOMPARE(f.call(QStringLiteral("ui_View.ui_8DH_GetRGBLedEffect()[2] + 1")).toInt(), 8);
        QCOMPARE(f.call(QStringLiteral("ui_View.ui_81H_GetReportRate() * 2")).toInt(), 16);
    }

    void report_rate_is_stored_only_for_the_catalogued_mice()
    {
        ViewFixture f;
        // A third catalogue entry makes the current device index 2.
        CatalogueRecord other;
        other.vid = 0x1234;
        other.pid = 0x5678;
        other.usagePage = 0xFF01;
        other.usage = 1;
        other.usagePage2 = 0xFF02;
        other.usage2 = 1;
        other.reportLength = 64;
        const int unit = vmouse::addUnit(0x1234, 0x5678);
        vmouse::addInterface(unit, 0xFF01, 1);
        vmouse::addInterface(unit, 0xFF02, 1);
        vmouse::unplug(f.unit);
        QVector<CatalogueRecord> records = readCatalogue(QString::fromLatin1(kCatalogueResource), {}).records;
        records << other;
        f.hid.scanDevices(records);
        QCOMPARE(f.hid.currentDevice(), 2u);
        const QVariant before = f.stored(QStringLiteral("sensor/reportRate_Tarn"));
        vmouse::clearTrace();
        f.call(QStringLiteral("ui_View.ui_01H_SetReportRate(2)"));
        QCOMPARE(ViewFixture::sentShortReports(), QStringList({QStringLiteral("00 01 02 03 03 0f 00 00 e7")}));
        QCOMPARE(f.stored(QStringLiteral("sensor/reportRate_Tarn")), before);
        QCOMPARE(f.call(QStringLiteral("ui_View.getKeydefine(3).length")).toInt(), 0);
    }

    void current_stage_is_asked_only_while_visible()
    {
        ViewFixture f;
        vmouse::setStage(f.unit, 4);
        vmouse::clearTrace();
        QCOMPARE(f.call(QStringLiteral("ui_View.ui_8BH_GetCurrentDPIStage()")).toInt(), 0);
        QVERIFY(vmouse::trace().empty());
        f.view->show();
        QCOMPARE(f.call(QStringLiteral("ui_View.ui_8BH_GetCurrentDPIStage()")).toInt(), 3);
    }

    void odd_page_values_do_not_break_anything()
    {
        ViewFixture f;
        f.call(QStringLiteral("ui_View.ui_11H_SetDPISet(0, [], [800], ['x'])"));
        f.call(QStringLiteral("ui_View.ui_LEDColor([1, 2, 3])"));
        QVariantList big;
        for (int i = 0; i < 1000; ++i)
            big << 300 + i;
        f.view->ui_LEDColor(big);
        f.view->mouseSetKeyMatrix(big);
        f.call(QStringLiteral("ui_View.mouseSetKeyMatrix(['a', null, 5])"));
        QCOMPARE(vmouse::rejects(f.unit).total(), 0);
        const vmouse::FirmwareState s = vmouse::firmwareState(f.unit);
        QCOMPARE(int(s.ledColours[0]), (300) & 0xFF);  // low byte of the long list's first value
        QCOMPARE(f.call(QStringLiteral("ui_View.ui_90H_GetLED8StageColor(9).length")).toInt(), 0);
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

};

QTEST_MAIN(ViewDeviceTest)
#include "tst_view_device.moc"
