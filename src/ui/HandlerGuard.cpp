#include "ui/HandlerGuard.h"

#include <QMessageBox>
#include <QString>
#include <exception>
#include <new>

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
    } catch (const std::bad_alloc&) {
        warn(parent, "内存不够，这一步没有做完。");
    } catch (const std::exception& failure) {
        warn(parent, failure.what());
    } catch (...) {
        warn(parent, "出现了意外的错误，这一步没有做完。");
    }
}

}  // namespace suoshui::ui
