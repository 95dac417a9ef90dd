#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>
#include <string>

#include "ui/LineEnds.h"

// The text of a named box as the program reads it: multi-line boxes with CR LF line ends.
inline std::string boxText(const QWidget& window, const char* name) {
    const QString objectName = QString::fromUtf8(name);
    if (auto* line = window.findChild<QLineEdit*>(objectName))
        return line->text().toStdString();
    if (auto* multi = window.findChild<QPlainTextEdit*>(objectName))
        return suoshui::ui::toCrLf(multi->toPlainText()).toStdString();
    ADD_FAILURE() << "no box named " << name;
    return {};
}

// Puts a text into a named box as a paste would; CR LF shows as one line break.
inline void setBoxText(const QWidget& window, const char* name, const std::string& text) {
    const QString objectName = QString::fromUtf8(name);
    const QString value = QString::fromStdString(text);
    if (auto* line = window.findChild<QLineEdit*>(objectName))
        line->setText(value);
    else if (auto* multi = window.findChild<QPlainTextEdit*>(objectName))
        multi->setPlainText(suoshui::ui::fromCrLf(value));
    else
        ADD_FAILURE() << "no box named " << name;
}
