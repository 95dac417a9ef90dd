#include "ui/RunControls.h"

#include <QCheckBox>
#include <QCoreApplication>

#include "ui/ConditionPanel.h"
#include "ui/EventPass.h"
#include "ui/InputPages.h"
#include "ui/OptionRows.h"
#include "ui/ResultPanel.h"
#include "ui/ToleranceControls.h"

namespace suoshui::ui {

namespace {

constexpr Check kChecks[] = {Check::ExcludeSets,      Check::RandomCount,       Check::ExtraEnabled,
                             Check::Intersect,        Check::GroupToDirect,     Check::IncludePairs,
                             Check::IncludePairDigit, Check::IncludeSingleDigit};

InputBox inputBoxOf(TextBox box) {
    switch (box) {
        case TextBox::DigitSequence:
            return InputBox::DigitSequence;
        case TextBox::Banker:
            return InputBox::Banker;
        case TextBox::Drag:
            return InputBox::Drag;
        case TextBox::ExcludeSet1:
            return InputBox::ExcludeSet1;
        case TextBox::ExcludeSet2:
            return InputBox::ExcludeSet2;
        case TextBox::ExcludeSet3:
            return InputBox::ExcludeSet3;
        case TextBox::ExcludeSet4:
            return InputBox::ExcludeSet4;
        case TextBox::Result:
            break;
    }
    return InputBox::DigitSequence;
}

}  // namespace

RunControls::RunControls(ConditionPanel& conditions, OptionRows& options, InputPages& inputs,
                         ResultPanel& results, ToleranceControls& tolerance, QWidget& window)
    : QObject(&window),
      conditions_(conditions),
      options_(options),
      inputs_(inputs),
      results_(results),
      tolerance_(tolerance),
      window_(window) {
    const auto count = [this] {
        ++changes_;
        emit settingsChanged();
    };
    connect(&conditions, &ConditionPanel::changed, this, count);
    connect(&options, &OptionRows::changed, this, count);
    connect(&inputs, &InputPages::changed, this, count);
    connect(&tolerance, &ToleranceControls::changed, this, count);
}

FilterSettings RunControls::readSettings() {
    FilterSettings settings;
    settings.boxes = conditions_.boxStates();
    for (Check check : kChecks) {
        QCheckBox* box = options_.checkBox(check);
        box = box ? box : inputs_.checkBox(check);
        box = box ? box : conditions_.includeBox(check);
        settings.setChecked(check, box && box->isChecked());
    }
    settings.numberType = options_.numberType();
    settings.mode = options_.mode();
    settings.digitSequence = inputs_.text(InputBox::DigitSequence);
    settings.banker = inputs_.text(InputBox::Banker);
    settings.drag = inputs_.text(InputBox::Drag);
    settings.bankerPosition = inputs_.positionIndex();
    settings.intersectCount = inputs_.intersectCount();
    settings.baseList = inputs_.text(InputBox::BaseList);
    for (std::size_t i = 0; i < settings.excludeSets.size(); ++i)
        settings.excludeSets[i] = inputs_.text(kExcludeSetBoxes[i]);
    settings.excludeSingles = inputs_.text(InputBox::ExcludeSingles);
    settings.targetCount = inputs_.text(InputBox::TargetCount);
    settings.tolerance = tolerance_.tolerance();
    return settings;
}

ResultGrouping RunControls::resultGrouping() const {
    return results_.grouping();
}

void RunControls::setText(TextBox box, const std::string& text) {
    if (box == TextBox::Result)
        results_.showReport(text);
    else
        inputs_.setText(inputBoxOf(box), text);
}

// A run asks for an event pass before every candidate; a pass every few milliseconds keeps the
// window just as responsive at a fraction of the cost.
void RunControls::letWindowBreathe() {
    if (sinceEventPass_.isValid() && sinceEventPass_.elapsed() < eventPassInterval_)
        return;
    letEventsThrough();
    sinceEventPass_.start();
}

void RunControls::requestStop() {
    stopRequested_ = true;
}

// A run that takes longer than half a second says in the status line how far it has come, a few
// times a second.
void RunControls::runProgress(std::size_t walked, std::size_t total) {
    constexpr qint64 kQuietMs = 500;
    constexpr qint64 kEveryMs = 200;
    if (sinceRunStart_.elapsed() < kQuietMs ||
        (sinceProgressShown_.isValid() && sinceProgressShown_.elapsed() < kEveryMs))
        return;
    sinceProgressShown_.start();
    results_.showStatus(QStringLiteral("正在选号：已检查 %1 / %2 个候选号码（%3%）")
                            .arg(walked)
                            .arg(total)
                            .arg(total == 0 ? 0 : walked * 100 / total));
}

void RunControls::runStarted() {
    stopRequested_ = false;
    sinceRunStart_.start();
    sinceProgressShown_.invalidate();
    results_.showRunStarted(window_.width());
}

void RunControls::runEnded() {
    results_.showRunEnded();
}

}  // namespace suoshui::ui
