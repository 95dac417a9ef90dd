#include "ui/ConditionKillModel.h"

#include "history/BacktestText.h"

namespace suoshui::ui {

void ConditionKillModel::showBacktest(const BacktestResult* result) {
    replaceContents([this, result] {
        kills_ = result ? result->kills : std::vector<ConditionKill>();
        drawCount_ = result ? result->drawCount : 0;
    });
}

QVariant ConditionKillModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(
            index.column() == kName ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter));
    if (role != Qt::DisplayRole)
        return {};
    const ConditionKill& kill = kills_[static_cast<std::size_t>(index.row())];
    switch (index.column()) {
        case kName:
            return QString::fromStdString(kill.name);
        case kDraws:
            return QVariant::fromValue(static_cast<qulonglong>(kill.draws));
        case kShare: {
            const double share =
                drawCount_ == 0 ? 0.0
                                : static_cast<double>(kill.draws) / static_cast<double>(drawCount_);
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
