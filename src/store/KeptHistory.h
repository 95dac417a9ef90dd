#pragma once

#include <QObject>
#include <QString>
#include <map>
#include <memory>

#include "history/DrawHistory.h"
#include "history/DrawMerge.h"
#include "history/Lottery.h"
#include "store/DataFolder.h"

namespace suoshui::store {

class HistoryDatabase;

// The draw histories the program keeps, one per lottery, and the lottery the player chose: the
// one owner of the draws, which the windows observe. Changes go to the database at once, each
// in one transaction; without a database (it could not be opened) the draws live as long as the
// window, and problem() says why.
class KeptHistory : public QObject {
    Q_OBJECT
  public:
    // The database connection carries the name given, one per main window.
    KeptHistory(DataFolder folder, const QString& connectionName, QObject* parent = nullptr);
    ~KeptHistory() override;

    // Where the draws and the choices around them are kept.
    const DataFolder& folder() const { return folder_; }

    Lottery lottery() const { return lottery_; }
    // Remembered in the data folder's settings for the next start.
    void setLottery(Lottery lottery);

    // Newest first; read from the database the first time they are asked for.
    const DrawHistory& draws() { return draws(lottery_); }
    const DrawHistory& draws(Lottery lottery);
    // Why the draws are not kept, or what happened to a damaged file; empty when all is well.
    QString problem();

    // Adds the draws with issue numbers to what the database holds now (another copy of the
    // program may have added since); the merge says what happened. `failure` is why nothing
    // was written.
    struct Addition {
        DrawMerge merge;
        QString failure;
    };
    Addition add(Lottery lottery, const DrawHistory& read);
    // Each gives why nothing changed, or empty.
    QString replace(Lottery lottery, const DrawHistory& draws);
    QString clear(Lottery lottery);
    // Forgets what was read, so that another copy's changes are seen.
    void reload();

  signals:
    void changed(Lottery lottery);
    void lotteryChanged(Lottery lottery);

  private:
    HistoryDatabase& database();
    void keep(Lottery lottery, DrawHistory draws);

    DataFolder folder_;
    QString connectionName_;
    std::unique_ptr<HistoryDatabase> database_;
    QString folderProblem_;
    Lottery lottery_ = Lottery::Fucai3D;
    std::map<Lottery, DrawHistory> read_;
};

}  // namespace suoshui::store
