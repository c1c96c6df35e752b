// GoogleTest main for tests that drive real widgets: one QApplication for the whole run.
#include <gmock/gmock.h>

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("afd-nominator-tests"));
    testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
