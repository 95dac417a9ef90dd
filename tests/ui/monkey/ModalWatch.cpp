#include "monkey/ModalWatch.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

namespace suoshui::monkey {

namespace {

constexpr int kWatchIntervalMs = 20;

QString describe(QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal))
        return QStringLiteral("message box: ") + box->text();
    return QStringLiteral("%1 %2").arg(QString::fromUtf8(modal->metaObject()->className()),
                                       modal->objectName());
}

}  // namespace

ModalWatch::ModalWatch(QObject* parent) : QObject(parent) {
    connect(&timer_, &QTimer::timeout, this, [this] { closeModals(); });
    timer_.start(kWatchIntervalMs);
}

QStringList ModalWatch::takeClosed() {
    closeModals();
    return std::exchange(closed_, {});
}

void ModalWatch::closeModals() {
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    closed_ << describe(modal);
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

}  // namespace suoshui::monkey
