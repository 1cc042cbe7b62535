#include <QApplication>

#include <gtest/gtest.h>

// Tests on a real display: the application object takes the platform the environment names.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
