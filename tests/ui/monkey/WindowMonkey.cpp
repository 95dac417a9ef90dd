#include "monkey/WindowMonkey.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <chrono>
#include <iostream>
#include <memory>
#include <thread>

#include "BoxTexts.h"
#include "ButtonLookup.h"
#include "monkey/ReportListing.h"
#include "monkey/SurvivorCheck.h"
#include "ui/MainWindow.h"

using namespace Qt::StringLiterals;

namespace suoshui::monkey {

namespace {

constexpr std::size_t kTrailLength = 40;
constexpr qint64 kSlowActionMs = 30'000;
// Longer than the window's event-pass interval, so the run's first event pass is not skipped.
constexpr auto kPauseBeforeInjectedRun = std::chrono::milliseconds(6);

const QStringList kNumberTypes = {u"直选号"_s, u"组六直选"_s, u"组三直选"_s,
                                  u"组选号"_s, u"组六组选"_s, u"组三组选"_s};
const QStringList kModes = {u"定位"_s, u"不定位"_s, u"胆拖"_s, u"大底"_s};
const QStringList kGroupings = {u"常 规"_s, u"和 值"_s,  u"和 尾"_s,
                                u"跨 度"_s, u"奇偶比"_s, u"大小比"_s};
const QStringList kOptions = {u"启用银选"_s, u"条件随机"_s, u"排 除"_s, u"取 交 集"_s,
                              u"组选转直"_s};
const QStringList kIncludeFrames = {u"外形框10"_s, u"外形框22"_s, u"外形框23"_s};
const QStringList kInputBoxes = {u"BaseListBox"_s,      u"DigitSequenceBox"_s, u"BankerBox"_s,
                                 u"DragBox"_s,          u"TargetCountBox"_s,   u"ExcludeSetBox1"_s,
                                 u"ExcludeSetBox2"_s,   u"ExcludeSetBox3"_s,   u"ExcludeSetBox4"_s,
                                 u"ExcludeSinglesBox"_s};

// A text for the trail: short, with everything unprintable spelled out.
QString shown(const QString& text) {
    constexpr int kShownLength = 40;
    QString out;
    for (QChar c : text.left(kShownLength)) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F)
            out += c;
        else
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
    }
    if (text.size() > kShownLength)
        out += QStringLiteral("... (%1 chars)").arg(text.size());
    return out;
}

QString nameOf(QAbstractButton* button) {
    const QVariant tag = button->property("tag");
    return tag.isValid() ? QStringLiteral("tag %1").arg(tag.toInt()) : button->text();
}

void sendTextKey(QWidget* box, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(box, &press);
    QApplication::sendEvent(box, &release);
}

}  // namespace

WindowMonkey::WindowMonkey(suoshui::ui::MainWindow& window, std::uint64_t seed)
    : window_(window), seed_(seed), random_(seed), texts_(random_) {
    findControls();
    actions_ = {{30, &WindowMonkey::tickValueBox},
                {8, &WindowMonkey::clickRadio},
                {6, &WindowMonkey::toggleOption},
                {2, &WindowMonkey::choosePosition},
                {8, &WindowMonkey::typeIntoBox},
                {5, &WindowMonkey::pasteIntoBox},
                {3, &WindowMonkey::pressEditingKeys},
                {8, &WindowMonkey::run},
                {4, &WindowMonkey::runWithClickDuringRun},
                {2, &WindowMonkey::store},
                {2, &WindowMonkey::reset},
                {3, &WindowMonkey::scroll},
                {1, &WindowMonkey::resize}};
    for (const Action& action : actions_)
        totalWeight_ += action.weight;
}

template <typename Widget>
void WindowMonkey::collectCaptioned(const QStringList& captions, std::vector<Widget*>& into) {
    for (const QString& caption : captions) {
        if (auto* widget = qobject_cast<Widget*>(buttonCaptioned(window_, caption)))
            into.push_back(widget);
        else
            missing_ << caption;
    }
}

