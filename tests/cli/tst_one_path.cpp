// Every way to the mouse sends the same bytes: a click in the button page,
// a switch in the profile manager, --profile and --import without a window
// and handed to the running program. Macros of every shape land in their
// slots with the end marker within 128 bytes; damaged profiles send the
// factory values and keep their files as they were.
#include "EveryPath.h"
#include "KeyEvents.h"

#include "MacroEncoding.h"
#include "MacroFiles.h"
#include "MacroSlots.h"

namespace {

constexpr int kPlayedBytes = 128;
constexpr int kMacroCommand = 0x05;

struct CorpusMacro { const char *label; QStringList events; };

QVector<CorpusMacro> macroCorpus()
{
    return {
        {"63 events", keyEvents(63)}, {"64 events", keyEvents(64)}, {"65 events", keyEvents(65)},
        {"126 ms gap", {"1,A", "0,126", "2,A", "1,B", "0,126", "2,B"}},
        {"127 ms gap", {"1,A", "0,127", "2,A", "1,B", "0,127", "2,B"}},
        {"gap past 65535 ms", {"1,A", "0,70000", "2,A", "1,B", "0,99999", "2,B"}}, {"80 events", keyEvents(80)},
        {"100 events 200 ms apart", keyEvents(100, 200)}, {"4096 events", keyEvents(4096)},
        {"delays only", {"0,10", "0,200", "0,70000"}},
        {"presses without releases", {"1,A", "1,B", "0,300", "1,C", "3,MS-L", "3,MS-R"}},
        // An import refuses a file carrying garbled events: this round goes by the other paths only.
        {"0 events", {}}, {"1 event", {"1,A"}},
        {"garbled lines", {"1,A", "garbage", "", "7,Q", "0,abc", ",", "2,A", "1,", "2,B"}},
    };
}

// What a profile send leaves in the mouse, macros aside.
QString settingsOf(const vmouse::FirmwareState &s)
{
    const auto hex = [](const auto &bytes) { return MainPageFixture::hex(bytes); };
    return QStringLiteral("rate %1 led %2 %3 %4 %5 stage %6 mask %7 codes %8 high %9 axis %10 %11\n"
                          "colours %12\nstage colours %13\nmatrix %14")
        .arg(s.reportRate).arg(s.ledEffect).arg(s.ledColourValue).arg(s.ledOption1).arg(s.ledOption2)
        .arg(s.currentStage).arg(s.stageMask).arg(hex(s.stageCodes)).arg(s.highRangeMask)
        .arg(s.axisX).arg(s.axisY).arg(hex(s.ledColours)).arg(hex(s.stageColours)).arg(hex(s.keyMatrix));
}

void done(const cli::Reply &reply)
{
    QVERIFY2(reply.status == cli::kDone, qPrintable(reply.err));
}

QStringList g_lines;
void keepLines(QtMsgType, const QMessageLogContext &, const QString &message)
{
    g_lines << message;
}

} // namespace

class OnePathTest : public QObject
{
    Q_OBJECT

