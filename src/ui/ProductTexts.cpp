#include "ui/ProductTexts.h"

#include "lists/ReportFile.h"

namespace suoshui::ui {

QString productTitle() {
    return QStringLiteral("银罗盘3D排列3选号缩水");
}

QString shownVersion() {
    return QString::fromUtf8(kVersionText.data(), static_cast<qsizetype>(kVersionText.size()));
}

}  // namespace suoshui::ui
