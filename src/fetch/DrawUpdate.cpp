#include "fetch/DrawUpdate.h"

#include <QNetworkAccessManager>
#include <QNetworkCookieJar>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <set>

#include "fetch/DrawAnswers.h"
#include "history/FetchedDraws.h"

namespace suoshui::fetch {

namespace {

// Errors that mean no connection was made: said at once, without waiting for time limits.
bool meansUnreachable(QNetworkReply::NetworkError error) {
    switch (error) {
        case QNetworkReply::ConnectionRefusedError:
        case QNetworkReply::HostNotFoundError:
        case QNetworkReply::TemporaryNetworkFailureError:
        case QNetworkReply::NetworkSessionFailedError:
        case QNetworkReply::UnknownNetworkError:
        case QNetworkReply::ProxyConnectionRefusedError:
        case QNetworkReply::ProxyNotFoundError:
            return true;
        default:
            return false;
    }
}

QString httpStatusText(int status) {
    switch (status) {
        case 403:
            return QStringLiteral("网站拒绝访问（HTTP 403）");
        case 404:
            return QStringLiteral("网址不存在（HTTP 404）");
        default:
            return status >= 500 ? QStringLiteral("网站出错（HTTP %1）").arg(status)
                                 : QStringLiteral("网站答复 HTTP %1").arg(status);
    }
}

QString secondsText(int milliseconds) {
    return QString::number(milliseconds / 1000.0, 'g', 3);
}

bool isOlderOrSame(const std::string& issue, const QString& stopIssue) {
    const std::string stop = stopIssue.toStdString();
    return issue.size() == stop.size() && issue <= stop;
}

}  // namespace

DrawUpdate::DrawUpdate(QObject* parent) : QObject(parent) {
    network_ = new QNetworkAccessManager(this);
    timeLimit_.setSingleShot(true);
    pause_.setSingleShot(true);
    connect(&timeLimit_, &QTimer::timeout, this, [this] {
        timedOut_ = true;
        if (reply_)
            reply_->abort();
    });
    connect(&pause_, &QTimer::timeout, this, &DrawUpdate::requestPage);
}

DrawUpdate::~DrawUpdate() {
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
    }
}

void DrawUpdate::start(Lottery lottery, const std::vector<DrawSource>& sources,
                       const QString& stopIssue) {
    if (running_)
        return;
    sources_.clear();
    for (const DrawSource& source : sources) {
        if (source.lottery == lottery)
            sources_.push_back(source);
    }
    stopIssue_ = stopIssue;
    outcome_ = UpdateOutcome{};
    outcome_.lottery = lottery;
    sourceIndex_ = 0;
    unreachableSources_ = 0;
    running_ = true;
    // Cookies belong to one update: a fresh jar, the old one goes with it.
    network_->setCookieJar(new QNetworkCookieJar(network_));
    if (sources_.empty()) {
        outcome_.setAside << QStringLiteral("sources.ini 里没有%1的来源")
                                 .arg(QString::fromStdString(std::string(lotteryName(lottery))));
        QTimer::singleShot(0, this, &DrawUpdate::finish);
        return;
    }
    trySource();
}

void DrawUpdate::cancel() {
    if (!running_)
        return;
    pause_.stop();
    timeLimit_.stop();
    if (reply_) {
        QNetworkReply* reply = reply_;
        reply_ = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    outcome_.cancelled = true;
    if (sourceIndex_ < sources_.size())
        keepReceivedIfMore();
    finish();
}

void DrawUpdate::trySource() {
    received_.clear();
    page_ = 1;
    if (source().sessionUrl.isEmpty())
        requestPage();
    else
        send(source().sessionUrl, Step::Session);
}

void DrawUpdate::requestPage() {
    send(pageUrl(source(), page_), Step::Page);
}

void DrawUpdate::send(const QString& url, Step step) {
    if (url != url_ || step != step_)
        attempt_ = 0;
    url_ = url;
    step_ = step;
    QNetworkRequest request{QUrl(url)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kRedirectLimit);
    if (!source().userAgent.isEmpty())
        request.setHeader(QNetworkRequest::UserAgentHeader, source().userAgent);
    if (!source().referer.isEmpty())
        request.setRawHeader("Referer", source().referer.toUtf8());
    request.setRawHeader("Accept", source().kind == SourceKind::Text
                                       ? "text/plain, text/csv, */*"
                                       : "application/json, text/plain, */*");
    timedOut_ = false;
    tooLarge_ = false;
    reply_ = network_->get(request);
    connect(reply_, &QNetworkReply::finished, this, &DrawUpdate::replyArrived);
    connect(reply_, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64) {
        if (received > kLargestAnswer && reply_) {
            tooLarge_ = true;
            reply_->abort();
        }
    });
    timeLimit_.start(timeLimitMs_);
}

