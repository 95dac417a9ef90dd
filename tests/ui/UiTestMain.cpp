#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "support/LocalSources.h"
#include "ui/Translations.h"

// The window tests need one application object for the whole program.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    suoshui::ui::useChineseLocale();
    // What the program keeps goes to a folder of the tests', never the player's; each window
    // test points it at a fresh folder of its own (WindowFixture.h).
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
    QApplication application(argc, argv);
    pointSourcesAt(dataHome.path(), unreachableSources());
    suoshui::ui::installChineseTranslations(application);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
