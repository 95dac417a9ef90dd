#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

// Acts on the next modal dialog as a player would, once it is up. The window opens its dialogs
// with exec(), so the test's hands are queued before the click that opens one; a dialog that
// opens another queues the next hands from inside its own act. The hands go with their owner,
// so that none is left over to act on the next test's dialogs.
inline void whenModalAppears(QObject* owner, std::function<void(QWidget*)> act) {
    auto* timer = new QTimer(owner);
    timer->setInterval(10);
    auto attemptsLeft = std::make_shared<int>(500);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act = std::move(act), attemptsLeft] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal || --*attemptsLeft <= 0) {
            timer->stop();
            timer->deleteLater();
        }
        if (modal)
            act(modal);
    });
    timer->start();
}

// The player types the whole path into the file dialog's name box.
inline void typeFileName(QDialog* dialog, const QString& path) {
    auto* nameBox = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(nameBox, nullptr);
    nameBox->setText(path);
}
