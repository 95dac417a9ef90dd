#include "ui/LineEnds.h"

namespace suoshui::ui {

QString toCrLf(const QString& shown) {
    QString text = shown;
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

QString fromCrLf(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

}  // namespace suoshui::ui
