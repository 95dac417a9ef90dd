#pragma once

#include <QTest>
#include <QWidget>

// An import reads its file on a worker thread: waits until the window has taken what was read
// (or said why not), as a player waits for the progress strip to go.
inline void waitForReading(const QWidget& window) {
    auto* strip = window.findChild<QWidget*>(QStringLiteral("ReadProgress"));
    static_cast<void>(QTest::qWaitFor([strip] { return strip->isHidden(); }, 60000));
}
