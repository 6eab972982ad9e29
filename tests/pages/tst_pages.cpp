// Runs every tst_*.qml beside this file. The pages' resources come from the
// view library, registered here so that tests can load "qrc:/modules/qml/...".
#include <QtQuickTest>

static void registerPages()
{
    Q_INIT_RESOURCE(pages);
}

class PagesSetup : public QObject
{
    Q_OBJECT
public:
    PagesSetup() { registerPages(); }
};

QUICK_TEST_MAIN_WITH_SETUP(pages, PagesSetup)
#include "tst_pages.moc"
