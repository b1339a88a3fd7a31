// Shared main for the test programs: pins the environment the tests rely on
// (headless Qt, UTC, a UTF-8 locale with a '.' decimal point) before anything starts.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <ctime>

#if TESSALY_TEST_APP == 1
#include <QCoreApplication>
#elif TESSALY_TEST_APP == 2
#include <QApplication>
#endif

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("TZ", "UTC", 0);
    setenv("LC_ALL", "C.UTF-8", 0);
    tzset();
    setlocale(LC_ALL, "");
    ::testing::InitGoogleTest(&argc, argv);
#if TESSALY_TEST_APP == 1
    QCoreApplication app(argc, argv);
#elif TESSALY_TEST_APP == 2
    QApplication app(argc, argv);
#endif
    setlocale(LC_NUMERIC, "C");
    return RUN_ALL_TESTS();
}
