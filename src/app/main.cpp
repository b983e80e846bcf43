#include "core/Clock.h"
#include "core/ProgramFolder.h"
#include "gui/DutchTranslations.h"
#include "gui/QtDialogs.h"
#include "gui/club/TClubWindow.h"
#include "gui/help/ProgramHelp.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QSplashScreen>
#include <QTimer>

namespace {

QPixmap SplashPicture() {
    QPixmap picture(360, 160);
    picture.fill(QColor(0, 70, 40));
    QPainter p(&picture);
    p.setPen(Qt::white);
    QFont title = p.font();
    title.setPointSize(28);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(0, 20, 360, 70), Qt::AlignCenter, QStringLiteral("Velk"));
    QFont line = p.font();
    line.setPointSize(11);
    line.setBold(false);
    p.setFont(line);
    p.drawText(QRect(0, 90, 360, 40), Qt::AlignCenter,
               QString::fromUtf8("Uitslagen voor de bridgeclub  ♣ ♦ ♥ ♠"));
    return picture;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velk"));
    InstallDutchTranslations(app);
    QSplashScreen splash(SplashPicture());
    splash.show();
    app.processEvents();

    velk::SystemClock clock;
    QtDialogs dialogs;
    TClubWindow window(dialogs, clock);
    dialogs.setParentWidget(&window);

    // Help: one window for every page; F1 and the Help buttons reach it through the Dialogs port.
    ProgramHelp help(dialogs, window, QString::fromStdString((velk::ProgramFolder() / "help").string()));

    QTimer::singleShot(1200, &splash, [&] {
        splash.finish(&window);
        window.show();
        const QStringList args = QApplication::arguments();
        if (args.size() > 1)
            window.openFile(args.at(1));
    });
    return app.exec();
}
