#include "ui/ResultPanel.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "ui/ChunkedText.h"
#include "ui/LineEnds.h"
#include "ui/NoteBox.h"
#include "ui/QtText.h"
#include "ui/WindowColours.h"
#include "ui/WindowFonts.h"

namespace suoshui::ui {

namespace {

// Places in the panel, whose corner is at 515, 86 of the window.
constexpr int kResultTop = 79;
constexpr int kPictureInset = 3;
constexpr int kPictureTop = 81;
constexpr int kBusyBarHeight = 13;

QLabel* makePicture(QWidget* parent, const char* name, const QString& picture) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setPixmap(QPixmap(picture));
    label->setScaledContents(true);
    label->hide();
    return label;
}

}  // namespace

ResultPanel::ResultPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ResultPanel"));
    move(515, 86);
    buildGroupingBox();
    resultBox_ = new NoteBox(QStringLiteral("StatusLine"), this);
    resultBox_->setObjectName(QStringLiteral("ResultBox"));
    resultBox_->setAccessibleName(QStringLiteral("选号结果"));
    hitLine_ = resultBox_->addNoteLine(QStringLiteral("HitLine"));
    resultBox_->setFont(songTi(14));
    // The box follows the window's width down to a few pixels. A bar that came and went with
    // the text there re-wrapped the report at each change, without end, and froze the window.
    resultBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The listing is the run's: it can be selected and copied, never changed, so that 保存 and
    // 暂存 write what the run listed; Tab moves on.
    resultBox_->setReadOnly(true);
    resultBox_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    resultBox_->setTabChangesFocus(true);
    busyPanel_ = makePicture(this, "图片框5", QStringLiteral(":/pictures/busy_panel.gif"));
    busyBar_ = makePicture(this, "图片框2", QStringLiteral(":/pictures/busy_bar.gif"));
    fitResultBox(269, 417);
}

void ResultPanel::buildGroupingBox() {
    groupingBox_ = new QWidget(this);
    groupingBox_->setObjectName(QStringLiteral("结果分类框"));
    groupingBox_->setGeometry(2, 0, 245, 75);
    fillBackground(groupingBox_, kStripFill);
    auto* title = new QLabel(QStringLiteral("结果分类："), groupingBox_);
    title->setFont(songTi(12, true));
    title->move(8, 5);
    const std::pair<ResultGrouping, const char*> radios[] = {
        {ResultGrouping::Flat, "常 规"},      {ResultGrouping::BySum, "和 值"},
        {ResultGrouping::BySumTail, "和 尾"}, {ResultGrouping::BySpan, "跨 度"},
        {ResultGrouping::ByParity, "奇偶比"}, {ResultGrouping::BySizeRatio, "大小比"},
    };
    int index = 0;
    for (const auto& [grouping, caption] : radios) {
        auto* radio = new QRadioButton(QString::fromUtf8(caption), groupingBox_);
        radio->setFont(heiTi(12));
        radio->move(14 + (index % 3) * 76, 26 + (index / 3) * 22);
        connect(radio, &QRadioButton::clicked, this, &ResultPanel::groupingClicked);
        groupings_[grouping] = radio;
        ++index;
    }
    groupings_.at(ResultGrouping::Flat)->setChecked(true);
}

void ResultPanel::setGrouping(ResultGrouping grouping) {
    groupings_.at(grouping)->setChecked(true);
}

ResultGrouping ResultPanel::grouping() const {
    for (const auto& [grouping, radio] : groupings_) {
        if (radio->isChecked())
            return grouping;
    }
    return ResultGrouping::Flat;
}

std::string ResultPanel::report() const {
    return toCrLf(resultBox_->toPlainText()).toStdString();
}

// A long report goes in piece by piece, so the window keeps drawing while it is laid out.
void ResultPanel::showReport(const std::string& report) {
    putPlainText(resultBox_, fromCrLf(QString::fromStdString(report)));
}

void ResultPanel::showStatus(const QString& status) {
    resultBox_->setNote(status);
}

QString ResultPanel::status() const {
    return resultBox_->note();
}

void ResultPanel::showHitLine(const QString& line) {
    resultBox_->setNote(line, hitLine_);
}

QString ResultPanel::hitLine() const {
    return resultBox_->note(hitLine_);
}

QPlainTextEdit* ResultPanel::resultBox() const {
    return resultBox_;
}

void ResultPanel::showRunStarted(int windowWidth) {
    for (QLabel* picture : {busyPanel_, busyBar_}) {
        picture->show();
        picture->raise();
    }
    QFont font = resultBox_->font();
    font.setPointSize(windowWidth > 800 ? 11 : 9);
    font.setBold(false);
    resultBox_->setFont(font);
}

void ResultPanel::showRunEnded() {
    busyPanel_->hide();
    busyBar_->hide();
}

void ResultPanel::fitResultBox(int width, int height) {
    resize(width + kPictureInset, kPictureTop + height);
    resultBox_->setGeometry(0, kResultTop, width, height);
    busyPanel_->setGeometry(kPictureInset, kPictureTop, width, height);
    busyBar_->setGeometry(kPictureInset, kResultTop + height - kBusyBarHeight, width,
                          kBusyBarHeight);
    groupingBox_->resize(width, groupingBox_->height());
}

void ResultPanel::reset() {
    groupings_.at(ResultGrouping::Flat)->setChecked(true);
    resultBox_->clear();
}

std::vector<QWidget*> ResultPanel::radiosInReadingOrder() const {
    std::vector<QWidget*> radios;
    for (const auto& [grouping, radio] : groupings_)
        radios.push_back(radio);
    return radios;
}

}  // namespace suoshui::ui