    // How often each slot was written since the trace was cleared.
    static QMap<int, int> slotWrites()
    {
        QMap<int, int> out;
        for (const vmouse::CallRecord &c : vmouse::trace())
            if (c.call == vmouse::Call::SendFeature && c.bytes.size() > 3 && c.bytes[1] == kMacroCommand)
                ++out[c.bytes[3]];
        return out;
    }

private slots:
    void macros_reach_their_slots_alike_on_every_path()
    {
        EveryPath f;
        f.start();
        QVERIFY(f.js(QStringLiteral("profileMain.newProfile()")).toBool());
        const QVector<CorpusMacro> corpus = macroCorpus();
        MacroFiles files(f.path("macro/"));
        // Buttons 1 .. 11 play a macro each, in profiles 1 and 2 alike.
        constexpr int kFirstButton = 1;
        constexpr int kButtons = 11;
        const QString click = QStringLiteral("button page");
        const QStringList imports{QStringLiteral("--import, window"), QStringLiteral("--import, alone")};
        for (int first = 0; first < corpus.size(); first += kButtons) {
            QMap<int, QString> names;  // button -> macro
            QMap<int, int> listPosition;
            bool refusedByImport = false;
            for (int b = kFirstButton; b < kFirstButton + kButtons; ++b) {
                for (int p = 0; p < 2; ++p) {
                    f.profile(p)->setValue(QStringLiteral("keydefine_Tarn/%1").arg(b), f.view->factoryButton(b));
                    f.profile(p)->setValue(QStringLiteral("macro/%1").arg(b), 0);
                }
                if (first + b - kFirstButton >= corpus.size())
                    continue;
                const CorpusMacro &m = corpus.at(first + b - kFirstButton);
                refusedByImport = refusedByImport || QByteArray(m.label) == "garbled lines";
                listPosition[b] = f.js(QStringLiteral("macroEditorMain.macroListModel.count")).toInt();
                names[b] = f.js(QStringLiteral("macroEditorMain.newMacro()")).toString();
                QVERIFY(files.save(names[b], m.events, 1));
                for (int p = 0; p < 2; ++p) {
                    f.profile(p)->setValue(QStringLiteral("keydefine_Tarn/%1").arg(b), QVariantList{10, 0, 1, b});
                    f.profile(p)->setValue(QStringLiteral("macro/%1").arg(b), names[b]);
                }
            }
            f.js(QStringLiteral("keyMatrixMain.init()"));
            const QString pf = f.path("every.pf");
            done(f.inWindow({"--export", "2", pf}));
            auto imported = [refusedByImport](const cli::Reply &reply) {
                if (refusedByImport)
                    QCOMPARE(reply.status, int(cli::kBadInput));
                else
                    done(reply);
            };

            QMap<QString, QMap<int, QByteArray>> sent;  // path -> button -> slot, when written once
            QMap<QString, QStringList> said;
            auto record = [&](const QString &path, const std::function<void()> &send) {
                f.settle();
                vmouse::clearTrace();
                g_lines.clear();
                const QtMessageHandler before = qInstallMessageHandler(keepLines);
                send();
                f.settle();
                qInstallMessageHandler(before);
                said[path] = g_lines.filter(QStringLiteral("Macro too long"));
                const QMap<int, int> writes = slotWrites();
                for (int b : names.keys())
                    if (writes.value(b) == 1)
                        sent[path][b] = f.slotBytes(b);
            };
            record(click, [&] {
                for (int b : names.keys())
                    f.assignMacro(b, listPosition[b]);
            });
            record(QStringLiteral("profile manager"), [&] { f.chooseInProfileManager(1); });
            record(QStringLiteral("--profile, window"), [&] { done(f.inWindow({"--profile", "1"})); });
            record(imports[0], [&] { imported(f.inWindow({"--import", "1", pf})); });
            record(QStringLiteral("--profile, alone"), [&] { done(f.alone({"--profile", "2"})); });
            record(imports[1], [&] { imported(f.alone({"--import", "1", pf})); });

            for (int b : names.keys()) {
                const CorpusMacro &m = corpus.at(first + b - kFirstButton);
                const QByteArray expected = sent.value(QStringLiteral("profile manager")).value(b);
                const int length = EveryPath::playedLength(expected);
                QVERIFY2(length > 0 && length <= kPlayedBytes, m.label);
                const bool cut = encodeMacro(macroFromEvents(m.events, 1)).size() > kPlayedBytes;
                for (auto path = said.cbegin(); path != said.cend(); ++path) {
                    // An empty macro cannot be chosen in the button page.
                    if ((m.events.isEmpty() && path.key() == click) || (refusedByImport && imports.contains(path.key())))
                        continue;
                    const QString where = path.key() + QLatin1String(": ") + QLatin1String(m.label);
                    QVERIFY2(sent.value(path.key()).value(b) == expected, qPrintable(where));
                    QVERIFY2(path.value().filter(names[b] + QLatin1Char(' ')).size() == (cut ? 1 : 0), qPrintable(where));
                }
            }
        }
    }

