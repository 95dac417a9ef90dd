// Keyboard use of the main window: Tab walks the inputs in reading order, and the two actions a
// player repeats most have shortcuts, named in their tooltips.
#include <QCheckBox>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "ui/MainWindow.h"

namespace suoshui::ui {

namespace {

// The inputs in the order a player reads them: type and mode rows, the input pages, the include
// options among the conditions, the result grouping and the result itself.
struct FocusStep {
    enum Kind { RadioStep, CheckStep, TextStep, PositionStep, ImportStep } kind;
    int which = 0;
};

std::vector<FocusStep> readingOrder() {
    std::vector<FocusStep> steps;
    for (Radio radio : {Radio::Direct, Radio::DirectSix, Radio::DirectThree, Radio::Group,
                        Radio::GroupSix, Radio::GroupThree, Radio::Positional, Radio::DigitSet,
                        Radio::BankerDrag, Radio::BaseList})
        steps.push_back({FocusStep::RadioStep, static_cast<int>(radio)});
    for (Check check : {Check::ExcludeSets, Check::RandomCount, Check::ExtraEnabled})
        steps.push_back({FocusStep::CheckStep, static_cast<int>(check)});
    steps.push_back({FocusStep::PositionStep});
    for (TextBox box : {TextBox::DigitSequence, TextBox::Banker, TextBox::Drag})
        steps.push_back({FocusStep::TextStep, static_cast<int>(box)});
    steps.push_back({FocusStep::ImportStep});
    for (Check check : {Check::Intersect, Check::GroupToDirect})
        steps.push_back({FocusStep::CheckStep, static_cast<int>(check)});
    for (TextBox box :
         {TextBox::BaseList, TextBox::TargetCount, TextBox::ExcludeSet1, TextBox::ExcludeSet2,
          TextBox::ExcludeSet3, TextBox::ExcludeSet4, TextBox::ExcludeSingles})
        steps.push_back({FocusStep::TextStep, static_cast<int>(box)});
    for (Check check : {Check::IncludePairs, Check::IncludePairDigit, Check::IncludeSingleDigit})
        steps.push_back({FocusStep::CheckStep, static_cast<int>(check)});
    for (Radio radio : {Radio::Flat, Radio::BySum, Radio::BySumTail, Radio::BySpan, Radio::ByParity,
                        Radio::BySizeRatio})
        steps.push_back({FocusStep::RadioStep, static_cast<int>(radio)});
    steps.push_back({FocusStep::TextStep, static_cast<int>(TextBox::Result)});
    return steps;
}

template <typename Key, typename Widget>
QWidget* lookUp(const std::map<Key, Widget*>& widgets, int which) {
    const auto found = widgets.find(static_cast<Key>(which));
    return found == widgets.end() ? nullptr : found->second;
}

QWidget* widgetOf(const WindowControls& controls, const FocusStep& step) {
    switch (step.kind) {
        case FocusStep::RadioStep:
            return lookUp(controls.radios, step.which);
        case FocusStep::CheckStep:
            return lookUp(controls.checks, step.which);
        case FocusStep::TextStep:
            if (QWidget* line = lookUp(controls.lineBoxes, step.which))
                return line;
            return lookUp(controls.multiLineBoxes, step.which);
        case FocusStep::PositionStep:
            return controls.positionSelector;
        case FocusStep::ImportStep:
            return controls.importBaseList;
    }
    return nullptr;
}

void giveShortcut(QToolButton* button, const QKeySequence& keys) {
    button->setShortcut(keys);
    button->setToolTip(QStringLiteral("%1 (%2)").arg(button->objectName(),
                                                     keys.toString(QKeySequence::NativeText)));
}

}  // namespace

void MainWindow::setUpKeyboard() {
    // In the multi-line boxes Tab moves on instead of typing a tab, which the numbers never hold.
    for (const auto& [box, edit] : controls_.multiLineBoxes)
        edit->setTabChangesFocus(true);
    QWidget* previous = nullptr;
    for (const FocusStep& step : readingOrder()) {
        QWidget* widget = widgetOf(controls_, step);
        if (!widget)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    giveShortcut(toolbar_.at(kRun), QKeySequence(Qt::CTRL | Qt::Key_R));
    giveShortcut(toolbar_.at(kSave), QKeySequence(QKeySequence::Save));
}

}  // namespace suoshui::ui
