#pragma once

#include <QString>
#include <string_view>

namespace suoshui::ui {

// The core's UTF-8 texts as the window shows them.
inline QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace suoshui::ui
