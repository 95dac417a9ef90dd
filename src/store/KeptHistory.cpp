#include "store/KeptHistory.h"

#include <QSettings>

#include "store/HistoryDatabase.h"

namespace suoshui::store {

namespace {

const QString kLotteryChoice = QStringLiteral("history/lottery");
const QString kDatabaseFile = QStringLiteral("history.sqlite");

}  // namespace

KeptHistory::KeptHistory(DataFolder folder, const QString& connectionName, QObject* parent)
    : QObject(parent), folder_(std::move(folder)), connectionName_(connectionName) {
    const QString chosen = folder_.rememberedChoices()->value(kLotteryChoice).toString();
    lottery_ = lotteryNamed(chosen.toStdString()).value_or(Lottery::Fucai3D);
}

KeptHistory::~KeptHistory() = default;

// Opened when first needed, so that a start does not wait for it.
HistoryDatabase& KeptHistory::database() {
    if (!database_) {
        folderProblem_ = folder_.create();
        database_ = std::make_unique<HistoryDatabase>(
            folderProblem_.isEmpty() ? folder_.filePath(kDatabaseFile) : QString(),
            connectionName_);
    }
    return *database_;
}

void KeptHistory::setLottery(Lottery lottery) {
    if (lottery == lottery_)
        return;
    lottery_ = lottery;
    const std::string_view name = lotteryName(lottery);
    folder_.rememberedChoices()->setValue(
        kLotteryChoice, QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    emit lotteryChanged(lottery);
}

const DrawHistory& KeptHistory::draws(Lottery lottery) {
    auto found = read_.find(lottery);
    if (found == read_.end())
        found = read_.emplace(lottery, database().draws(lottery)).first;
    return found->second;
}

QString KeptHistory::problem() {
    HistoryDatabase& db = database();
    if (!folderProblem_.isEmpty())
        return folderProblem_ + QStringLiteral("，开奖历史不能保存");
    return db.problem();
}

void KeptHistory::keep(Lottery lottery, DrawHistory draws) {
    read_[lottery] = std::move(draws);
    emit changed(lottery);
}

KeptHistory::Addition KeptHistory::add(Lottery lottery, const DrawHistory& read) {
    HistoryDatabase& db = database();
    // What the file holds now, with whatever another copy added; without a file, what is here.
    DrawHistory kept = db.isOpen() ? db.draws(lottery) : draws(lottery);
    Addition addition{mergeDraws(kept, read), {}};
    if (db.isOpen())
        addition.failure = db.add(lottery, addition.merge.added);
    if (addition.failure.isEmpty())
        keep(lottery, addition.merge.history);
    return addition;
}

QString KeptHistory::replace(Lottery lottery, const DrawHistory& draws) {
    HistoryDatabase& db = database();
    const QString failure = db.isOpen() ? db.replace(lottery, draws) : QString();
    if (failure.isEmpty())
        keep(lottery, draws);
    return failure;
}

QString KeptHistory::clear(Lottery lottery) {
    return replace(lottery, {});
}

void KeptHistory::reload() {
    read_.clear();
    emit changed(lottery_);
}

}  // namespace suoshui::store
