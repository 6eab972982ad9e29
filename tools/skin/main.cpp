// Draws the skin of the pages into the folder given as the only argument
// (ui/modules/img): the page background and the images of every group.
#include "Canvas.h"
#include "Groups.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    skin::setOutput(QString::fromLocal8Bit(argv[1]));
    skin::drawDialogImages();
    skin::drawIndexControls();
    skin::drawProfileControls();
    skin::drawMacroControls();
    skin::drawGunControls();
    skin::drawMouseViews();
    skin::drawPanelImages();
    std::printf("%d images written\n", skin::written());
    return 0;
}
