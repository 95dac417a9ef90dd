// The option switches of the "方式：" row, the "包含" boxes and the four mode radios: what the
// player sees and can edit, without running the filter.
#include <QCheckBox>
#include <QRadioButton>
#include <QStackedWidget>

#include "features/WindowTable.h"
#include "lists/InputPageRules.h"
#include "ui/HandlerGuard.h"
#include "ui/MainWindow.h"
#include "ui/ValueBox.h"

namespace suoshui::ui {

namespace {

constexpr Radio kModes[] = {Radio::Positional, Radio::DigitSet, Radio::BankerDrag, Radio::BaseList};
constexpr Check kIncludeOptions[] = {Check::IncludePairs, Check::IncludePairDigit,
                                     Check::IncludeSingleDigit};

}  // namespace

void MainWindow::connectOptionSwitches() {
    QCheckBox* extra = controls_.checks.at(Check::ExtraEnabled);
    connect(extra, &QCheckBox::clicked, this, [this](bool ticked) {
        // The panel's ticks stay as they are; the filter and the summary skip it while disabled.
        extraPanel_->setEnabled(ticked);
    });
    connect(controls_.checks.at(Check::RandomCount), &QCheckBox::clicked, this,
            [this](bool ticked) { showInputPage(pageAfterRandomCount(ticked)); });
    connect(controls_.checks.at(Check::ExcludeSets), &QCheckBox::clicked, this,
            [this](bool ticked) { onExcludeSetsClicked(ticked); });
    for (Check include : kIncludeOptions) {
        connect(controls_.checks.at(include), &QCheckBox::clicked, this, [this, include](bool on) {
            runGuarded(this, [this, include, on] { onIncludeOptionClicked(include, on); });
        });
    }
}

void MainWindow::onExcludeSetsClicked(bool ticked) {
    // Unticked, the banker and waste rows keep their state.
    if (ticked)
        enableBankerAndWasteRows(true);
    for (Radio mode : kModes) {
        if (isChecked(mode))
            showInputPage(pageAfterExcludeSets(ticked, mode));
    }
}

// Ticked values of the group are kept (black on green) or thrown out (yellow on red).
void MainWindow::onIncludeOptionClicked(Check include, bool ticked) {
    const LitColours scheme = ticked ? includeScheme() : excludeScheme();
    for (const WindowRow& row : windowRows()) {
        if (!row.include || row.include->check != include)
            continue;
        for (const ConditionGroupDef& group : row.groups) {
            if (group.include != include)
                continue;
            for (int tag = group.tags.first; tag <= group.tags.last; ++tag)
                boxOfTag(tag)->setLitColours(scheme);
        }
        for (const SelectAllToggleDef& toggle : row.toggles)
            boxOfTag(toggle.tag)->setLitColours(scheme);
    }
}

void MainWindow::connectModeRadios() {
    for (Radio mode : kModes) {
        connect(controls_.radios.at(mode), &QRadioButton::clicked, this,
                [this, mode] { runGuarded(this, [this, mode] { onModeChosen(mode); }); });
    }
}

void MainWindow::onModeChosen(Radio mode) {
    showInputPage(pageOfMode(mode));
    if (modeMatchesPositionRows(mode))
        matchPositionRowsToToggles();
    if (modeDisablesBankerAndWaste(mode)) {
        // The banker digits are typed on the page; ticked banker boxes would contradict them.
        for (int tag = 250; tag <= 259; ++tag)
            session_.tags.box(tag).setTicked(false);
    }
    enableBankerAndWasteRows(!modeDisablesBankerAndWaste(mode));
}

void MainWindow::showInputPage(ShownPage page) {
    if (!page) {
        hideInputPages();
        return;
    }
    controls_.inputPages->setCurrentIndex(static_cast<int>(*page));
    controls_.inputPages->show();
}

void MainWindow::hideInputPages() {
    controls_.inputPages->hide();
}

void MainWindow::enableBankerAndWasteRows(bool enabled) {
    bankerRow_->setEnabled(enabled);
    if (wasteRow_ != nullptr)
        wasteRow_->setEnabled(enabled);
}

}  // namespace suoshui::ui
