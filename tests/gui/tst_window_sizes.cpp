// Windows sized to what they show: column titles whole, dialogs as wide as their titles, the
// schedule editor on the screen and centred on the main window.
#include "gui/club/PairGrid.h"
#include "gui/schedules/TNewChangeDlg.h"
#include "gui/schedules/TSchemaDlg.h"
#include "gui/schedules/TSchemaForm.h"
#include "gui/schedules/TVernummerDlg.h"
#include "gui/selection/TGroepenDlg.h"
#include "gui/selection/TSelectieDlg.h"
#include "support/ClubBuilder.h"
#include "support/ScriptedDialogs.h"

#include <QDialog>
#include <QHeaderView>
#include <QScreen>
#include <QStyle>
#include <QTableWidget>
#include <QtTest>
#include <memory>
#include <vector>

using velk::test::ScriptedDialogs;

namespace {

// Every column title fits its section: text and the header's margins on both sides.
void CheckTitlesFit(const QTableWidget& grid) {
    const QHeaderView* header = grid.horizontalHeader();
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int c = 0; c < grid.columnCount(); ++c) {
        const QString title = grid.horizontalHeaderItem(c)->text();
        const int needed = header->fontMetrics().horizontalAdvance(title) + 2 * margin;
        QVERIFY2(
            header->sectionSize(c) >= needed,
            qPrintable(QStringLiteral("%1: %2 < %3").arg(title).arg(header->sectionSize(c)).arg(needed)));
    }
}

// The schedule editor of a main window at `place`, opened on the whole view of `counts`.
struct EditorOnMain {
    EditorOnMain(const QRect& place, const velk::ScheduleCounts& counts)
        : club(velk::test::MakeClub(counts.Pairs, 1)) {
        main.setGeometry(place);
        main.show();
        form = std::make_unique<TSchemaForm>(club, dialogs, &main);
        form->NewSchedule(3, counts, 0);
    }
    QWidget main;
    velk::Club club;
    ScriptedDialogs dialogs;
    std::unique_ptr<TSchemaForm> form;
};

} // namespace

class TestWindowSizes : public QObject {
    Q_OBJECT

private slots:
    void pairGridTitlesFitAtEveryFont() {
        PairGrid grid;
        grid.show();
        CheckTitlesFit(grid);
        QCOMPARE(grid.columnWidth(4), 260); // the name column keeps its room
        for (const int size : {10, 14, 20}) {
            grid.setFont(QFont(grid.font().family(), size));
            CheckTitlesFit(grid);
        }
    }

    void dialogsAreAsWideAsTheirTitles() {
        velk::Club club = velk::test::MakeClub(40, 4);
        ScriptedDialogs dialogs;
        std::vector<std::unique_ptr<QDialog>> all;
        auto selection = std::make_unique<TSelectieDlg>(club, dialogs);
        selection->setUpFor(22);
        all.push_back(std::move(selection));
        auto copy = std::make_unique<TGroepenDlg>(club, dialogs);
        copy->setUp();
        all.push_back(std::move(copy));
        all.push_back(std::make_unique<TSchemaDlg>(club, dialogs, 1));
        all.push_back(std::make_unique<TNewChangeDlg>());
        all.push_back(std::make_unique<TVernummerDlg>(club, dialogs));
        for (const auto& dialog : all) {
            dialog->show();
            const int title = dialog->fontMetrics().horizontalAdvance(dialog->windowTitle());
            QVERIFY2(dialog->width() >= title, qPrintable(dialog->windowTitle()));
            dialog->hide();
        }
    }

    void scheduleEditorShowsItsGridCentredOnTheMainWindow() {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        // The main window in the screen's middle, so that a centred editor has room on all sides.
        EditorOnMain editor(QRect(screen.left() + screen.width() / 4, screen.top() + screen.height() / 4,
                                  screen.width() / 2, screen.height() / 2),
                            {8, 4, 7, 7});
        QWidget& main = editor.main;
        TSchemaForm& form = *editor.form;
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        const QRect frame = form.frameGeometry();
        QVERIFY2(screen.contains(frame), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                        .arg(frame.x())
                                                        .arg(frame.y())
                                                        .arg(frame.width())
                                                        .arg(frame.height())));
        QVERIFY(qAbs(frame.center().x() - main.frameGeometry().center().x()) <= 2);
        QVERIFY(qAbs(frame.center().y() - main.frameGeometry().center().y()) <= 2);
        const auto* grid = form.findChild<QTableWidget*>(QStringLiteral("SchemaGrid"));
        QVERIFY(grid->viewport()->width() >= grid->horizontalHeader()->length());
        QVERIFY(grid->viewport()->height() >= grid->verticalHeader()->length());
        QVERIFY(form.width() >= form.fontMetrics().horizontalAdvance(form.windowTitle()));
    }

    void aScheduleWiderThanTheScreenStaysOnIt() {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        EditorOnMain editor(QRect(screen.right() - 300, screen.top() + 10, 280, 200), {32, 16, 15, 15});
        QVERIFY(QTest::qWaitForWindowExposed(editor.form.get()));
        QVERIFY(screen.contains(editor.form->frameGeometry()));
    }
};

QTEST_MAIN(TestWindowSizes)
#include "tst_window_sizes.moc"
