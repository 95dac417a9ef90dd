#include "ui/ProductTexts.h"

#include "lists/ReportFile.h"
#include "ui/QtText.h"

namespace suoshui::ui {

QString productTitle() {
    return QStringLiteral("银罗盘3D排列3选号缩水");
}

QString shownVersion() {
    return qtText(kVersionText);
}

}  // namespace suoshui::ui
