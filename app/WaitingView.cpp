#include "WaitingView.h"

#include "AppConfig.h"
#include "LanguageStrings.h"
#include "SettingsGuard.h"

#include <QQmlContext>
#include <QQuickItem>

const char kWaitingHeading[] = "No mouse connected";
const char kWaitingHint[] =
    "Waiting for the mouse. On Linux, install the udev rule 70-mouse-utility.rules, then plug the mouse in again.";

namespace {
const char kWaitingPage[] = "qrc:/modules/qml/Waiting.qml";
const char kWaitingGroup[] = "waiting";
// The language file that holds the pages' Chinese texts.
const char kPageLanguage[] = "lang_025044";
} // namespace

WaitingView::WaitingView(QWidget *window, QObject *controler)
    : QQuickWidget(window)
{
    setObjectName(QStringLiteral("waitingView"));
    rootContext()->setContextProperty(QStringLiteral("ui_Ctl"), controler);
    // The view takes the page's size, which fits its content.
    setSource(QUrl(QString::fromLatin1(kWaitingPage)));
    hide();
}

void WaitingView::setLanguage(const QString &language)
{
    QStringList texts;
    if (language == QLatin1String(kLanguageChinese)) {
        const QString file = LanguageStrings().filePath(QString::fromLatin1(kPageLanguage));
        QSettings settings(file, QSettings::IniFormat);
        settings.setIniCodec(kUtf8Codec);
        texts = readLanguageGroup(settings, QString::fromLatin1(kWaitingGroup));
    }
    const auto text = [&texts](int i, const char *english) {
        return i < texts.size() && !texts.at(i).isEmpty() ? texts.at(i) : QString::fromLatin1(english);
    };
    if (QQuickItem *page = rootObject()) {
        page->setProperty("heading", text(0, kWaitingHeading));
        page->setProperty("hint", text(1, kWaitingHint));
    }
}
