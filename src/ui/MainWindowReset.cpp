// "重置": the window back to its start state, and the digit sequence box's hint.
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>

#include "engine/TagTable.h"
#include "ui/LeftPressWatcher.h"
#include "ui/MainWindow.h"
#include "ui/ValueBox.h"

namespace suoshui::ui {

namespace {

// The hint the box starts with, and the same hint after a run has kept only its digits.
const QString kDigitSequenceHint = QStringLiteral("格式如：0245689      ");
const QString kDigitSequenceHintDigits = QStringLiteral("0245689");

constexpr int kFirstToggle = 1001;
constexpr int kLastToggle = 1038;

}  // namespace

// A press on the box takes the hint away so the player can type at once, but never digits the
// player typed.
void MainWindow::watchDigitSequenceBox() {
    QLineEdit* box = controls_.lineBoxes.at(TextBox::DigitSequence);
    connect(box, &QLineEdit::textEdited, this, [this] { digitSequenceTyped_ = true; });
    new LeftPressWatcher(box, [this, box] {
        if (emptiesDigitSequenceOnPress())
            box->clear();
    });
}

bool MainWindow::emptiesDigitSequenceOnPress() const {
    const QString text = controls_.lineBoxes.at(TextBox::DigitSequence)->text();
    return !digitSequenceTyped_ && (text == kDigitSequenceHint || text == kDigitSequenceHintDigits);
}

void MainWindow::resetWindow() {
    resetTicks();
    resetTextsAndPages();
    resetRadios();
    resetSchemesAndPanels();
}

void MainWindow::resetTicks() {
    for (int tag = 1; tag <= TagTable::kBasicLast; ++tag)
        session_.tags.box(tag).setTicked(false);
    for (int tag = TagTable::kExtraFirst; tag <= TagTable::kExtraLast; ++tag)
        session_.tags.box(tag).setTicked(false);
    for (int tag = kFirstToggle; tag <= kLastToggle; ++tag)
        boxOfTag(tag)->setChecked(false);
    controls_.checks.at(Check::RandomCount)->setChecked(false);
    controls_.checks.at(Check::ExcludeSets)->setChecked(false);
}

void MainWindow::resetTextsAndPages() {
    const TextBox emptied[] = {TextBox::Result,       TextBox::ExcludeSet1, TextBox::ExcludeSet2,
                               TextBox::ExcludeSet3,  TextBox::ExcludeSet4, TextBox::ExcludeSingles,
                               TextBox::TargetCount,  TextBox::Banker,      TextBox::Drag,
                               TextBox::DigitSequence};
    for (TextBox box : emptied)
        setText(box, {});
    digitSequenceTyped_ = false;
    hideInputPages();
}

void MainWindow::resetRadios() {
    const Radio ticked[] = {Radio::Positional, Radio::Direct, Radio::Flat};
    for (Radio radio : ticked)
        controls_.radios.at(radio)->setChecked(true);
}

void MainWindow::resetSchemesAndPanels() {
    const Check options[] = {Check::IncludePairs, Check::IncludePairDigit,
                             Check::IncludeSingleDigit, Check::ExtraEnabled};
    for (Check option : options)
        controls_.checks.at(option)->setChecked(false);
    for (int tag = 177; tag <= 221; ++tag)
        boxOfTag(tag)->setLitColours(excludeScheme());
    boxOfTag(1017)->setLitColours(excludeScheme());
    for (int tag = 260; tag <= 269; ++tag)
        boxOfTag(tag)->setLitColours(excludeScheme());
    if (auto* hiddenPanel = findChild<QWidget*>(QStringLiteral("银选面板2")))
        hiddenPanel->hide();
    // The window after a reset is the window at start: "定位" with both rows usable, and the
    // extra panel off with its option.
    enableBankerAndWasteRows(true);
    extraPanel_->setEnabled(false);
}

}  // namespace suoshui::ui
