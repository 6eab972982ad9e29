#pragma once
// The waiting state of the main window: on a desktop without a tray the
// window stays on screen while no mouse is connected, and this view, in
// place of the pages, says so in the page's language.

#include <QQuickWidget>

class WaitingView : public QQuickWidget
{
    Q_OBJECT
public:
    // Built hidden, at the page's own size; `controler` is published to the
    // page as "ui_Ctl", which moves, minimises and closes the window.
    WaitingView(QWidget *window, QObject *controler);

    // Sets the texts for `language` ("ChineseSimplified" reads them from the
    // language file, with the English ones where it lacks them).
    void setLanguage(const QString &language);
};

// The heading and the hint of the waiting state in English.
extern const char kWaitingHeading[];
extern const char kWaitingHint[];
