#include <gtest/gtest.h>

#include <QApplication>

#include "ui/Translations.h"

// The window tests need one application object for the whole program.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    suoshui::ui::useChineseLocale();
    QApplication application(argc, argv);
    suoshui::ui::installChineseTranslations(application);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
