// The skin at twice the density: every image has an "@2x" file of twice the
// pixels, and a page at scale 2 shows it (Qt picks it by itself), not the
// 1x image enlarged.
#include <QApplication>
#include <QQuickWidget>
#include <QtTest>

namespace {
const char kImage[] = ":/index/modules/img/skin1/index/minBtn";

// Largest difference of the premultiplied channels: what a shot over black shows.
int difference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int most = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col)
            for (const int shift : {0, 8, 16})
                most = qMax(most, qAbs(int((x.pixel(col, row) >> shift) & 0xff) - int((y.pixel(col, row) >> shift) & 0xff)));
    return most;
}
} // namespace

class SkinDensityTest : public QObject
{
    Q_OBJECT
private slots:
    void every_image_has_a_double_density_file()
    {
        Q_INIT_RESOURCE(pages);
        int images = 0;
        for (QDirIterator it(QStringLiteral(":/"), {QStringLiteral("*.png")}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            const QString path = it.next();
            if (!path.contains(QLatin1String("/modules/img/")) || path.endsWith(QLatin1String("@2x.png")))
                continue;
            ++images;
            QCOMPARE(QImage(path.chopped(4) + QStringLiteral("@2x.png")).size(), QImage(path).size() * 2);
        }
        QVERIFY(images > 100);
    }

    void a_page_at_scale_two_shows_the_double_density_image()
    {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        QTemporaryDir dir;
        QFile page(dir.filePath(QStringLiteral("page.qml")));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write(QByteArray("import QtQuick 2.15\nImage { width: 15; height: 15; source: \"qrc") + kImage + ".png\" }");
        page.close();
        // As the main window hosts the pages.
        QQuickWidget view;
        view.setClearColor(Qt::black);
        view.setSource(QUrl::fromLocalFile(page.fileName()));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QImage shot;
        QTRY_VERIFY((shot = view.grabFramebuffer()).width() > 0);
        const QImage doubled(QString::fromLatin1(kImage) + QStringLiteral("@2x.png"));
        // A window may be wider than asked (Windows has a least width): the image is at its top left.
        QVERIFY(shot.width() >= doubled.width() && shot.height() >= doubled.height());
        shot = shot.copy(QRect(QPoint(0, 0), doubled.size()));
        const QImage enlarged = QImage(QString::fromLatin1(kImage) + QStringLiteral(".png")).scaled(doubled.size());
        QVERIFY2(difference(shot, enlarged) > 40, "the 1x image enlarged looks like the 2x one: the check could not tell");
        QVERIFY2(difference(shot, doubled) <= 2, "the page does not show the @2x image");
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication app(argc, argv);
    SkinDensityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_skin_density.moc"
