#include "ui/LineEnds.h"

#include "lists/NumberText.h"

namespace suoshui::ui {

namespace {

bool hasLineLongerThan(const QString& text, qsizetype longest) {
    qsizetype lineStart = 0;
    for (qsizetype at = text.indexOf(u'\n'); at >= 0; at = text.indexOf(u'\n', at + 1)) {
        if (at - lineStart > longest)
            return true;
        lineStart = at + 1;
    }
    return text.size() - lineStart > longest;
}

}  // namespace

QString withShortBoxLines(const QString& text) {
    // A line of kLongestBoxLine characters holds at most that many UTF-8 bytes of digits.
    if (!hasLineLongerThan(text, kLongestBoxLine))
        return text;
    const std::string broken =
        withShortLines(text.toStdString(), static_cast<std::size_t>(kLongestBoxLine));
    return QString::fromStdString(broken);
}

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
