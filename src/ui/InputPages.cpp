#include "ui/InputPages.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include "features/OptionCaptions.h"
#include "lists/InputHints.h"
#include "lists/NumberText.h"
#include "ui/ChunkedText.h"
#include "ui/LineEnds.h"
#include "ui/NoteBox.h"
#include "ui/QtText.h"
#include "ui/WindowFonts.h"

namespace suoshui::ui {

namespace {

// The pages stand over the first three condition rows, whose height they have.
constexpr int kPageHeight = 68;

// The base list is read again this long after the player stops typing: a pasted list of
// megabytes is read once, not at every piece that goes in.
constexpr int kReadBackDelayMs = 150;

QLabel* addLabel(QWidget* page, const char* text, int left, int top) {
    auto* label = new QLabel(QString::fromUtf8(text), page);
    label->setFont(songTi(12));
    label->move(left, top);
    return label;
}

QLineEdit* addLineBox(QWidget* page, const char* name, const QRect& geometry, int maxChars) {
    auto* box = new QLineEdit(page);
    box->setObjectName(QString::fromUtf8(name));
    box->setGeometry(geometry);
    box->setMaxLength(maxChars);
    box->setFont(songTi(12));
    return box;
}

QPlainTextEdit* addMultiLineBox(QWidget* page, const char* name, const QRect& geometry) {
    auto* box = new QPlainTextEdit(page);
    box->setObjectName(QString::fromUtf8(name));
    box->setGeometry(geometry);
    box->setFont(songTi(12));
    return box;
}

// What a screen reader says for each box: the caption the player reads beside it.
constexpr std::pair<InputBox, const char*> kSpokenNames[] = {
    {InputBox::DigitSequence, "不定位的数字序列"},
    {InputBox::Banker, "胆码"},
    {InputBox::Drag, "拖码"},
    {InputBox::BaseList, "大底"},
    {InputBox::TargetCount, "选择注数"},
    {InputBox::ExcludeSet1, "复式排除 1"},
    {InputBox::ExcludeSet2, "复式排除 2"},
    {InputBox::ExcludeSet3, "复式排除 3"},
    {InputBox::ExcludeSet4, "复式排除 4"},
    {InputBox::ExcludeSingles, "单式排除"},
};

}  // namespace

InputPages::InputPages(QWidget* parent) : QStackedWidget(parent) {
    setObjectName(QStringLiteral("InputPages"));
    setAccessibleName(QStringLiteral("输入页"));
    setGeometry(14, 128, 474, kPageHeight);
    setAutoFillBackground(true);
    // In the order of InputPage.
    for (auto build : {&InputPages::buildDigitSequencePage, &InputPages::buildBankerDragPage,
                       &InputPages::buildBaseListPage, &InputPages::buildCountPage,
                       &InputPages::buildExclusionPage}) {
        auto* page = new QWidget(this);
        addWidget(page);
        (this->*build)(page);
    }
    setCurrentIndex(0);
    hide();
    nameForScreenReaders();
    for (const auto& [box, edit] : lineBoxes_)
        connect(edit, &QLineEdit::textChanged, this, &InputPages::changed);
    for (const auto& [box, edit] : multiLineBoxes_) {
        connect(edit, &QPlainTextEdit::textChanged, this, &InputPages::changed);
        // Tab moves on instead of typing a tab, which the numbers never hold.
        edit->setTabChangesFocus(true);
    }
    for (const auto& [check, box] : options_)
        connect(box, &QCheckBox::toggled, this, &InputPages::changed);
    connect(intersectCount_, &QSpinBox::valueChanged, this, &InputPages::changed);
    connect(positionSelector_, &QComboBox::currentIndexChanged, this, &InputPages::changed);
    connect(importButton_, &QPushButton::clicked, this, &InputPages::importClicked);
    watchBaseList();
}

void InputPages::nameForScreenReaders() {
    for (const auto& [box, name] : kSpokenNames) {
        if (const auto line = lineBoxes_.find(box); line != lineBoxes_.end())
            line->second->setAccessibleName(QString::fromUtf8(name));
        else
            multiLineBoxes_.at(box)->setAccessibleName(QString::fromUtf8(name));
    }
    positionSelector_->setAccessibleName(QStringLiteral("胆码位置"));
}

void InputPages::buildDigitSequencePage(QWidget* page) {
    addLabel(page, "输入你选择的数字序列（最多0~9十个是数字）", 8, 8);
    auto* box = new QLineEdit(page);
    box->setObjectName(QStringLiteral("DigitSequenceBox"));
    box->setGeometry(9, 34, 163, 20);
    box->setFont(songTi(14, true));
    box->setMaxLength(10);
    box->setPlaceholderText(qtText(kDigitSequenceHint).trimmed());
    lineBoxes_[InputBox::DigitSequence] = box;
}

void InputPages::buildBankerDragPage(QWidget* page) {
    addLabel(page, "胆码", 14, 8);
    lineBoxes_[InputBox::Banker] = addLineBox(page, "BankerBox", {51, 6, 57, 19}, 3);
    addLabel(page, "位置", 146, 8);
    positionSelector_ = new QComboBox(page);
    positionSelector_->setObjectName(QStringLiteral("PositionSelector"));
    positionSelector_->setGeometry(181, 6, 93, 20);
    positionSelector_->setFont(songTi(12));
    for (std::string_view position : kBankerPositionCaptions)
        positionSelector_->addItem(qtText(position));
    positionSelector_->setCurrentIndex(0);
    addLabel(page, "(胆码最多3个)", 282, 8);
    addLabel(page, "拖码", 14, 37);
    lineBoxes_[InputBox::Drag] = addLineBox(page, "DragBox", {51, 35, 118, 19}, 9);
    addLabel(page, "（拖码最多9个而且不能包含胆码）", 175, 37);
}

void InputPages::buildBaseListPage(QWidget* page) {
    importButton_ = new QPushButton(QStringLiteral("导入大底"), page);
    importButton_->setObjectName(QStringLiteral("导入大底"));
    importButton_->setGeometry(7, 5, 74, 22);
    importButton_->setFont(songTi(12));
    importButton_->setToolTip(
        QStringLiteral("提示：必须用空格或者“，”分隔，否则会出错！也可以直接粘贴"));
    const std::pair<Check, const char*> options[] = {
        {Check::Intersect, "只用大底里出现两次以上的号码：暂存几次结果后，得到它们共有的号码"},
        {Check::GroupToDirect, "把大底里的每个号码展开成同样数字的全部直选号码"},
    };
    int top = 30;
    for (const auto& [check, hint] : options) {
        auto* box = new QCheckBox(qtText(captionOf(kOptionCaptions, check)), page);
        box->setFont(heiTi(12));
        box->setToolTip(QString::fromUtf8(hint));
        box->adjustSize();
        // The second option sits near the foot of the page; it ends where the page does.
        box->setGeometry(8, top, box->width(), std::min(box->height(), kPageHeight - top));
        options_[check] = box;
        top += 18;
    }
    addIntersectCountBox(page);
    baseList_ = new NoteBox(QStringLiteral("BaseListReadBack"), page);
    baseList_->setObjectName(QStringLiteral("BaseListBox"));
    baseList_->setGeometry(94, 3, 320, 62);
    baseList_->setFont(songTi(12));
    baseList_->setPlaceholderText(fromCrLf(qtText(kBaseListHint)).trimmed());
    multiLineBoxes_[InputBox::BaseList] = baseList_;
}

// How often a number must occur in the base list for "取交集" to keep it. It stands right of the
// base list, the only free place on the page, and counts only while "取交集" is ticked.
void InputPages::addIntersectCountBox(QWidget* page) {
    intersectCount_ = new QSpinBox(page);
    intersectCount_->setObjectName(QStringLiteral("IntersectMinCount"));
    intersectCount_->setAccessibleName(QStringLiteral("取交集的出现次数"));
    intersectCount_->setRange(kDefaultIntersectCount, kMostIntersectCount);
    intersectCount_->setValue(kDefaultIntersectCount);
    intersectCount_->setSuffix(QStringLiteral("次"));
    intersectCount_->setFont(songTi(12));
    intersectCount_->setGeometry(418, 28, 50, 20);
    intersectCount_->setToolTip(
        QStringLiteral("取交集的出现次数：大底里至少出现这么多次的号码才保留。"
                       "2 次是一向的做法；暂存了几次结果，就填几次，得到每一次结果里都有的号码"));
    intersectCount_->setEnabled(false);
    QCheckBox* intersect = options_.at(Check::Intersect);
    connect(intersect, &QCheckBox::toggled, intersectCount_, &QSpinBox::setEnabled);
    auto* caption = new QLabel(QStringLiteral("出现"), page);
    caption->setFont(songTi(12));
    caption->setGeometry(420, 10, 48, 16);
    caption->setBuddy(intersectCount_);
}

void InputPages::buildCountPage(QWidget* page) {
    addLabel(page, "选择注数：", 10, 8);
    lineBoxes_[InputBox::TargetCount] = addLineBox(page, "TargetCountBox", {85, 5, 67, 21}, 3);
    addLabel(page, "注", 156, 8);
    QLabel* note = addLabel(page,
                            "    提示：确定注数以后可以选择其它条件。也可先选条件，再定注数。"
                            "加入条件后可能出现比你预想更少的注数。",
                            8, 30);
    note->setWordWrap(true);
    note->resize(460, 36);
}

void InputPages::buildExclusionPage(QWidget* page) {
    addLabel(page, "复式排除", 6, 3);
    addLabel(page, "输入排除的复式，限4-7个数。", 62, 3);
    const QPoint places[] = {{6, 20}, {117, 20}, {6, 44}, {117, 44}};
    for (int index = 0; index < 4; ++index) {
        const QByteArray name = "ExcludeSetBox" + QByteArray::number(index + 1);
        QLineEdit* box = addLineBox(page, name.constData(), {places[index], QSize(93, 21)}, 7);
        box->setFont(songTi(14, true));
        lineBoxes_[kExcludeSetBoxes[static_cast<std::size_t>(index)]] = box;
    }
    addLabel(page, "单式排除", 239, 3);
    addLabel(page, "放入需要排除的号码", 295, 3);
    multiLineBoxes_[InputBox::ExcludeSingles] =
        addMultiLineBox(page, "ExcludeSinglesBox", {239, 21, 226, 44});
}

void InputPages::watchBaseList() {
    readBackDelay_ = new QTimer(this);
    readBackDelay_->setSingleShot(true);
    readBackDelay_->setInterval(kReadBackDelayMs);
    connect(readBackDelay_, &QTimer::timeout, this, &InputPages::showBaseListReading);
    const auto readAgain = [this] { readBackDelay_->start(); };
    connect(baseList_, &QPlainTextEdit::textChanged, this, readAgain);
    connect(intersectCount_, &QSpinBox::valueChanged, this, readAgain);
    for (const auto& [check, box] : options_)
        connect(box, &QCheckBox::toggled, this, readAgain);
    connect(&readBack_, &QFutureWatcher<QString>::finished, this, [this] {
        if (!readBack_.isCanceled() && readBack_.future().resultCount() > 0)
            baseList_->setNote(readBack_.result());
    });
    showBaseListReading();
}

void InputPages::showBaseListReading() {
    const ListReading reading{options_.at(Check::Intersect)->isChecked(), intersectCount(),
                              options_.at(Check::GroupToDirect)->isChecked()};
    // A list of megabytes takes a while to read: the worker reads it while the player goes on
    // typing, and a reading overtaken by a newer one is dropped.
    readBack_.setFuture(QtConcurrent::run([text = baseList_->toPlainText(), reading] {
        return QString::fromStdString(readBackText(readNumberText(text.toStdString(), reading)));
    }));
}

std::string InputPages::text(InputBox box) const {
    if (const auto line = lineBoxes_.find(box); line != lineBoxes_.end())
        return line->second->text().toStdString();
    if (const auto multi = multiLineBoxes_.find(box); multi != multiLineBoxes_.end())
        return toCrLf(multi->second->toPlainText()).toStdString();
    return {};
}

// A stored result lengthens a long base list: such texts go in piece by piece, so the window
// keeps drawing while they are laid out.
void InputPages::setText(InputBox box, const std::string& text) {
    setText(box, QString::fromStdString(text));
}

void InputPages::setText(InputBox box, const QString& value) {
    if (const auto line = lineBoxes_.find(box); line != lineBoxes_.end())
        line->second->setText(value);
    else if (const auto multi = multiLineBoxes_.find(box); multi != multiLineBoxes_.end())
        putPlainText(multi->second, withShortBoxLines(fromCrLf(value)));
}

int InputPages::intersectCount() const {
    return intersectCount_->value();
}

void InputPages::setIntersectCount(int count) {
    intersectCount_->setValue(count);
}

int InputPages::positionIndex() const {
    return positionSelector_->currentIndex();
}

void InputPages::setPositionIndex(int index) {
    positionSelector_->setCurrentIndex(index);
}

QCheckBox* InputPages::checkBox(Check check) const {
    const auto found = options_.find(check);
    return found == options_.end() ? nullptr : found->second;
}

void InputPages::showPage(ShownPage page) {
    if (!page) {
        hide();
        return;
    }
    setCurrentIndex(static_cast<int>(*page));
    show();
}

void InputPages::reset() {
    for (InputBox box : kExcludeSetBoxes)
        setText(box, QString());
    for (InputBox box : {InputBox::ExcludeSingles, InputBox::TargetCount, InputBox::Banker,
                         InputBox::Drag, InputBox::DigitSequence})
        setText(box, QString());
    hide();
}

std::vector<QWidget*> InputPages::inputsInReadingOrder() const {
    std::vector<QWidget*> inputs = {positionSelector_};
    for (InputBox box : {InputBox::DigitSequence, InputBox::Banker, InputBox::Drag})
        inputs.push_back(lineBoxes_.at(box));
    inputs.push_back(importButton_);
    for (Check check : {Check::Intersect, Check::GroupToDirect})
        inputs.push_back(options_.at(check));
    inputs.push_back(multiLineBoxes_.at(InputBox::BaseList));
    inputs.push_back(intersectCount_);
    inputs.push_back(lineBoxes_.at(InputBox::TargetCount));
    for (InputBox box : kExcludeSetBoxes)
        inputs.push_back(lineBoxes_.at(box));
    inputs.push_back(multiLineBoxes_.at(InputBox::ExcludeSingles));
    return inputs;
}

}  // namespace suoshui::ui
