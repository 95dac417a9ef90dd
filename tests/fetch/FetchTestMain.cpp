#include <gtest/gtest.h>

#include <QCoreApplication>

// The update's requests and the local server need an application object and its event loop.
int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
