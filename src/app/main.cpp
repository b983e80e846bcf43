#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velk"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Velk"));
    window.resize(780, 600);
    window.show();
    return app.exec();
}
