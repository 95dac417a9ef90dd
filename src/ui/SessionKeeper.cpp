#include "ui/SessionKeeper.h"

#include <QToolButton>

#include "ui/QtText.h"

namespace suoshui::ui {

SessionKeeper::SessionKeeper(store::DataFolder folder, QToolButton* button, Window window,
                             QObject* parent)
    : QObject(parent), file_(std::move(folder)), button_(button), window_(std::move(window)) {
    connect(button_, &QToolButton::clicked, this, &SessionKeeper::restore);
    showButtonState();
}

void SessionKeeper::showButtonState() {
    const bool kept = file_.exists();
    button_->setEnabled(kept);
    button_->setToolTip(
        kept ? QStringLiteral("恢复上次：上次结束时的条件、大底和选号结果（保存于 %1）")
                   .arg(file_.keptAt().toString(QStringLiteral("yyyy-MM-dd HH:mm")))
             : QStringLiteral("恢复上次：还没有保存过的会话（程序结束时自动保存）"));
}

void SessionKeeper::keep() {
    const QString problem = file_.write(keptSessionText(window_.session()));
    if (!problem.isEmpty())
        window_.tell(QStringLiteral("上次的会话没有保存：") + problem);
    showButtonState();
}

void SessionKeeper::restore() {
    const store::KeptSessionFile::Reading reading = file_.read();
    if (!reading.problem.isEmpty()) {
        window_.tell(reading.problem + QStringLiteral("，没有恢复"));
        return;
    }
    const KeptSessionReading kept = readKeptSession(reading.text);
    if (!kept.session) {
        window_.tell(QStringLiteral("上次的会话“%1”读不出（%2），没有恢复，已忽略")
                         .arg(file_.path(), qtText(kept.fault)));
        return;
    }
    window_.restore(*kept.session);
    const QString when = file_.keptAt().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    window_.tell(kept.session->results
                     ? QStringLiteral("已恢复上次（%1）的条件、大底和 %2 注选号结果")
                           .arg(when)
                           .arg(kept.session->results->size())
                     : QStringLiteral("已恢复上次（%1）的条件和大底；上次没有选号").arg(when));
}

}  // namespace suoshui::ui
