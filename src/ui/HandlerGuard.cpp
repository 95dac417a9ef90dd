#include "ui/HandlerGuard.h"

#include <QMessageBox>
#include <QString>
#include <exception>

#include "features/ConditionTable.h"

namespace suoshui::ui {

namespace {

void warn(QWidget* parent, const char* message) {
    QMessageBox::warning(parent, parent ? parent->windowTitle() : QString(),
                         QString::fromUtf8(message));
}

}  // namespace

void runGuarded(QWidget* parent, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const TagNotFound&) {
        warn(parent, kTagNotFoundMessage);
    } catch (const std::exception& failure) {
        warn(parent, failure.what());
    } catch (...) {
        warn(parent, "unexpected failure");
    }
}

}  // namespace suoshui::ui
