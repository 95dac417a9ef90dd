// What the main window does when the player acts: the toolbar, the result grouping radios and
// the click relay of the value boxes. The group operations, option switches and the reset have
// files of their own.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "engine/FilterRun.h"
#include "lists/ConditionSummary.h"
#include "lists/StoredResult.h"
#include "ui/HandlerGuard.h"
#include "ui/MainWindow.h"
#include "ui/ValueBox.h"

namespace suoshui::ui {

namespace {

// The boxes whose clicks go on to the relay: every value box but the "连号" and "重复号" ones.
bool relaysItsClicks(int tag) {
    const bool basic = tag >= 1 && tag <= TagTable::kBasicLast && !(tag >= 222 && tag <= 227);
    const bool extra = tag >= TagTable::kExtraFirst && tag <= TagTable::kExtraLast;
    return basic || extra;
}

}  // namespace

void MainWindow::connectHandlers() {
    wasteRow_ = findChild<QWidget*>(QStringLiteral("外形框19"));
    connectToolbar();
    connectResultGrouping();
    connectSelectAllToggles();
    connectOptionSwitches();
    connectModeRadios();
    watchDigitSequenceBox();
    setUpKeyboard();
}

void MainWindow::connectToolbar() {
    // A second click on 选号结果 during a run arrives through the run's own event passes;
    // runFilter returns at once then, so the run in progress is not restarted.
    connect(toolbar_[kRun], &QToolButton::clicked, this,
            [this] { runGuarded(this, [this] { runFilter(*this, session_); }); });
    connect(toolbar_[kSave], &QToolButton::clicked, this,
            [this] { runGuarded(this, [this] { saveResults(); }); });
    connect(controls_.importBaseList, &QPushButton::clicked, this,
            [this] { runGuarded(this, [this] { importBaseList(); }); });
    connect(toolbar_[kStore], &QToolButton::clicked, this,
            [this] { runGuarded(this, [this] { storeResult(*this, session_); }); });
    connect(toolbar_[kReset], &QToolButton::clicked, this,
            [this] { runGuarded(this, [this] { resetWindow(); }); });
    connect(toolbar_[kExit], &QToolButton::clicked, this, &QWidget::close);
}

void MainWindow::connectResultGrouping() {
    const Radio groupings[] = {Radio::Flat,   Radio::BySum,    Radio::BySumTail,
                               Radio::BySpan, Radio::ByParity, Radio::BySizeRatio};
    for (Radio grouping : groupings) {
        connect(controls_.radios.at(grouping), &QRadioButton::clicked, this,
                [this] { runGuarded(this, [this] { buildConditionSummary(*this, session_); }); });
    }
}

// Looks up every value box once, in ascending tag order, and hands each relaying box's clicks
// on right after its lookup. A tag missing from the window stops here with the warning.
void MainWindow::buildTagTableAndRelay() {
    runGuarded(this, [this] {
        buildTagTable(*this, session_.tags);
        for (ValueBox* box : taggedButtons_) {
            if (relaysItsClicks(box->tag()) && &session_.tags.box(box->tag()) == box)
                relayClicksOf(box);
        }
    });
}

void MainWindow::relayClicksOf(ValueBox* box) {
    connect(box, &ValueBox::clicked, this,
            [this, box] { runGuarded(this, [this, box] { onValueBoxClicked(box); }); });
}

// The design leaves some inputs disabled; the player must be able to use all of them.
void MainWindow::enableInputControls() {
    const TextBox boxes[] = {TextBox::BaseList,      TextBox::TargetCount, TextBox::ExcludeSet1,
                             TextBox::ExcludeSet2,   TextBox::ExcludeSet3, TextBox::ExcludeSet4,
                             TextBox::ExcludeSingles};
    for (TextBox box : boxes) {
        if (const auto line = controls_.lineBoxes.find(box); line != controls_.lineBoxes.end())
            line->second->setEnabled(true);
        if (const auto multi = controls_.multiLineBoxes.find(box);
            multi != controls_.multiLineBoxes.end())
            multi->second->setEnabled(true);
    }
    if (controls_.importBaseList)
        controls_.importBaseList->setEnabled(true);
    if (controls_.positionSelector)
        controls_.positionSelector->setEnabled(true);
    if (auto* singleDigits = findChild<QFrame*>(QStringLiteral("外形框23")))
        singleDigits->setEnabled(true);
}

}  // namespace suoshui::ui
