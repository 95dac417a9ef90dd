#include "ui/EventPass.h"

#include <QCoreApplication>

namespace suoshui::ui {

namespace {

// The passes under way, nested: the GUI thread's alone.
int passesUnderWay = 0;

}  // namespace

void letEventsThrough(bool includeInput) {
    ++passesUnderWay;
    QCoreApplication::processEvents(includeInput ? QEventLoop::AllEvents
                                                 : QEventLoop::ExcludeUserInputEvents);
    --passesUnderWay;
}

bool insideEventPass() {
    return passesUnderWay > 0;
}

}  // namespace suoshui::ui
