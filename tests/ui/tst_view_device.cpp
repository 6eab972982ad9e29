#include "ViewFixture.h"

class ViewDeviceTest : public QObject
{
    Q_OBJECT
private slots:
    void report_rate_is_stored_only_for_the_catalogued_mice()
    {
        ViewFixture f;
        // A third catalogue entry, another product on the same usages, makes the current device index 2.
        QVector<CatalogueRecord> records = readCatalogue(QString::fromLatin1(kCatalogueResource), {}).records;
        CatalogueRecord other = records.first();
        other.vid = 0x1234;
        other.pid = 0x5678;
        records << other;
        const int unit = vmouse::addUnit(0x1234, 0x5678);
        vmouse::addInterface(unit, 0xFF01, 1);
        vmouse::addInterface(unit, 0xFF02, 1);
        vmouse::unplug(f.unit);
        f.hid.scanDevices(records);
        QCOMPARE(f.hid.currentDevice(), 2u);
        const QVariant before = f.stored(QStringLiteral("sensor/reportRate_Tarn"));
        vmouse::clearTrace();
        f.run(QStringLiteral("ui_View.ui_01H_SetReportRate(2)"));
        QCOMPARE(ViewFixture::sentShortReports(), QStringList({QStringLiteral("00 01 02 03 03 0f 00 00 e7")}));
        QCOMPARE(f.stored(QStringLiteral("sensor/reportRate_Tarn")), before);
        QCOMPARE(f.run(QStringLiteral("ui_View.getKeydefine(3).length")).toInt(), 0);
    }

    void current_stage_is_asked_only_while_visible()
    {
        ViewFixture f;
        vmouse::setStage(f.unit, 4);
        vmouse::clearTrace();
        QCOMPARE(f.run(QStringLiteral("ui_View.ui_8BH_GetCurrentDPIStage()")).toInt(), 0);
        QVERIFY(vmouse::trace().empty());
        f.view->show();
        QCOMPARE(f.run(QStringLiteral("ui_View.ui_8BH_GetCurrentDPIStage()")).toInt(), 3);
        // Getters hand the page numbers it can compute with.
        QCOMPARE(f.run(QStringLiteral("ui_View.ui_81H_GetReportRate() + 1")).toInt(),
                 f.stored(QStringLiteral("sensor/reportRate_Tarn")).toInt() + 1);
    }

    void odd_page_values_do_not_break_anything()
    {
        ViewFixture f;
        f.run(QStringLiteral("ui_View.ui_11H_SetDPISet(0, [], [800], ['x'])"));
        f.run(QStringLiteral("ui_View.ui_LEDColor([1, 2, 3])"));
        QVariantList big;
        for (int i = 0; i < 1000; ++i)
            big << 300 + i;
        f.view->ui_LEDColor(big);
        f.view->mouseSetKeyMatrix(big);
        f.run(QStringLiteral("ui_View.mouseSetKeyMatrix(['a', null, 5])"));
        QCOMPARE(vmouse::rejects(f.unit).total(), 0);
        const vmouse::FirmwareState s = vmouse::firmwareState(f.unit);
        QCOMPARE(int(s.ledColours[0]), (300) & 0xFF);  // low byte of the long list's first value
        QCOMPARE(f.run(QStringLiteral("ui_View.ui_90H_GetLED8StageColor(9).length")).toInt(), 0);
    }

    void macro_goes_only_to_the_twelve_slots()
    {
        ViewFixture f;
        f.run(QStringLiteral("ui_View.createMacroIni('M', 0); ui_View.saveMacroIni('M', ['1,A', '2,A'], [], 2)"));
        f.run(QStringLiteral("ui_View.sendMacro(12, 'M')"));
        QVERIFY(ViewFixture::sentShortReports().isEmpty());
        f.run(QStringLiteral("ui_View.sendMacro(11, 'M')"));
        QCOMPARE(int(vmouse::firmwareState(f.unit).macros[11][1]), 2);
        QCOMPARE(vmouse::rejects(f.unit).total(), 0);
    }
};

QTEST_MAIN(ViewDeviceTest)
#include "tst_view_device.moc"
