#include "AutoProfileService.h"
#include "CommandLine.h"
#include "CopyDataFilter.h"
#include "InputHooks.h"
#include "InstanceStart.h"
#include "LocalPeer.h"
#include "QtSingleCoreApplication.h"
#include "SceneGraphBackend.h"
#include "SettingsFolder.h"
#include "SettingsGuard.h"
#include "SettingsPaths.h"
#include "Widget.h"

int main(int argc, char *argv[])
{
    // A command runs before anything of the window starts, and may need no display.
    if (isCommandLine(argc, argv))
        return runCommandLine(argc, argv);
    chooseSceneGraphBackend();
    // Sizes follow the screen's density; the skin has @2x images for it.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QtSingleCoreApplication app(argc, argv);
    if (app.isRunning()) {
        if (const auto status = handOverStart(app.peer()))
            return *status;
    } else {
        reportTakeOver(app.peer());
    }

    // Every path of the settings tree (./modules/...) is relative to the
    // folder that holds it, wherever the program was started from.
    const QString settingsNotice = chooseSettingsFolder();
    // Hiding the window leaves the program running in the tray.
    app.setQuitOnLastWindowClosed(false);

    auto *window = new Widget;
    // Files set aside while the window was built are told now, once each.
    setDamagedFileListener([window](const QString &path, const QString &aside) {
        window->notifier().balloon(QStringLiteral("Info"), damagedFileMessage(path, aside));
    });
    QObject::connect(&app, &QtSingleCoreApplication::messageReceived, window, &Widget::receiveMessage);

    // Without a capture the program runs on, without keys from the desktop.
    input::installHooks();
    input::setKeyboardCallback(&Widget::keyboardHandler, window);
    input::setMouseCallback(&Widget::mouseHandler, window);

    CopyDataFilter copyDataFilter;
    copyDataFilter.setHandler(showCopyDataMessage, window);
    app.installNativeEventFilter(&copyDataFilter);

    new AutoProfileService(*window, QString::fromLatin1(kSettingDir), platform::createFocusWatcher());

    if (!settingsNotice.isEmpty())
        window->notifier().balloon(QStringLiteral("Info"), settingsNotice);

    window->showNormal();
    window->checkDevice();

    const int result = app.exec();
    input::removeHooks();
    setDamagedFileListener({});
    delete window;
    return result;
}