void WindowMonkey::findControls() {
    for (QAbstractButton* button : window_.findChildren<QAbstractButton*>()) {
        if (button->property("tag").isValid())
            taggedButtons_.push_back(button);
    }
    collectCaptioned(kNumberTypes, numberTypes_);
    collectCaptioned(kModes, modes_);
    collectCaptioned(kGroupings, groupings_);
    collectCaptioned(kOptions, options_);
    for (const QString& frame : kIncludeFrames) {
        QWidget* parent = window_.findChild<QWidget*>(frame);
        QCheckBox* include = nullptr;
        for (QCheckBox* box : parent ? parent->findChildren<QCheckBox*>() : QList<QCheckBox*>())
            include = box->text() == QStringLiteral("包含") ? box : include;
        if (include)
            options_.push_back(include);
        else
            missing_ << frame + QStringLiteral(" 包含");
    }
    for (const QString& name : kInputBoxes) {
        if (QWidget* box = window_.findChild<QWidget*>(name))
            inputBoxes_.push_back(box);
        else
            missing_ << name;
    }
    resultBox_ = window_.findChild<QPlainTextEdit*>(QStringLiteral("ResultBox"));
    positionSelector_ = window_.findChild<QComboBox*>(QStringLiteral("PositionSelector"));
    conditionScrollBar_ = window_.findChild<QScrollBar*>(QStringLiteral("ConditionScrollBar"));
    conditionFrame_ = window_.findChild<QWidget*>(QStringLiteral("条件框"));
    runButton_ = window_.findChild<QToolButton*>(QStringLiteral("选号结果"));
    storeButton_ = window_.findChild<QToolButton*>(QStringLiteral("暂存结果"));
    resetButton_ = window_.findChild<QToolButton*>(QStringLiteral("重置"));
    const std::pair<QObject*, const char*> required[] = {
        {resultBox_, "ResultBox"},
        {positionSelector_, "PositionSelector"},
        {conditionScrollBar_, "ConditionScrollBar"},
        {conditionFrame_, "条件框"},
        {runButton_, "选号结果"},
        {storeButton_, "暂存结果"},
        {resetButton_, "重置"}};
    for (const auto& [object, name] : required) {
        if (!object)
            missing_ << QString::fromUtf8(name);
    }
}

bool WindowMonkey::play(long actionCount) {
    if (!missing_.isEmpty()) {
        fail("controls not found: " + missing_.join(QStringLiteral(", ")).toStdString());
        return false;
    }
    QElapsedTimer clock;
    for (actionIndex_ = 0; actionIndex_ < actionCount && failure_.empty(); ++actionIndex_) {
        int roll = below(totalWeight_);
        auto action = actions_.begin();
        while (roll >= action->weight)
            roll -= (action++)->weight;
        clock.start();
        (this->*action->play)();
        // Between two actions of a player the window is back in its event loop; without this
        // pass the posted events of thousands of actions pile up and every later pass pays.
        QCoreApplication::processEvents();
        checkForModals();
        ++figures_.actions;
        if (clock.elapsed() > figures_.longestActionMs) {
            figures_.longestActionMs = clock.elapsed();
            figures_.longestAction = trail_.empty() ? std::string() : trail_.back().toStdString();
        }
        if (clock.elapsed() > kSlowActionMs)
            fail("the last action took " + std::to_string(clock.elapsed()) + " ms");
    }
    return failure_.empty();
}

int WindowMonkey::below(int bound) {
    return std::uniform_int_distribution<int>(0, bound - 1)(random_);
}

void WindowMonkey::note(const QString& what) {
    // SUOSHUI_MONKEY_TRAIL=1 prints every action as it is played, to follow a replay.
    static const bool printed = qEnvironmentVariableIntValue("SUOSHUI_MONKEY_TRAIL") != 0;
    if (printed)
        std::cout << "#" << actionIndex_ << " " << what.toStdString() << std::endl;
    trail_.push_back(QStringLiteral("#%1 %2").arg(actionIndex_).arg(what));
    if (trail_.size() > kTrailLength)
        trail_.pop_front();
}

void WindowMonkey::fail(const std::string& what) {
    if (!failure_.empty())
        return;
    failure_ = "monkey seed " + std::to_string(seed_) + " (SUOSHUI_MONKEY_SEED), action #" +
               std::to_string(actionIndex_) + ": " + what + "\nlast actions:\n";
    for (const QString& step : trail_)
        failure_ += "  " + step.toStdString() + "\n";
}

void WindowMonkey::clickLikeAPlayer(QAbstractButton* button) {
    if (below(4) == 0)
        QTest::mouseClick(button, Qt::LeftButton);
    else
        button->click();
}

void WindowMonkey::checkForModals() {
    const QStringList closed = modals_.takeClosed();
    if (!closed.isEmpty())
        fail("a modal window opened: " + closed.join(QStringLiteral(" | ")).toStdString());
}

void WindowMonkey::checkReport(const char* after) {
    const bool groupingTicked = std::any_of(groupings_.begin(), groupings_.end(),
                                            [](QRadioButton* radio) { return radio->isChecked(); });
    const ResultReport report = readResultReport(boxText(window_, "ResultBox"));
    const std::vector<std::string> mismatches =
        reportMismatches(report, window_.session().results, groupingTicked);
    if (!mismatches.empty())
        fail(std::string("report after ") + after + ": " + mismatches.front());
}

