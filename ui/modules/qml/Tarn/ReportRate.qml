import QtQuick 2.15
import "../basic/PanelMath.js" as PanelMath

// USB report rate: one picture in four quadrants, 1000/500/250/125 Hz.
Frame {
    id: ratePanel
    title: mainIten.mainLang[9]
    contentHeight: 146

    // Report interval in ms: 1, 2, 4 or 8.
    property int reportValue: 1

    property bool loading: false

    // A value the panel did not load from the profile.
    signal rateChosen()
    onReportValueChanged: {
        if (!loading)
            rateChosen()
    }

    function init() {
        loading = true
        reportValue = ui_View.profileValues().reportRate
        loading = false
    }

    Rectangle {
        width: 242
        height: parent.height
        color: "#b31a1a1a"
    }

    Image {
        id: picture
        objectName: "ratePicture"
        x: 8
        y: 8
        width: 226
        height: 130
        source: {
            var i = PanelMath.reportRateImage(ratePanel.reportValue)
            var zh = mainIten.language === 1
            return [zh ? mainIten.sourcereportRate0 : mainIten.sourcereportRateEn0,
                    zh ? mainIten.sourcereportRate1 : mainIten.sourcereportRateEn1,
                    zh ? mainIten.sourcereportRate2 : mainIten.sourcereportRateEn2,
                    zh ? mainIten.sourcereportRate3 : mainIten.sourcereportRateEn3][i]
        }
        MouseArea {
            // The right column would take a vertical drag away otherwise.
            preventStealing: true
            anchors.fill: parent
            function pick(x, y) {
                if (x < 0 || y < 0 || x >= width || y >= height)
                    return
                var value = PanelMath.reportRateAt(x, y, width, height)
                // Applied after the event: the change goes to the mouse, and
                // device traffic inside a pointer handler disturbs the grab.
                Qt.callLater(function () { ratePanel.reportValue = value })
            }
            onPressed: {
                mainIten.focusControl()
                pick(mouse.x, mouse.y)
            }
            onPositionChanged: pick(mouse.x, mouse.y)
        }
    }
}