    void damaged_profiles_send_factory_values_on_every_path()
    {
        const QString dpi = QStringLiteral("sensor/dpi_Tarn");
        const QString flags = QStringLiteral("sensor/dpi_Select");
        const QString colours = QStringLiteral("color_Tarn/type1");
        const QString lighting = QStringLiteral("color_Tarn/ledEffect");
        const QString rate = QStringLiteral("sensor/reportRate_Tarn");
        const QString axis = QStringLiteral("XYSensitive/0");
        const QString button = QStringLiteral("keydefine_Tarn/2");
        const QString missing = QStringLiteral("<missing>");
        const QString factoryColours = QStringLiteral("255, 0, 0, 0, 0, 255, 0, 255, 0, 255, 255, 0, 0, 255, 255, 255, 0, 255, 255, 0, 255, 255, 0, 255");
        // Each damaged value stands where the factory profile holds a valid one.
        const QVector<QPair<const char *, QVariantMap>> damages{
            {"missing keys, short and long lists",
             {{dpi, missing}, {flags, "1, 1"}, {colours, factoryColours + QStringLiteral(", 9")}, {lighting, "0, 0, 4"},
              {rate, missing}, {axis, missing}, {button, "1, 0"}}},
            {"out-of-range numbers and text in number fields",
             {{dpi, "400, 99999, 1600, 2400, 3200, fast, 6400, 8000"}, {flags, "1, x, 1, 1, 1, 1, 0, 0"},
              {colours, QString(factoryColours).replace(QStringLiteral("0, 255, 0"), QStringLiteral("0, 300, blue"))},
              {lighting, "99, 0, bright, red, 0, 0"}, {rate, "fast"}, {axis, "12"}, {button, "1, 0, left, 0"}}},
        };

        EveryPath f;
        f.start();
        QVERIFY(f.js(QStringLiteral("profileMain.newProfile()")).toBool());  // the factory profile
        // Profile 1 holds other values than the factory's, so that none of
        // them can pass for a factory value when it stays behind.
        QSettings *first = f.profile(0);
        first->setValue(dpi, QVariantList{500, 900, 1700, 2500, 3300, 4900, 6500, 7900});
        first->setValue(flags, QVariantList{1, 0, 1, 0, 1, 0, 1, 1});
        first->setValue(colours, QVector<QVariant>(24, 17).toList());
        first->setValue(lighting, QVariantList{3, 0, 2, 10, 20, 30});
        first->setValue(rate, 4);
        first->setValue(axis, 8);
        first->setValue(button, QVariantList{1, 0, 4, 0});
        f.js(QStringLiteral("profileFlow.initProfilePanels()"));

        f.chooseInProfileManager(1);
        const QString factory = settingsOf(vmouse::firmwareState(f.unit));
        const QString shownFactory = f.js(QStringLiteral("JSON.stringify(ui_View.profileValues())")).toString();

        for (const auto &damage : damages) {
            f.chooseInProfileManager(0);
            QSettings *damaged = f.profile(1);
            for (auto d = damage.second.cbegin(); d != damage.second.cend(); ++d) {
                if (d.value().toString() == missing)
                    damaged->remove(d.key());
                else
                    damaged->setValue(d.key(), d.value().toString().split(QStringLiteral(", ")));
            }
            damaged->sync();
            const QByteArray damagedFile = f.profileBytes(1);
            const QString pf = f.path("damaged.pf");
            done(f.inWindow({"--export", "2", pf}));

            // Each path must send the profile whole: the trace shows it.
            auto check = [&](const QString &path, const std::function<void()> &send) {
                vmouse::clearTrace();
                send();
                f.settle();
                const QString where = QLatin1String(damage.first) + QLatin1String(", ") + path;
                QVERIFY2(slotWrites().isEmpty() && EveryPath::sentCommands().size() > 10,
                         qPrintable(where + QLatin1Char(' ') + EveryPath::sentCommands().join(QLatin1Char(' '))));
                const QString now = settingsOf(vmouse::firmwareState(f.unit));
                QVERIFY2(now == factory, qPrintable(where + QLatin1Char('\n') + now + QLatin1String("\nfactory:\n") + factory));
            };
            check(QStringLiteral("profile manager"), [&] { f.chooseInProfileManager(1); });
            // The page shows what went out.
            QCOMPARE(f.js(QStringLiteral("JSON.stringify(ui_View.profileValues())")).toString(), shownFactory);
            QCOMPARE(f.js(QStringLiteral("[dpiSettingMain.values[1], reprotRateMain.reportValue, lightControlMain.level,"
                                         " xySettingMain.levelX].join(' ')")).toString(), QStringLiteral("800 1 4 4"));
            check(QStringLiteral("--profile, window"), [&] { done(f.inWindow({"--profile", "2"})); });
            check(QStringLiteral("--profile, alone"), [&] { done(f.alone({"--profile", "2"})); });

            // Sending wrote nothing back.
            f.view->settings().profile(1)->sync();
            QCOMPARE(f.profileBytes(1), damagedFile);

            // Without a window the first profile is the current one.
            check(QStringLiteral("--import, alone"), [&] { done(f.alone({"--import", "1", pf})); });
            check(QStringLiteral("--import, window"), [&] { done(f.inWindow({"--import", "2", pf})); });
        }
    }
};

QTEST_MAIN(OnePathTest)
#include "tst_one_path.moc"