void WindowMonkey::checkRun(bool controlsUnchanged) {
    checkForModals();
    if (window_.session().runInProgress)
        fail("the run still counts as in progress after it returned");
    for (const char* picture : {"图片框5", "图片框2"}) {
        const QWidget* busy = window_.findChild<QWidget*>(QString::fromUtf8(picture));
        if (busy && !busy->isHidden())
            fail(std::string("busy picture ") + picture + " still shown after the run");
    }
    const std::vector<std::string> problems =
        survivorProblems(window_, window_.session(), controlsUnchanged);
    if (!problems.empty())
        fail("results: " + problems.front());
    checkReport("a run");
    figures_.runsCheckedAgainstTests += controlsUnchanged && failure_.empty() ? 1 : 0;
    figures_.runsWithResults += window_.session().results.empty() ? 0 : 1;
}

void WindowMonkey::tickValueBox() {
    QAbstractButton* box = pick(taggedButtons_);
    note(QStringLiteral("tick ") + nameOf(box));
    clickLikeAPlayer(box);
}

void WindowMonkey::clickRadio() {
    const int which =
        below(static_cast<int>(numberTypes_.size() + modes_.size() + groupings_.size()));
    const std::size_t index = static_cast<std::size_t>(which);
    if (index < numberTypes_.size() + modes_.size()) {
        QRadioButton* radio =
            index < numberTypes_.size() ? numberTypes_[index] : modes_[index - numberTypes_.size()];
        note(QStringLiteral("radio ") + radio->text());
        clickLikeAPlayer(radio);
        return;
    }
    // A grouping rebuilds the report from the last results: it must agree with them at once.
    QRadioButton* grouping = groupings_.at(index - numberTypes_.size() - modes_.size());
    note(QStringLiteral("grouping ") + grouping->text());
    grouping->click();
    ++figures_.groupingRenders;
    checkReport("a grouping click");
}

void WindowMonkey::toggleOption() {
    QCheckBox* option = pick(options_);
    note(QStringLiteral("option ") + option->text() + QStringLiteral(" in ") +
         option->parentWidget()->objectName());
    clickLikeAPlayer(option);
}

void WindowMonkey::choosePosition() {
    if (below(2) == 0) {
        const int index = below(std::max(1, positionSelector_->count()));
        note(QStringLiteral("position %1").arg(index));
        positionSelector_->setCurrentIndex(index);
        return;
    }
    const bool down = below(2) == 0;
    note(down ? QStringLiteral("position key down") : QStringLiteral("position key up"));
    QTest::keyClick(positionSelector_, down ? Qt::Key_Down : Qt::Key_Up);
}

void WindowMonkey::typeText(QWidget* box, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F)
            QTest::keyClick(box, static_cast<char>(c.unicode()));
        else if (c == u'\n')
            QTest::keyClick(box, Qt::Key_Return);
        else if (c != u'\r' && c != u'\t')
            sendTextKey(box, QString(c));
    }
}

void WindowMonkey::typeIntoBox() {
    QWidget* box = below(8) == 0 ? resultBox_ : pick(inputBoxes_);
    const QString text = texts_.typed();
    note(QStringLiteral("type into %1: %2").arg(box->objectName(), shown(text)));
    if (below(3) == 0)
        QTest::mouseClick(box, Qt::LeftButton);  // a press empties the digit sequence hint
    typeText(box, text);
}

void WindowMonkey::pasteIntoBox() {
    QWidget* box = below(8) == 0 ? resultBox_ : pick(inputBoxes_);
    auto* line = qobject_cast<QLineEdit*>(box);
    auto* multi = qobject_cast<QPlainTextEdit*>(box);
    if (!line && !multi)
        return;
    const QString text = texts_.pasted();
    const int how = below(4);
    note(QStringLiteral("paste (way %1) into %2: %3").arg(how).arg(box->objectName(), shown(text)));
    if (how <= 1)
        QApplication::clipboard()->setText(text);
    if (how == 0)
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    else if (how == 1)
        line ? line->paste() : multi->paste();
    else if (how == 2)
        line ? line->insert(text) : multi->insertPlainText(text);
    else
        line ? line->setText(text) : multi->setPlainText(text);
}

