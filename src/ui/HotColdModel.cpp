#include "ui/HotColdModel.h"

#include "ui/QtText.h"

namespace suoshui::ui {

void HotColdModel::showTable(const PerPositionDigit<HotCold>& table) {
    replaceContents([this, &table] {
        table_ = table;
        shown_ = true;
    });
}

QVariant HotColdModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const std::size_t position = static_cast<std::size_t>(index.row()) / kDigits;
    const std::size_t digit = static_cast<std::size_t>(index.row()) % kDigits;
    const HotCold& cell = table_[position][digit];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    static const QString kPositionNames[] = {QStringLiteral("百位"), QStringLiteral("十位"),
                                             QStringLiteral("个位")};
    const bool sorting = role == Qt::UserRole;
    if (role != Qt::DisplayRole && !sorting)
        return {};
    const auto bounded = [sorting](const BoundedCount& count) -> QVariant {
        if (sorting)
            return QVariant::fromValue(static_cast<qulonglong>(count.value));
        return qtText(boundedCountText(count));
    };
    switch (index.column()) {
        case kPosition:
            return sorting ? QVariant(static_cast<int>(position))
                           : QVariant(kPositionNames[position]);
        case kDigit:
            return static_cast<int>(digit);
        case kNewest10:
        case kNewest30:
        case kNewest100:
            return QVariant::fromValue(static_cast<qulonglong>(
                cell.inNewest[static_cast<std::size_t>(index.column() - kNewest10)]));
        case kCurrent:
            return bounded(cell.currentOmission);
        case kLongest:
            return bounded(cell.longestOmission);
        default:
            return {};
    }
}

QVariant HotColdModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    static const QString kHeaders[] = {
        QStringLiteral("位置"),     QStringLiteral("数字"),  QStringLiteral("近10"),
        QStringLiteral("近30"),     QStringLiteral("近100"), QStringLiteral("当前遗漏"),
        QStringLiteral("最大遗漏"),
    };
    return section >= 0 && section < kColumnCount ? kHeaders[section] : QVariant();
}

}  // namespace suoshui::ui
