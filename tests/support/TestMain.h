#pragma once

#include "platform/ProgramEnd.h"

#include <QTest>

// Qt's test mains, ending as every program of the build ends: through EndProgram, once the
// test object and the application are gone.
int EndTestProgram(int status);

#define FBR_TEST_MAIN_WRAPPER(TestObject, ...)                                                     \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        const int status = [&] {                                                                   \
            QT_PREPEND_NAMESPACE(QTest::Internal::callInitMain)<TestObject>();                     \
            __VA_ARGS__                                                                            \
            TestObject tc;                                                                         \
            QTEST_SET_MAIN_SOURCE_PATH                                                             \
            return QTest::qExec(&tc, argc, argv);                                                  \
        }();                                                                                       \
        EndProgram(EndTestProgram(status));                                                        \
    }

#define FBR_TEST_MAIN(TestObject) FBR_TEST_MAIN_WRAPPER(TestObject, QTEST_MAIN_SETUP())
#define FBR_TEST_GUILESS_MAIN(TestObject)                                                          \
    FBR_TEST_MAIN_WRAPPER(TestObject, QTEST_QAPP_SETUP(QCoreApplication))
