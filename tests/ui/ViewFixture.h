#pragma once
// The view with a page that only evaluates what the test gives it.

#include "ViewHarness.h"

struct ViewFixture : ViewHarness {
    explicit ViewFixture(uint16_t pid = vmouse::kProduct3336)
        : ViewHarness(pid)
    {
        const QString page = path("page.qml");
        QFile f(page);
        f.open(QIODevice::WriteOnly);
        f.write("import QtQuick 2.15\nItem { function run(code) { return eval(code) } }\n");
        f.close();
        load(QUrl::fromLocalFile(page));
    }
};
