// The root page against a profile whose every stored value differs from the
// shipped ones: what the panels show at start, what the mouse holds after a
// switch to it, and what a restart brings back; then rules that hold over
// any sequence of clicks on the stage toggles and the profile list.
#include "MainPageFixture.h"

namespace {

const QStringList kUnusualDpi = {"500", "1100", "1700", "2300", "2900", "3500", "4100", "4700"};
// The hidden stages off: the shown toggles are then all the mouse can switch to.
const QStringList kUnusualSelect = {"0", "1", "0", "1", "1", "0", "0", "0"};
const QStringList kUnusualStageColours = {"16", "32", "48", "64",  "80",  "96",  "112", "128",
                                          "144", "160", "176", "192", "208", "224", "240", "1",
                                          "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9"};

// The keys the panels show and send, none at its shipped value (of the buttons, the third only).
void writeUnusualProfile(QSettings *p)
{
    p->setValue(QStringLiteral("sensor/dpi_Tarn"), kUnusualDpi);
    p->setValue(QStringLiteral("sensor/dpi_Select"), kUnusualSelect);
    p->setValue(QStringLiteral("sensor/reportRate_Tarn"), 4);
    p->setValue(QStringLiteral("color_Tarn/ledEffect"), QStringList({"2", "0", "1", "10", "20", "30"}));
    p->setValue(QStringLiteral("color_Tarn/type0"), QStringList(kUnusualStageColours.mid(3) + kUnusualStageColours.mid(0, 3)));
    p->setValue(QStringLiteral("color_Tarn/type1"), kUnusualStageColours);
    p->setValue(QStringLiteral("keydefine_Tarn/2"), QStringList({"1", "0", "4", "0"}));
    p->setValue(QStringLiteral("XYSensitive/0"), 7);
    p->setValue(QStringLiteral("XYSensitive/1"), 2);
    p->setValue(QStringLiteral("sensor/cursorSpeed_Tarn"), 9);
    p->setValue(QStringLiteral("sensor/doubleClickSpeed_Tarn"), 3);
    p->setValue(QStringLiteral("sensor/verticalScrollLines_Tarn"), 12);
    p->sync();
}

QString hexOf(const QStringList &numbers)
{
    QByteArray bytes;
    for (const QString &n : numbers)
        bytes.append(char(n.toInt()));
    return bytes.toHex(' ');
}

// The page in a view that can be closed and opened again on the same
// settings folder and the same mouse, as when the program restarts.
struct RestartingPage : MainPageFixture {
    void restart()
    {
        view.reset();  // writes the settings back, as the program does at exit
        openView();
        showPage();
        start();
    }

    // Items by name through the visual tree, which holds the repeated ones too.
    static QQuickItem *find(QQuickItem *from, const QString &name)
    {
        for (QQuickItem *child : from->childItems()) {
            if (child->objectName() == name)
                return child;
            if (QQuickItem *found = find(child, name))
                return found;
        }
        return nullptr;
    }
    QQuickItem *item(const QString &name) const { return find(root(), name); }

    void click(QQuickItem *target, QPointF at = QPointF(-1, -1))
    {
        QVERIFY(target && target->isVisible());
        if (at.x() < 0)
            at = QPointF(target->width() / 2, target->height() / 2);
        QTest::mouseClick(view.get(), Qt::LeftButton, {}, target->mapToScene(at).toPoint());
        QCoreApplication::processEvents();
    }

    QQuickItem *stagePart(int stage, const char *part) const
    {
        return find(item(QStringLiteral("dpiStage%1").arg(stage)), QLatin1String(part));
    }

    void clickProfileRow(int row) { click(item(QStringLiteral("profileList")), QPointF(20, 18 * row + 9)); }
    void openProfiles() { if (!item(QStringLiteral("profileMain"))->isVisible()) click(item(QStringLiteral("profileBtn"))); }
    void closeProfiles() { click(item(QStringLiteral("profileClose"))); }
    // A row picked in the manager, which then closes.
    void chooseProfileRow(int row) { openProfiles(); clickProfileRow(row); closeProfiles(); }

