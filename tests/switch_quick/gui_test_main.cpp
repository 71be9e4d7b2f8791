#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QQuickWindow>

// Qt Quick tests run headless on the software scene graph, whose pixels are the same on every
// machine, in an application without Qt Widgets.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
