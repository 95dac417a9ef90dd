#include "store/HistoryDatabase.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace suoshui::store {

namespace {

// SQLite's result codes for a file that is not a database or is damaged.
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;

// How long a change waits for another copy of the program to finish its own.
constexpr int kBusyWaitMs = 3000;

// Each step brings the tables from the version before it to its own; a file of any older
// version is brought up step by step.
const char* const kMigrations[] = {
    // Version 1: one row per draw. `position` orders the draws of a lottery (the larger the
    // newer): the issue as a number where there is one, else the line's place in a list of
    // bare numbers.
    "CREATE TABLE draws ("
    " lottery TEXT NOT NULL,"
    " position INTEGER NOT NULL,"
    " issue TEXT,"
    " date TEXT NOT NULL DEFAULT '',"
    " number INTEGER NOT NULL CHECK (number BETWEEN 0 AND 999),"
    " PRIMARY KEY (lottery, position));"
    "CREATE UNIQUE INDEX draws_by_issue ON draws (lottery, issue) WHERE issue IS NOT NULL;",
};
static_assert(std::size(kMigrations) == HistoryDatabase::kSchemaVersion);

QString lotteryKey(Lottery lottery) {
    return lottery == Lottery::Fucai3D ? QStringLiteral("fc3d") : QStringLiteral("pl3");
}

bool isDamage(const QSqlError& error) {
    const int code = error.nativeErrorCode().toInt();
    return code == kSqliteCorrupt || code == kSqliteNotADatabase;
}

QString why(const QSqlError& error) {
    const int code = error.nativeErrorCode().toInt();
    if (code == 5 || code == 6)  // SQLITE_BUSY, SQLITE_LOCKED
        return QStringLiteral("开奖历史库正被另一个程序占用，请稍后再试");
    if (code == 13)  // SQLITE_FULL
        return QStringLiteral("磁盘已满，开奖历史没有改动");
    if (code == 8 || code == 14)  // SQLITE_READONLY, SQLITE_CANTOPEN
        return QStringLiteral("开奖历史库无法写入或打开（没有权限？）");
    return QStringLiteral("开奖历史库出错：%1").arg(error.text());
}

qint64 positionOf(const Draw& draw, qint64 lineFromOldest) {
    bool isNumber = false;
    const qint64 issue = QString::fromStdString(draw.issue).toLongLong(&isNumber);
    return draw.issue.empty() || !isNumber ? lineFromOldest : issue;
}

}  // namespace

HistoryDatabase::HistoryDatabase(const QString& filePath, const QString& connectionName)
    : filePath_(filePath), connectionName_(connectionName) {
    open();
}

HistoryDatabase::~HistoryDatabase() {
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName_);
}

void HistoryDatabase::open() {
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        problem_ = QStringLiteral("缺少 Qt 的 SQLite 驱动（libqt6sql6-sqlite），开奖历史不能保存");
        return;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
    db.setDatabaseName(filePath_);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyWaitMs));
    bool damaged = false;
    if (prepare(damaged) || !damaged)
        return;
    // A damaged file is set aside under a name of its own and a new one started.
    db.close();
    const QString aside = filePath_ + QStringLiteral(".damaged-") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (!QFile::rename(filePath_, aside)) {
        problem_ = QStringLiteral("开奖历史库“%1”已损坏，也无法改名移开").arg(filePath_);
        return;
    }
    problem_.clear();
    if (prepare(damaged))
        problem_ = QStringLiteral("开奖历史库已损坏，已改名为“%1”保留，新建了一个空的库")
                       .arg(QFileInfo(aside).fileName());
}

