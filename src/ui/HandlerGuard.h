#pragma once

#include <functional>

class QWidget;

namespace suoshui::ui {

// Runs a handler of a player's action. A tag that no control carries stops the handler with the
// warning "未找到指定标记的组件" (what it changed before stays); any other failure is shown the
// same way with its own text. Nothing is let through into the event loop, which cannot take it.
void runGuarded(QWidget* parent, const std::function<void()>& handler);

}  // namespace suoshui::ui
