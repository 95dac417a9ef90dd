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
    return fontOf({"Noto Serif CJK SC", "SimSun", "Noto Sans CJK SC", "WenQuanYi Zen Hei"},
                  pixelSize, bold);
}

QFont heiTi(int pixelSize, bool bold) {
    return fontOf({"Noto Sans CJK SC", "SimHei", "WenQuanYi Zen Hei", "Noto Serif CJK SC"},
                  pixelSize, bold);
}

QFont songTiEvenBlanks(int pixelSize, bool bold) {
    return fontOf({"SimSun", "Noto Sans Mono CJK SC", "Noto Serif CJK SC"}, pixelSize, bold);
}

}  // namespace suoshui::ui