    // A property of the six shown stages as stored text: values, or toggles as 0 and 1.
    QStringList shownStages(const char *property)
    {
        QStringList out;
        for (int s = 0; s < 6; ++s) {
            const QVariant v = item(QStringLiteral("dpiStage%1").arg(s))->property(property);
            out << (v.userType() == QMetaType::Bool ? QString::number(v.toBool()) : v.toString());
        }
        return out;
    }
    QStringList shownDpi() { return shownStages("value"); }
    QStringList shownToggles() { return shownStages("enabledStage"); }

    QString shownStageColours()
    {
        QStringList out;
        for (int s = 0; s < 6; ++s) {
            const QColor c = stagePart(s, "dpiColour")->property("color").value<QColor>();
            out << QString::number(c.red()) << QString::number(c.green()) << QString::number(c.blue());
        }
        return hexOf(out);
    }

    int highlightedProfile()
    {
        return js(QStringLiteral("profileMain.profileModel.get(profileMain.currentRow).pIndex")).toInt();
    }

    int storedStartProfile()
    {
        appConfig()->sync();
        return QSettings(path("setting/apConfig.bin"), QSettings::IniFormat).value(QStringLiteral("Tarn/profileNo")).toInt();
    }

    void expectPanelsShowUnusual()
    {
        QCOMPARE(shownDpi(), kUnusualDpi.mid(0, 6));
        QCOMPARE(shownToggles(), kUnusualSelect.mid(0, 6));
        QCOMPARE(shownStageColours(), hexOf(kUnusualStageColours.mid(0, 18)));
        // Rate, effect, level, button 2, axes, pointer speed, double-click speed, scroll lines.
        QCOMPARE(js(QStringLiteral("[reprotRateMain.reportValue, lightControlMain.effect, lightControlMain.level,"
                                   " keyMatrixMain.modKeys.get(2).keyText, xySettingMain.levelX, xySettingMain.levelY,"
                                   " mouseRateMain.mouseRateValue, doubleRateMain.doubleRateValue, scrollRateMain.lines]"
                                   ".join(' | ')")).toString(),
                 QStringLiteral("4 | 2 | 1 | Keyboard Key-A | 7 | 2 | 9 | 3 | 12"));
    }

    void expectMouseHoldsUnusual()
    {
        const vmouse::FirmwareState s = vmouse::firmwareState(unit);
        QCOMPARE(hex(s.stageCodes), QStringLiteral("0a 16 22 2e 3a 46 52 5e"));
        QCOMPARE(int(s.stageMask), 0x1A);
        QCOMPARE(hex(s.stageColours), hexOf(kUnusualStageColours));
        QCOMPARE(int(s.reportRate), 4);
        QCOMPARE(int(s.ledEffect), 2);
        QCOMPARE(hex(s.keyMatrix, 8, 4), QStringLiteral("00 04 00 01"));
        QVERIFY(s.axisX > s.axisY);
        QCOMPARE(vmouse::rejects(unit).total(), 0);
    }
};

} // namespace

