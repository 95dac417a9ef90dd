// The option switches of the "方式：" row, the "包含" boxes and the four mode radios: what the
// player sees and can edit, without running the filter.
#include <QCheckBox>
#include <QRadioButton>
#include <QStackedWidget>
#include <optional>

#include "features/WindowTable.h"
#include "ui/HandlerGuard.h"
#include "ui/MainWindow.h"
#include "ui/ValueBox.h"

namespace suoshui::ui {

namespace {

// Pages of the input page control.
constexpr int kDigitSequencePage = 0;
constexpr int kBankerDragPage = 1;
constexpr int kBaseListPage = 2;
constexpr int kCountPage = 3;
constexpr int kExclusionPage = 4;

// The page a mode shows; "定位" shows none.
std::optional<int> pageOfMode(Radio mode) {
    switch (mode) {
        case Radio::DigitSet:
            return kDigitSequencePage;
        case Radio::BankerDrag:
            return kBankerDragPage;
        case Radio::BaseList:
            return kBaseListPage;
        default:
            return std::nullopt;
    }
}

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
            [this](bool ticked) { ticked ? showInputPage(kCountPage) : hideInputPages(); });
    connect(controls_.checks.at(Check::ExcludeSets), &QCheckBox::clicked, this,
            [this](bool ticked) { onExcludeSetsClicked(ticked); });
    for (Check include : kIncludeOptions) {
        connect(controls_.checks.at(include), &QCheckBox::clicked, this, [this, include](bool on) {
            runGuarded(this, [this, include, on] { onIncludeOptionClicked(include, on); });
        });
    }
}

void MainWindow::onExcludeSetsClicked(bool ticked) {
    if (ticked) {
        showInputPage(kExclusionPage);
        enableBankerAndWasteRows(true);
        return;
    }
    // Back to what the mode shows; the two rows keep their state.
    for (Radio mode : kModes) {
        if (!isChecked(mode))
            continue;
        if (const std::optional<int> page = pageOfMode(mode))
            showInputPage(*page);
        else
            hideInputPages();
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
    if (const std::optional<int> page = pageOfMode(mode))
        showInputPage(*page);
    else
        hideInputPages();
    if (mode == Radio::DigitSet || mode == Radio::BankerDrag)
        matchPositionRowsToToggles();
    if (mode == Radio::BankerDrag) {
        // The banker digits are typed on the page; ticked banker boxes would contradict them.
        for (int tag = 250; tag <= 259; ++tag)
            session_.tags.box(tag).setTicked(false);
    }
    enableBankerAndWasteRows(mode != Radio::BankerDrag);
}

void MainWindow::showInputPage(int page) {
    controls_.inputPages->setCurrentIndex(page);
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
