// The yardstick for the music benchmark: a bare Qt window of the start-up
// window's size, nothing else, on the same Qt and platform.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(480, 328);
    window.show();
    return app.exec();
}
