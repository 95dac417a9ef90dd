#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <optional>
#include <vector>

#include "fetch/DrawAnswers.h"
#include "fetch/DrawSource.h"
#include "history/DrawHistory.h"
#include "history/Lottery.h"

class QNetworkAccessManager;
class QNetworkReply;

namespace suoshui::fetch {

// What an update brought, for the kept history to add.
struct UpdateOutcome {
    Lottery lottery = Lottery::Fucai3D;
    DrawHistory draws;   // newest first, every page fully received and checked
    QString sourceName;  // whose draws they are; empty when none came
    QStringList setAside;  // "福彩网：没有取得会话，返回里没有开奖数据", one per source that failed
    bool complete = false;  // down to the issue asked for, or to the end of the source's list
    bool cancelled = false;
    bool offline = false;  // no source could be reached at all
};

// Fetches the draws of one lottery newer than a given issue, page by page, from the sources in
// the order given until one gives them. Every answer is judged before its draws are taken: a
// source whose answer fails is set aside with the reason and the next one is tried. Cookies live
// as long as one update; each request has a time limit and one retry when the site was slow or
// broke off.
class DrawUpdate : public QObject {
    Q_OBJECT
  public:
    static constexpr int kRequestTimeLimitMs = 15000;
    static constexpr int kRedirectLimit = 5;
    // A source that never stops paging is stopped here (ten times the draws there have been).
    static constexpr int kPageLimit = 1000;
    static constexpr qint64 kLargestAnswer = 32 * 1024 * 1024;

    explicit DrawUpdate(QObject* parent = nullptr);
    ~DrawUpdate() override;

    void setRequestTimeLimit(int milliseconds) { timeLimitMs_ = milliseconds; }

    // Starts fetching the lottery's draws newer than `stopIssue` (all of them when it is empty)
    // from those of the sources that are of that lottery. Ends with finished().
    void start(Lottery lottery, const std::vector<DrawSource>& sources, const QString& stopIssue);
    // Stops at once; what was fully received and checked is in the outcome.
    void cancel();
    bool isRunning() const { return running_; }

  signals:
    void progressed(const QString& sourceName, int page, int drawsReceived);
    void finished(const suoshui::fetch::UpdateOutcome& outcome);

  private:
    enum class Step { Session, Page };
    struct Failure {
        QString why;
        bool retry = false;        // slow, cut off, or the site's own error: worth one more try
        bool unreachable = false;  // no connection could be made at all
    };

    const DrawSource& source() const { return sources_[sourceIndex_]; }
    void trySource();
    void requestPage();
    void send(const QString& url, Step step);
    void replyArrived();
    std::optional<Failure> failureOf(QNetworkReply& reply) const;
    void pageArrived(const DrawPage& page);
    QString takePage(const DrawHistory& draws, bool& reachedEnd);
    void sourceFailed(const Failure& failure);
    void keepReceivedIfMore();
    void sourceDone();
    void finish();

    QNetworkAccessManager* network_ = nullptr;
    QNetworkReply* reply_ = nullptr;
    QTimer timeLimit_;
    QTimer pause_;
    int timeLimitMs_ = kRequestTimeLimitMs;
    bool running_ = false;
    bool timedOut_ = false;
    bool tooLarge_ = false;

    std::vector<DrawSource> sources_;
    QString stopIssue_;
    std::size_t sourceIndex_ = 0;
    Step step_ = Step::Page;
    QString url_;
    int page_ = 1;
    int attempt_ = 0;
    int unreachableSources_ = 0;
    DrawHistory received_;  // the current source's checked pages
    UpdateOutcome outcome_;
};

}  // namespace suoshui::fetch
