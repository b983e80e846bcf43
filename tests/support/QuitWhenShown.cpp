// Preloaded into the desktop program by tests/gui/velk_quits_clean.sh: as soon as the main window
// is on screen it is closed, as the user closes it, so the program ends the way it ends for them.
// With VELK_TEST_LEAK set it also leaks a block of its own first: the leak check must still see it.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <cstdlib>

namespace {

char* volatile gLeaked = nullptr;

void CloseTheMainWindowOnceShown() {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, qApp, [timer] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<QMainWindow*>(w) && w->isVisible()) {
                timer->stop();
                if (std::getenv("VELK_TEST_LEAK")) {
                    gLeaked = new char[4242];
                    gLeaked = nullptr;
                }
                w->close();
            }
    });
    timer->start(200);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(CloseTheMainWindowOnceShown)
