#include "ui/HitCheckPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "history/DrawFields.h"
#include "history/HitCheck.h"
#include "ui/QtText.h"

namespace suoshui::ui {

HitCheckPanel::HitCheckPanel(const HistoryLinks& links, QWidget* parent)
    : QWidget(parent), links_(links) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("核对号码："), this));
    number_ = new QLineEdit(this);
    number_->setObjectName(QStringLiteral("HitCheckNumber"));
    number_->setAccessibleName(QStringLiteral("核对号码"));
    number_->setPlaceholderText(QStringLiteral("留空：核对最新一期"));
    number_->setMaxLength(32);
    row->addWidget(number_, 1);
    layout->addLayout(row);
    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("HitCheckText"));
    text_->setWordWrap(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(text_);
    connect(number_, &QLineEdit::textChanged, this, &HitCheckPanel::refresh);
    refresh();
}

void HitCheckPanel::setHistory(const DrawHistory* history) {
    history_ = history;
    refresh();
}

std::optional<HitCheckPanel::Checked> HitCheckPanel::numberToCheck(QString& whyNone) const {
    const QString typed = number_->text().trimmed();
    if (!typed.isEmpty()) {
        const std::optional<int> number = readNumberField(typed.toStdString());
        if (!number)
            whyNone = QStringLiteral("请输入三位数字的号码，例如 658");
        else
            return Checked{*number, qtText(numberText(*number))};
        return std::nullopt;
    }
    if (!history_ || history_->empty()) {
        whyNone = QStringLiteral("导入开奖历史，或输入一个号码");
        return std::nullopt;
    }
    const Draw& newest = history_->front();
    const QString issue = newest.issue.empty() ? QStringLiteral("最新一期")
                                               : qtText(newest.issue) + QStringLiteral(" 期");
    return Checked{newest.number, issue + QStringLiteral(" ") + qtText(numberText(newest.number))};
}

void HitCheckPanel::refresh() {
    QString whyNone;
    const std::optional<Checked> checked = numberToCheck(whyNone);
    const Session& session = links_.session();
    if (checked && !session.lastRunSettings)
        whyNone = QStringLiteral("还没有选号结果：先在主窗口点“选号结果”");
    // The results of a run still walking are half made; the run's end checks again.
    if (checked && session.runInProgress)
        whyNone = QStringLiteral("正在选号：选号结束后再核对");
    if (!whyNone.isEmpty()) {
        text_->setText(whyNone);
        emit hitLineChanged({});
        return;
    }
    const HitCheck hit =
        checkHit(session.results, session.lastRunSettings->numberType, checked->number);
    const QString verdict = checked->name + QStringLiteral("：") + qtText(hitCheckText(hit));
    text_->setText(verdict);
    emit hitLineChanged(QStringLiteral("中奖核对 ") + verdict);
}

}  // namespace suoshui::ui
