// The window as the core sees it: every read goes to the widget at the moment it is asked.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "ui/ChunkedText.h"
#include "ui/LineEnds.h"
#include "ui/MainWindow.h"
#include "ui/ValueBox.h"

namespace suoshui::ui {

ValueBoxView* MainWindow::findTag(int tag) {
    for (ValueBox* box : taggedButtons_) {
        if (box->tag() == tag)
            return box;
    }
    return nullptr;
}

bool MainWindow::isChecked(Check check) const {
    const auto found = controls_.checks.find(check);
    return found != controls_.checks.end() && found->second->isChecked();
}

bool MainWindow::isChecked(Radio radio) const {
    const auto found = controls_.radios.find(radio);
    return found != controls_.radios.end() && found->second->isChecked();
}

std::string MainWindow::text(TextBox box) const {
    if (const auto line = controls_.lineBoxes.find(box); line != controls_.lineBoxes.end())
        return line->second->text().toStdString();
    if (const auto multi = controls_.multiLineBoxes.find(box);
        multi != controls_.multiLineBoxes.end())
        return toCrLf(multi->second->toPlainText()).toStdString();
    return {};
}

// A stored result lengthens a long base list, and a report can be long: such texts go in piece
// by piece, so the window keeps drawing while they are laid out.
void MainWindow::setText(TextBox box, const std::string& text) {
    const QString value = QString::fromStdString(text);
    if (const auto line = controls_.lineBoxes.find(box); line != controls_.lineBoxes.end()) {
        line->second->setText(value);
        return;
    }
    if (const auto multi = controls_.multiLineBoxes.find(box);
        multi != controls_.multiLineBoxes.end())
        putPlainText(multi->second, fromCrLf(value));
}

int MainWindow::positionIndex() const {
    return controls_.positionSelector ? controls_.positionSelector->currentIndex() : 0;
}

void MainWindow::setResultFont(int points, bool bold) {
    QFont font = resultBox_->font();
    if (points > 0)
        font.setPointSize(points);
    font.setBold(bold);
    resultBox_->setFont(font);
}

void MainWindow::setBusy(bool busy) {
    busyPanel_->setVisible(busy);
    busyBar_->setVisible(busy);
    if (busy) {
        busyPanel_->raise();
        busyBar_->raise();
    }
}

// The filter asks for an event pass before every group test, some forty thousand times in a run.
// A pass every few milliseconds keeps the window just as responsive at a fraction of the cost.
void MainWindow::processEvents() {
    constexpr qint64 kEventPassInterval = 5;
    if (sinceEventPass_.isValid() && sinceEventPass_.elapsed() < kEventPassInterval)
        return;
    QCoreApplication::processEvents();
    sinceEventPass_.start();
}

}  // namespace suoshui::ui