void DrawUpdate::replyArrived() {
    timeLimit_.stop();
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    if (!reply)
        return;
    reply->deleteLater();
    const std::optional<Failure> failure = failureOf(*reply);
    if (failure && failure->retry && attempt_ == 0) {
        ++attempt_;
        send(url_, step_);
        return;
    }
    // The session page only hands out cookies: the draws' answer tells whether they came.
    if (step_ == Step::Session) {
        if (failure && failure->unreachable)
            sourceFailed(*failure);
        else
            requestPage();
        return;
    }
    if (failure)
        sourceFailed(*failure);
    else
        pageArrived(readAnswer(source(), reply->readAll(),
                               reply->header(QNetworkRequest::ContentTypeHeader).toString()));
}

std::optional<DrawUpdate::Failure> DrawUpdate::failureOf(QNetworkReply& reply) const {
    if (timedOut_)
        return Failure{secondsText(timeLimitMs_) + QStringLiteral(" 秒无响应"), true, false};
    if (tooLarge_)
        return Failure{QStringLiteral("返回的数据超过 32 MB，不像开奖数据"), false, false};
    const QNetworkReply::NetworkError error = reply.error();
    // The last answer of a redirect loop still carries its 302.
    if (error == QNetworkReply::TooManyRedirectsError)
        return Failure{
            QStringLiteral("网址一直在跳转（超过 %1 次），可能是循环").arg(kRedirectLimit)};
    if (error == QNetworkReply::InsecureRedirectError)
        return Failure{QStringLiteral("网址跳转到了不加密的地址，没有跟过去")};
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && (status.toInt() < 200 || status.toInt() >= 300))
        return Failure{httpStatusText(status.toInt()), status.toInt() >= 500, false};
    switch (error) {
        case QNetworkReply::NoError:
            return std::nullopt;
        case QNetworkReply::SslHandshakeFailedError:
            return Failure{QStringLiteral("安全连接没有建立（网站的证书不对）")};
        case QNetworkReply::RemoteHostClosedError:
            return Failure{QStringLiteral("网站中途断开了连接"), true, false};
        default:
            break;
    }
    const QString host = reply.url().host();
    if (meansUnreachable(error))
        return Failure{QStringLiteral("连不上 %1（%2）").arg(host, reply.errorString()), false,
                       true};
    return Failure{reply.errorString(), false, false};
}

void DrawUpdate::pageArrived(const DrawPage& page) {
    QString fault = page.fault;
    if (fault.isEmpty() && page.draws.empty() && page_ == 1)
        fault = QStringLiteral("返回的开奖列表是空的");
    bool reachedEnd = page.draws.empty() || !hasPages(source()) || page_ >= kPageLimit;
    if (fault.isEmpty() && !page.draws.empty())
        fault = takePage(page.draws, reachedEnd);
    if (!fault.isEmpty()) {
        sourceFailed(
            Failure{page_ > 1 ? QStringLiteral("第 %1 页：%2").arg(page_).arg(fault) : fault});
        return;
    }
    emit progressed(source().name, page_, static_cast<int>(received_.size()));
    if (reachedEnd) {
        sourceDone();
        return;
    }
    ++page_;
    pause_.start(source().pauseMs);
}

// Adds a checked page to what the source gave; the end is reached at the issue asked for, or
// when a page brings nothing new (a site that ignores the page number).
QString DrawUpdate::takePage(const DrawHistory& draws, bool& reachedEnd) {
    // The page is judged with what came before it, and taken whole or not at all.
    DrawHistory together = received_;
    together.insert(together.end(), draws.begin(), draws.end());
    if (const std::string fault = repeatedIssueFault(together); !fault.empty())
        return QString::fromStdString(fault);
    std::set<std::string> known;
    for (const Draw& draw : received_)
        known.insert(draw.issue);
    bool broughtNew = false;
    for (const Draw& draw : draws) {
        if (known.insert(draw.issue).second) {
            received_.push_back(draw);
            broughtNew = true;
        }
        reachedEnd = reachedEnd || (!stopIssue_.isEmpty() && isOlderOrSame(draw.issue, stopIssue_));
    }
    reachedEnd = reachedEnd || !broughtNew;
    return {};
}

void DrawUpdate::sourceFailed(const Failure& failure) {
    outcome_.setAside << source().name + QStringLiteral("：") + failure.why;
    unreachableSources_ += failure.unreachable ? 1 : 0;
    keepReceivedIfMore();
    if (++sourceIndex_ < sources_.size()) {
        trySource();
        return;
    }
    outcome_.offline = unreachableSources_ == static_cast<int>(sources_.size());
    finish();
}

// Checked pages of a source that broke off, or of a cancelled update, are kept when no other
// source did better.
void DrawUpdate::keepReceivedIfMore() {
    if (received_.size() > outcome_.draws.size()) {
        outcome_.draws = received_;
        outcome_.sourceName = source().name;
    }
}

void DrawUpdate::sourceDone() {
    outcome_.draws = received_;
    outcome_.sourceName = source().name;
    outcome_.complete = true;
    finish();
}

void DrawUpdate::finish() {
    if (!running_)
        return;
    running_ = false;
    emit finished(outcome_);
}

}  // namespace suoshui::fetch
