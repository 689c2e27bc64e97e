// Entry point of every test program: without a display unless the
// environment names one, and with a Qt application object as the code expects.
#include <gtest/gtest.h>

#include <cstdlib>

#ifdef ZUMEO_TEST_GUI
#include <QApplication>
#else
#include <QCoreApplication>
#endif

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
#ifdef ZUMEO_TEST_GUI
    QApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}
