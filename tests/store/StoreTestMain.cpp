#include <gtest/gtest.h>

#include <QCoreApplication>

#include "ChildImport.h"

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    // Started again by a test as the import it kills: this run never returns.
    if (const int code = suoshui::store::runChildImportIfAsked(); code >= 0)
        return code;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
