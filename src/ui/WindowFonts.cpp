#include "ui/WindowFonts.h"

#include <QStringList>

namespace suoshui::ui {

namespace {

QFont fontOf(const QStringList& families, int pixelSize, bool bold) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

}  // namespace

QFont songTi(int pixelSize, bool bold) {
    return fontOf({QStringLiteral("Noto Serif CJK SC"), QStringLiteral("SimSun"),
                   QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei")},
                  pixelSize, bold);
}

QFont heiTi(int pixelSize, bool bold) {
    return fontOf({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("SimHei"),
                   QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("Noto Serif CJK SC")},
                  pixelSize, bold);
}

QFont songTiEvenBlanks(int pixelSize, bool bold) {
    return fontOf({QStringLiteral("SimSun"), QStringLiteral("Noto Sans Mono CJK SC"),
                   QStringLiteral("Noto Serif CJK SC")},
                  pixelSize, bold);
}

}  // namespace suoshui::ui