void WindowMonkey::pressEditingKeys() {
    struct Keys {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    static const std::vector<Keys> keys = {
        {Qt::Key_Backspace, Qt::NoModifier}, {Qt::Key_Delete, Qt::NoModifier},
        {Qt::Key_Home, Qt::NoModifier},      {Qt::Key_End, Qt::ShiftModifier},
        {Qt::Key_Left, Qt::NoModifier},      {Qt::Key_A, Qt::ControlModifier},
        {Qt::Key_Z, Qt::ControlModifier},    {Qt::Key_Y, Qt::ControlModifier},
        {Qt::Key_Return, Qt::NoModifier},    {Qt::Key_Tab, Qt::NoModifier}};
    QWidget* box = below(8) == 0 ? resultBox_ : pick(inputBoxes_);
    const int presses = 1 + below(6);
    note(QStringLiteral("%1 editing keys in %2").arg(presses).arg(box->objectName()));
    for (int i = 0; i < presses; ++i) {
        const Keys& press = pick(keys);
        QTest::keyClick(box, press.key, press.modifiers);
    }
}

void WindowMonkey::run() {
    note(QStringLiteral("run"));
    ++figures_.runs;
    runButton_->click();
    checkRun(true);
}

void WindowMonkey::runWithClickDuringRun() {
    struct Posted {
        bool fired = false;
        bool duringRun = false;
    };
    auto posted = std::make_shared<Posted>();
    QTimer::singleShot(0, &window_, [this, posted] {
        posted->fired = true;
        posted->duringRun = window_.session().runInProgress;
        clickDuringRun();
    });
    note(QStringLiteral("run, with a click posted for its event pass"));
    ++figures_.runs;
    std::this_thread::sleep_for(kPauseBeforeInjectedRun);
    runButton_->click();
    for (int pass = 0; pass < 100 && !posted->fired; ++pass)
        QCoreApplication::processEvents();
    if (!posted->duringRun) {
        // What the late click changed after the report was written is not the run's fault.
        ++figures_.clicksAfterRun;
        return;
    }
    ++figures_.runsWithClickDuringRun;
    checkRun(false);
}

// Number types and "重置" stay out: switching the type half way would list a group both as a
// direct number and as a group form, which no report can keep apart.
void WindowMonkey::clickDuringRun() {
    switch (below(7)) {
        case 0:
            note(QStringLiteral("  during the run: 选号结果"));
            runButton_->click();
            break;
        case 1:
            tickValueBox();
            break;
        case 2: {
            QRadioButton* radio = below(2) == 0 ? pick(groupings_) : pick(modes_);
            note(QStringLiteral("  during the run: ") + radio->text());
            radio->click();
            break;
        }
        case 3:
            toggleOption();
            break;
        case 4: {
            QWidget* box = pick(inputBoxes_);
            const QString text = texts_.typed();
            note(QStringLiteral("  during the run: type into %1: %2")
                     .arg(box->objectName(), shown(text)));
            typeText(box, text);
            break;
        }
        case 5:
            store();
            break;
        default:
            scroll();
    }
}

void WindowMonkey::store() {
    note(QStringLiteral("store"));
    storeButton_->click();
}

void WindowMonkey::reset() {
    note(QStringLiteral("reset"));
    resetButton_->click();
}

void WindowMonkey::scroll() {
    const int how = below(4);
    note(QStringLiteral("scroll (way %1)").arg(how));
    if (how == 0) {
        conditionScrollBar_->setValue(
            conditionScrollBar_->minimum() +
            below(conditionScrollBar_->maximum() - conditionScrollBar_->minimum() + 1));
    } else if (how == 1) {
        static const std::vector<QAbstractSlider::SliderAction> steps = {
            QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
            QAbstractSlider::SliderPageStepAdd,   QAbstractSlider::SliderPageStepSub,
            QAbstractSlider::SliderToMinimum,     QAbstractSlider::SliderToMaximum};
        conditionScrollBar_->triggerAction(pick(steps));
    } else if (how == 2) {
        const QPointF centre = QRectF(conditionFrame_->rect()).center();
        const int notches = (below(2) == 0 ? -120 : 120) * (1 + below(3));
        QWheelEvent wheel(centre, conditionFrame_->mapToGlobal(centre), QPoint(),
                          QPoint(0, notches), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(conditionFrame_, &wheel);
    } else {
        QScrollBar* bar = qobject_cast<QPlainTextEdit*>(resultBox_)->verticalScrollBar();
        bar->setValue(bar->minimum() + below(bar->maximum() - bar->minimum() + 1));
    }
}

void WindowMonkey::resize() {
    const int width = 400 + below(1400);
    const int height = 300 + below(1100);
    note(QStringLiteral("resize to %1 x %2").arg(width).arg(height));
    window_.resize(width, height);
}

}  // namespace suoshui::monkey
