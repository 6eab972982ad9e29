#include "KWinFocusScript.h"

#include "FocusCall.h"

#include <QRegularExpression>

namespace platform {

namespace {

// Null activations come between two windows and after the last one closed:
// they are not reported. A caption change counts only for the window the
// script last reported, whose handler it moves along with the focus.
const char kScript[] = R"js(
var target = ["@SERVICE@", "@PATH@", "@INTERFACE@", "@METHOD@"];
var shown = null;
function report(w) {
    callDBus(target[0], target[1], target[2], target[3], String(w.resourceClass), String(w.caption));
}
function captionChanged() {
    if (shown)
        report(shown);
}
function activated(w) {
    if (!w)
        return;
    if (shown) {
        try {
            shown.captionChanged.disconnect(captionChanged);
        } catch (closed) {
        }
    }
    shown = w;
    w.captionChanged.connect(captionChanged);
    report(w);
}
(workspace.windowActivated || workspace.clientActivated).connect(activated);
activated(workspace.activeWindow || workspace.activeClient);
)js";

} // namespace

QString kwinFocusScript(const QString &service)
{
    static const QRegularExpression busName(QStringLiteral("^[A-Za-z0-9:._-]{1,255}$"));
    if (!busName.match(service).hasMatch())
        return {};
    return QString::fromLatin1(kScript)
        .replace(QLatin1String("@SERVICE@"), service)
        .replace(QLatin1String("@PATH@"), QLatin1String(kFocusPath))
        .replace(QLatin1String("@INTERFACE@"), QLatin1String(kFocusInterface))
        .replace(QLatin1String("@METHOD@"), QLatin1String(kFocusMethod));
}

} // namespace platform
