#pragma once

#include <QString>
#include <functional>

#include "history/DrawHistory.h"
#include "history/Lottery.h"

namespace suoshui::store {

// The kept draws of both lotteries in one SQLite file, through Qt SQL. Every change is one
// transaction, so that a program killed half way leaves the file as it was before that change.
// A file that is not a database, or a damaged one, is renamed aside (never deleted) and a new
// one started; one that cannot be opened at all (no permission, locked by another copy for too
// long) leaves the database closed, and problem() says why.
class HistoryDatabase {
  public:
    // The connection carries a name of its own, so that every window (and every test) has its
    // own connection to its own file.
    HistoryDatabase(const QString& filePath, const QString& connectionName);
    ~HistoryDatabase();
    HistoryDatabase(const HistoryDatabase&) = delete;
    HistoryDatabase& operator=(const HistoryDatabase&) = delete;

    bool isOpen() const { return open_; }
    // Why the database is closed, or what happened while opening it (a damaged file renamed
    // aside); empty when nothing is worth saying.
    const QString& problem() const { return problem_; }

    // Newest first; empty when closed or on a failed read (then problem() says why).
    DrawHistory draws(Lottery lottery);

    // Called every few hundred rows written, for progress.
    using Progress = std::function<void(std::size_t written)>;
    // Each returns empty on success, else why nothing was changed. `add` writes draws whose
    // issues are not kept yet; `replace` puts these draws in place of the lottery's; `clear`
    // removes the lottery's draws.
    QString add(Lottery lottery, const DrawHistory& draws, const Progress& progress = {});
    QString replace(Lottery lottery, const DrawHistory& draws);
    QString clear(Lottery lottery);

    // The version of the layout of the tables this program writes.
    static constexpr int kSchemaVersion = 1;

  private:
    void open();
    bool prepare(bool& damaged);
    QString write(Lottery lottery, const DrawHistory& draws, bool replacing,
                  const Progress& progress);

    QString filePath_;
    QString connectionName_;
    bool open_ = false;
    QString problem_;
};

}  // namespace suoshui::store
