#include "ui/ConditionKillModel.h"

#include "history/BacktestText.h"

namespace suoshui::ui {

void ConditionKillModel::showBacktest(const BacktestResult* result) {
    beginResetModel();
    backtest_ = result;
    endResetModel();
}

int ConditionKillModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !backtest_ ? 0 : static_cast<int>(backtest_->kills.size());
}

int ConditionKillModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant ConditionKillModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(
            index.column() == kName ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter));
    if (role != Qt::DisplayRole)
        return {};
    const ConditionKill& kill = backtest_->kills[static_cast<std::size_t>(index.row())];
    switch (index.column()) {
        case kName:
            return QString::fromStdString(kill.name);
        case kDraws:
            return QVariant::fromValue(static_cast<qulonglong>(kill.draws));
        case kShare: {
            const double share =
                backtest_->drawCount == 0
                    ? 0.0
                    : static_cast<double>(kill.draws) / static_cast<double>(backtest_->drawCount);
            return QString::fromStdString(percentText(share));
        }
        default:
            return {};
    }
}

QVariant ConditionKillModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    static const QString kHeaders[] = {QStringLiteral("条件"), QStringLiteral("单独淘汰的期数"),
                                       QStringLiteral("占回测期数")};
    return section >= 0 && section < kColumnCount ? kHeaders[section] : QVariant();
}

}  // namespace suoshui::ui
