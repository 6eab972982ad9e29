#include "LightingOptions.h"

#include <QtTest>

class LightingOptionsTest : public QObject
{
    Q_OBJECT
private slots:
    void options_data()
    {
        QTest::addColumn<int>("effect");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("option1");
        QTest::addColumn<int>("option2");
        const int steady[] = {0, 12, 25, 37, 50};
        const int stepped[] = {0, 20, 30, 40, 50};
        const int speed[] = {10, 8, 6, 4, 1};
        for (int l = 0; l <= 4; ++l) {
            QTest::addRow("steady %d", l) << 0 << l << steady[l] << 6;
            QTest::addRow("effect 13 level %d", l) << 13 << l << stepped[l] << 6;
            QTest::addRow("effect 1 level %d", l) << 1 << l << 50 << speed[l];
            QTest::addRow("effect 12 level %d", l) << 12 << l << 50 << speed[l];
        }
        QTest::newRow("effect 13 level 7") << 13 << 7 << 50 << 6;
        // Levels past the pages' range hold at the far end instead of wrapping.
        QTest::newRow("steady level 255") << 0 << 255 << 50 << 6;
        QTest::newRow("speed level 5") << 3 << 5 << 50 << 1;
        QTest::newRow("speed level 255") << 3 << 255 << 50 << 1;
        QTest::newRow("unknown effect") << 200 << 2 << 50 << 6;
    }
    void options()
    {
        QFETCH(int, effect);
        QFETCH(int, level);
        QFETCH(int, option1);
        QFETCH(int, option2);
        const LightingOptions o = lightingOptions(quint8(effect), quint8(level));
        QCOMPARE(int(o.option1), option1);
        QCOMPARE(int(o.option2), option2);
    }
};

QTEST_APPLESS_MAIN(LightingOptionsTest)
#include "tst_lightingoptions.moc"
