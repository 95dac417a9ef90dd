#include "fetch/UpdateText.h"

namespace suoshui::fetch {

namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// "新增 3 期，最新 2026235" or "没有新的开奖，最新仍是 2026235", then each conflict with a kept
// draw.
QString addedText(const DrawMerge& merge) {
    const QString newest = merge.history.empty() ? QString() : qt(merge.history.front().issue);
    QString text = merge.added.empty()
                       ? QStringLiteral("没有新的开奖，最新仍是 %1").arg(newest)
                       : QStringLiteral("新增 %1 期，最新 %2").arg(merge.added.size()).arg(newest);
    for (const DrawConflict& conflict : merge.conflicts)
        text += QStringLiteral("；") + qt(conflictText(conflict));
    return text;
}

QString setAsideText(const UpdateOutcome& outcome) {
    return outcome.setAside.join(QStringLiteral("；"));
}

}  // namespace

UpdateReport updateReport(const UpdateOutcome& outcome, const DrawMerge& merge,
                          const QString& keepFailure) {
    if (!keepFailure.isEmpty())
        return {QStringLiteral("收到的开奖号码没有存入：") + keepFailure, true};
    if (outcome.draws.empty()) {
        if (outcome.cancelled)
            return {QStringLiteral("已取消更新开奖，还没有收到完整的一页，开奖历史没有改动"),
                    false};
        const QString lead = outcome.offline ? QStringLiteral("无法连接网络，开奖历史没有改动：")
                                             : QStringLiteral("没有更新，开奖历史没有改动：");
        return {lead + setAsideText(outcome), true};
    }
    const QString added = outcome.sourceName + QStringLiteral("：") + addedText(merge);
    const bool conflicts = !merge.conflicts.empty();
    if (outcome.cancelled)
        return {QStringLiteral("已取消更新开奖，收到并核对过的几页已加入。") + added +
                    QStringLiteral("。再按“更新开奖”会补上其余的"),
                conflicts};
    if (!outcome.complete)
        return {QStringLiteral("更新没有完成（%1），收到并核对过的几页已加入。")
                        .arg(setAsideText(outcome)) +
                    added,
                true};
    if (!outcome.setAside.isEmpty())
        return {added + QStringLiteral("（先试的来源不行：%1）").arg(setAsideText(outcome)),
                conflicts};
    return {added, conflicts};
}

}  // namespace suoshui::fetch