class StoredProfileTest : public QObject
{
    Q_OBJECT
private slots:
    void unusual_profile_at_start_after_a_switch_and_after_a_restart()
    {
        RestartingPage f;
        writeUnusualProfile(f.profile(2));
        QSettings(f.path("setting/name.bin"), QSettings::IniFormat)
            .setValue(QStringLiteral("profile/profileName"), QStringList({"Standard0", "Unusual2"}));
        f.appConfig()->setValue(QStringLiteral("Tarn/profileNo"), 2);

        // At start the panels show the start profile; nothing goes to the mouse.
        f.start();
        f.expectPanelsShowUnusual();
        QVERIFY(f.sentShortReports().isEmpty());

        // Away and back by clicks: once the manager closes, the mouse holds it.
        f.chooseProfileRow(0);
        QCOMPARE(f.shownDpi().first(), QStringLiteral("400"));
        QCOMPARE(f.storedStartProfile(), 0);
        f.chooseProfileRow(1);
        f.expectPanelsShowUnusual();
        f.expectMouseHoldsUnusual();
        QCOMPARE(f.storedStartProfile(), 2);

        // A restart starts with the profile chosen last, whichever it is.
        f.restart();
        f.expectPanelsShowUnusual();
        QCOMPARE(f.highlightedProfile(), 2);
        f.chooseProfileRow(0);
        f.restart();
        QCOMPARE(f.highlightedProfile(), 0);
        QCOMPARE(f.shownStageColours(), QStringLiteral("ff 00 00 00 00 ff 00 ff 00 ff ff 00 00 ff ff ff 00 ff"));
        QCOMPARE(f.js(QStringLiteral("reprotRateMain.reportValue")).toInt(), 1);
    }

    // Clicks that mostly switch enabled stages off: the last one stays on,
    // and the mouse always holds what the toggles show.
    void stage_toggles_never_leave_the_mouse_without_a_stage()
    {
        RestartingPage f;
        writeUnusualProfile(f.profile(0));
        f.start();
        f.js(QStringLiteral("dpiSettingMain.init(true)"));
        QRandomGenerator random(27);
        for (int click = 0; click < 14; ++click) {
            const QStringList before = f.shownToggles();
            QList<int> on, off;
            for (int s = 0; s < 6; ++s)
                (before.at(s) == QLatin1String("1") ? on : off) << s;
            const QList<int> &pool = off.isEmpty() || (!on.isEmpty() && random.bounded(4) != 0) ? on : off;
            const int stage = pool.at(random.bounded(pool.size()));
            f.click(f.stagePart(stage, "dpiToggle"));
            const QStringList shown = f.shownToggles();
            const int mask = vmouse::firmwareState(f.unit).stageMask;
            QVERIFY2(shown.contains(QLatin1String("1")) && mask != 0, qPrintable(QStringLiteral("click %1").arg(click)));
            QStringList held;
            for (int s = 0; s < 6; ++s)
                held << QString::number((mask >> s) & 1);
            QCOMPARE(held, shown);
        }
        QCOMPARE(f.stored(0, QStringLiteral("sensor/dpi_Select")).toStringList().mid(0, 6), f.shownToggles());
    }

    // Whatever the user clicks in the profile manager, the profile
    // highlighted is the one in use and the one the next start takes.
    void start_profile_follows_every_choice()
    {
        RestartingPage f;
        f.start();
        f.openProfiles();
        QRandomGenerator random(6);
        for (int step = 0; step < 14; ++step) {
            const int rows = f.js(QStringLiteral("profileMain.profileModel.count")).toInt();
            switch (random.bounded(6)) {
            case 0: f.click(f.item(QStringLiteral("profileNew"))); break;
            case 1: f.click(f.item(QStringLiteral("profileDelete"))); break;
            case 2: f.closeProfiles(); f.openProfiles(); break;
            default: f.clickProfileRow(random.bounded(rows)); break;
            }
            const QString where = QStringLiteral("step %1").arg(step);
            QVERIFY2(f.storedStartProfile() == f.highlightedProfile(), qPrintable(where));
            QVERIFY2(f.view->settings().currentProfileIndex() == f.highlightedProfile(), qPrintable(where));
        }
        f.closeProfiles();
        const int chosen = f.highlightedProfile();
        f.restart();
        QCOMPARE(f.highlightedProfile(), chosen);
        QCOMPARE(f.view->settings().currentProfileIndex(), chosen);
    }
};

QTEST_MAIN(StoredProfileTest)
#include "tst_stored_profile.moc"
