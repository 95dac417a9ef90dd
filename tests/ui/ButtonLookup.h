#pragma once

#include <QAbstractButton>
#include <QString>
#include <QWidget>

// The first button with this caption, in creation order, as a player reads it on the screen.
inline QAbstractButton* buttonCaptioned(const QWidget& window, const QString& caption) {
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->text() == caption)
            return button;
    }
    return nullptr;
}
