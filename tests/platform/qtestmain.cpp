// Test entry for the widget tests: one QApplication for the whole run; Qt's model
// checker reports through warnings, which fail the running test here.
#include <QApplication>
#include <gtest/gtest.h>

namespace {

QtMessageHandler previousHandler = nullptr;

void failOnModelWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtDebugMsg && type != QtInfoMsg && context.category &&
        QByteArray(context.category).startsWith("qt.modeltest"))
        ADD_FAILURE() << "QAbstractItemModelTester: " << text.toStdString();
    if (previousHandler)
        previousHandler(type, context, text);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(failOnModelWarnings);
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Orva"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