// Opens the file and brings its tables to this version. False with problem_ set on failure.
bool HistoryDatabase::prepare(bool& damaged) {
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    if (!db.open()) {
        damaged = isDamage(db.lastError());
        problem_ = why(db.lastError());
        return false;
    }
    QSqlQuery query(db);
    // Reading the first page tells a damaged file or one that is no database.
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next() ||
        !query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        damaged = isDamage(query.lastError());
        problem_ = why(query.lastError());
        db.close();
        return false;
    }
    query.exec(QStringLiteral("PRAGMA user_version"));
    query.next();
    const int version = query.value(0).toInt();
    if (version > kSchemaVersion) {
        problem_ =
            QStringLiteral("开奖历史库是更新的版本写的（版本 %1），这个版本不改动它").arg(version);
        db.close();
        return false;
    }
    for (int step = version; step < kSchemaVersion; ++step) {
        if (!db.transaction()) {
            problem_ = why(db.lastError());
            return false;
        }
        bool done = true;
        for (const QString& statement :
             QString::fromUtf8(kMigrations[step]).split(u';', Qt::SkipEmptyParts))
            done = done && query.exec(statement);
        done = done && query.exec(QStringLiteral("PRAGMA user_version = %1").arg(step + 1));
        if (!done || !db.commit()) {
            const QSqlError error =
                query.lastError().isValid() ? query.lastError() : db.lastError();
            db.rollback();
            damaged = isDamage(error);
            problem_ = why(error);
            db.close();
            return false;
        }
    }
    open_ = true;
    return true;
}

DrawHistory HistoryDatabase::draws(Lottery lottery) {
    DrawHistory history;
    if (!open_)
        return history;
    QSqlQuery query(QSqlDatabase::database(connectionName_, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT issue, date, number FROM draws WHERE lottery = ? ORDER BY position DESC"));
    query.addBindValue(lotteryKey(lottery));
    if (!query.exec()) {
        problem_ = why(query.lastError());
        return history;
    }
    while (query.next()) {
        const int number = query.value(2).toInt();
        if (number < 0 || number > 999)
            continue;
        history.push_back({query.value(0).toString().toStdString(),
                           query.value(1).toString().toStdString(), number});
    }
    return history;
}

QString HistoryDatabase::add(Lottery lottery, const DrawHistory& draws, const Progress& progress) {
    return write(lottery, draws, false, progress);
}

QString HistoryDatabase::replace(Lottery lottery, const DrawHistory& draws) {
    return write(lottery, draws, true, {});
}

QString HistoryDatabase::clear(Lottery lottery) {
    return write(lottery, {}, true, {});
}

QString HistoryDatabase::write(Lottery lottery, const DrawHistory& draws, bool replacing,
                               const Progress& progress) {
    if (!open_)
        return problem_.isEmpty() ? QStringLiteral("开奖历史库没有打开") : problem_;
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    if (!db.transaction())
        return why(db.lastError());
    QSqlQuery query(db);
    bool done = true;
    if (replacing) {
        query.prepare(QStringLiteral("DELETE FROM draws WHERE lottery = ?"));
        query.addBindValue(lotteryKey(lottery));
        done = query.exec();
    }
    query.prepare(
        QStringLiteral("INSERT OR IGNORE INTO draws (lottery, position, issue, date, "
                       "number) VALUES (?, ?, ?, ?, ?)"));
    const QString key = lotteryKey(lottery);
    // Bare numbers are numbered from the oldest, the last of the list.
    qint64 fromOldest = static_cast<qint64>(draws.size());
    std::size_t written = 0;
    for (const Draw& draw : draws) {
        if (!done)
            break;
        query.addBindValue(key);
        query.addBindValue(positionOf(draw, fromOldest--));
        query.addBindValue(draw.issue.empty() ? QVariant() : QString::fromStdString(draw.issue));
        query.addBindValue(QString::fromStdString(draw.date));
        query.addBindValue(draw.number);
        done = query.exec();
        if (progress && ++written % 256 == 0)
            progress(written);
    }
    if (done && db.commit())
        return {};
    const QSqlError error = query.lastError().isValid() ? query.lastError() : db.lastError();
    db.rollback();
    return why(error);
}

}  // namespace suoshui::store
