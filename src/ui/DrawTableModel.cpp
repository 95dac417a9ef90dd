#include "ui/DrawTableModel.h"

#include <QBrush>
#include <QColor>

#include "engine/LotteryNumber.h"
#include "features/SumFeatures.h"
#include "ui/QtText.h"

namespace suoshui::ui {

void DrawTableModel::showHistory(DrawHistory history) {
    replaceContents([this, &history] {
        history_ = std::move(history);
        fates_.clear();
    });
}

void DrawTableModel::showBacktest(const BacktestResult* result) {
    fates_ = result ? result->fates : std::vector<NumberFate>();
    if (rowCount() > 0)
        emit dataChanged(index(0, kBacktest), index(rowCount() - 1, kBacktest));
}

const NumberFate* DrawTableModel::fateOfRow(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= fates_.size())
        return nullptr;
    return &fates_[static_cast<std::size_t>(row)];
}

QString DrawTableModel::text(const Draw& draw, int column, int row) const {
    const std::string number = numberText(draw.number);
    switch (column) {
        case kIssue:
            return qtText(draw.issue);
        case kDate:
            return qtText(draw.date);
        case kNumber:
            return qtText(number);
        case kSum:
            return QString::number(digitSum(number));
        case kSpan:
            return QString::number(suoshui::span(number));
        case kKind:
            return qtText(groupKindText(groupKind(number)));
        case kBacktest:
            if (const NumberFate* fate = fateOfRow(row))
                return fate->listed ? QStringLiteral("✓ 保留") : QStringLiteral("✗ 淘汰");
            return {};
        default:
            return {};
    }
}

QVariant DrawTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Draw& draw = history_[static_cast<std::size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole:
            return text(draw, index.column(), index.row());
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
        case Qt::ForegroundRole:
            if (const NumberFate* fate = fateOfRow(index.row());
                fate && index.column() == kBacktest)
                return QBrush(fate->listed ? QColor(0, 120, 40) : QColor(190, 20, 20));
            return {};
        default:
            return {};
    }
}

QVariant DrawTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    static const QString kHeaders[] = {
        QStringLiteral("期号"), QStringLiteral("日期"), QStringLiteral("号码"),
        QStringLiteral("和值"), QStringLiteral("跨度"), QStringLiteral("形态"),
        QStringLiteral("回测"),
    };
    return section >= 0 && section < kColumnCount ? kHeaders[section] : QVariant();
}

}  // namespace suoshui::ui
