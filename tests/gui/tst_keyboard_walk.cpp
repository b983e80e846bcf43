// Every dialog the main menu opens on a small competition, walked as a user without a mouse does:
// Tab round its controls, Enter through it, Escape to leave. The walk fails where the focus
// leaves the window or lands on nothing, and where Tab never reaches a control.
#include "core/BuildPaths.h"
#include "gui/club/TClubWindow.h"
#include "support/CompetitionOnDisk.h"
#include "support/ModalAnswers.h"
#include "support/NullDialogs.h"
#include "support/ScoreListBuilder.h"
#include "support/WidgetTesting.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QRadioButton>
#include <QSet>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <deque>
#include <map>

namespace {

const velk::FixedClock kClock(velk::DateTime{2026, 12, 9, 20, 0, 0});

// Answers every question with Nee (or OK), every file choice and text input with Cancel, and
// keeps the texts; the schedule file of the set-up is the one file choice it answers.
class WalkDialogs : public velk::test::NullDialogs {
public:
    int messageBox(const std::string& text, velk::MessageKind kind, std::uint16_t buttons,
                   int help = 0) override {
        ++messages;
        return NullDialogs::messageBox(text, kind, buttons, help);
    }
    std::optional<std::string> openFileName(const velk::FileChoice&) override {
        if (files.empty())
            return std::nullopt;
        std::string file = files.front();
        files.pop_front();
        return file;
    }
    int messages = 0;
    std::deque<std::string> files;
};

// The values a field that refuses to be left empty is given, as the user would type them.
const std::map<QString, QString> kTypedValues = {
    {QStringLiteral("parenbox"), QStringLiteral("8")},
    {QStringLiteral("tafelsbox"), QStringLiteral("4")},
    {QStringLiteral("rondenbox"), QStringLiteral("3")},
    {QStringLiteral("spelgrpnbox"), QStringLiteral("3")},
};

// The control a focus widget belongs to: an editable box or a spin box for its line edit, the
// box round a group of radio buttons (Tab goes into the group, the arrows choose in it).
QWidget* ControlOf(QWidget* w) {
    while (
        w && w->parentWidget() && qobject_cast<QLineEdit*>(w) &&
        (qobject_cast<QComboBox*>(w->parentWidget()) || qobject_cast<QAbstractSpinBox*>(w->parentWidget())))
        w = w->parentWidget();
    if (const auto* radio = qobject_cast<QRadioButton*>(w);
        radio && radio->parentWidget() && (radio->autoExclusive() || radio->group()))
        return w->parentWidget();
    return w;
}

bool InsideItemView(const QWidget* w, const QWidget* window) {
    for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
        if (qobject_cast<const QAbstractItemView*>(p))
            return true;
    return false;
}

QString Describe(const QWidget* w) {
    if (!w)
        return QStringLiteral("nothing");
    QString name = w->objectName();
    if (name.isEmpty())
        if (const auto* b = qobject_cast<const QAbstractButton*>(w))
            name = QStringLiteral("\"%1\"").arg(b->text());
    return QStringLiteral("%1 (%2)").arg(name.isEmpty() ? QStringLiteral("?") : name,
                                         QLatin1String(w->metaObject()->className()));
}

// What Tab should reach: the enabled, shown controls that take the focus by Tab. A widget with
// a focus proxy hands the focus on: the proxy is the one reached.
QSet<QWidget*> TabControls(QWidget* window) {
    QSet<QWidget*> controls;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || !w->isVisibleTo(window) || !w->isEnabled() ||
            !(w->focusPolicy() & Qt::TabFocus) || w->focusProxy() || InsideItemView(w, window))
            continue;
        controls.insert(ControlOf(w));
    }
    return controls;
}

// Makes `window` the active window, as a click on it would.
bool Activate(QWidget* window) {
    QApplication::setActiveWindow(window);
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 2000);
}

class KeyboardWalk {
public:
    KeyboardWalk(WalkDialogs& dialogs, QWidget* main) : dialogs_(dialogs), main_(main) {}

    // Chooses the menu item `action`, walks every window it brings up, and chooses it again
    // (Enter taking each window on to the next) until every window was walked both ways.
    void walkAction(const char* action) {
        action_ = QString::fromLatin1(action);
        for (int run = 0; run < 4; ++run) {
            const int before = int(tabWalked_.size() + enterWalked_.size());
            newWindow_ = false;
            polling_ = true;
            schedulePoll();
            started_.start();
            velk::test::Trigger(main_, action);
            polling_ = false;
            walkLooseWindows();
            closeLooseWindows();
            if (int(tabWalked_.size() + enterWalked_.size()) == before && !newWindow_)
                break;
        }
    }

    const QStringList& problems() const { return problems_; }
    const QSet<QString>& walked() const { return tabWalked_; }

private:
    void problem(const QString& window, const QString& text) {
        problems_ << QStringLiteral("%1 › %2: %3").arg(action_, window, text);
    }

    // A fresh single shot each time: a timer does not fire again while its own call runs, and
    // a window opened from inside a walk must be walked too.
    void schedulePoll() {
        QTimer::singleShot(10, &context_, [this] {
            if (!polling_)
                return;
            schedulePoll();
            pollModal();
        });
    }

    void pollModal() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || busy_.contains(modal))
            return;
        if (started_.elapsed() > 8000) {
            problem(Describe(modal), QStringLiteral("still open after 8 s"));
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->done(QDialog::Rejected);
            else
                modal->close();
            return;
        }
        busy_.insert(modal);
        walkModal(modal);
        busy_.remove(modal);
    }

    void walkModal(QWidget* window) {
        QPointer<QWidget> w(window);
        if (!Activate(window)) {
            problem(Describe(window), QStringLiteral("never became active"));
            window->close();
            return;
        }
        const QString name = window->objectName();
        if (!tabWalked_.contains(name)) {
            tabWalked_.insert(name);
            newWindow_ = true;
            tabWalk(window);
        } else {
            const bool first = !enterWalked_.contains(name);
            enterWalked_.insert(name);
            enterWalk(window, first);
        }
        if (w && w->isVisible())
            leave(window);
    }

    // Tab from the first focus round the window until every control was reached.
    void tabWalk(QWidget* window) {
        const QString where = Describe(window);
        const QSet<QWidget*> controls = TabControls(window);
        QSet<QWidget*> reached;
        QWidget* focus = QApplication::focusWidget();
        if (!focus || focus->window() != window) {
            problem(where, QStringLiteral("opens with the focus on %1").arg(Describe(focus)));
            return;
        }
        const int limit = 3 * int(controls.size()) + 3;
        for (int step = 0; step < limit; ++step) {
            focus = QApplication::focusWidget();
            if (!focus || focus->window() != window) {
                problem(where, QStringLiteral("Tab put the focus on %1").arg(Describe(focus)));
                return;
            }
            QWidget* control = ControlOf(focus);
            reached.insert(control);
            if (std::all_of(controls.begin(), controls.end(),
                            [&](QWidget* c) { return reached.contains(c); }))
                break;
            const int messages = dialogs_.messages;
            QPointer<QWidget> alive(window);
            QTest::keyClick(focus, Qt::Key_Tab);
            if (!alive || !window->isVisible()) {
                problem(where, QStringLiteral("Tab in %1 closed the window").arg(Describe(control)));
                return;
            }
            if (ControlOf(QApplication::focusWidget()) != control)
                continue;
            if (dialogs_.messages > messages) {
                // A field that may not be left empty: the user types a value and goes on.
                const auto value = kTypedValues.find(control->objectName());
                if (value == kTypedValues.end()) {
                    problem(where, QStringLiteral("Tab in %1 is refused").arg(Describe(control)));
                    return;
                }
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(QApplication::focusWidget(), value->second);
            } else if (qobject_cast<QAbstractItemView*>(control)) {
                // A grid keeps Tab for its own cells; the walk goes on past it.
                passGrid(control);
            } else {
                problem(where, QStringLiteral("Tab stays in %1").arg(Describe(control)));
                return;
            }
        }
        for (QWidget* c : controls)
            if (!reached.contains(c))
                problem(where, QStringLiteral("Tab never reaches %1").arg(Describe(c)));
    }

    static void passGrid(QWidget* grid) {
        for (QWidget* w = grid->nextInFocusChain(); w && w != grid; w = w->nextInFocusChain())
            if (!grid->isAncestorOf(w) && w->window() == grid->window() && w->isVisible() && w->isEnabled() &&
                (w->focusPolicy() & Qt::TabFocus)) {
                w->setFocus(Qt::TabFocusReason);
                return;
            }
    }

    // Enter as often as the window has controls: the focus stays in it until Enter closes it.
    void enterWalk(QWidget* window, bool check) {
        const QString where = Describe(window);
        QPointer<QWidget> alive(window);
        const int presses = int(TabControls(window).size()) + 2;
        for (int i = 0; i < presses && alive && window->isVisible(); ++i) {
            QWidget* focus = QApplication::focusWidget();
            if (!focus || focus->window() != window) {
                if (check)
                    problem(where, QStringLiteral("Enter put the focus on %1").arg(Describe(focus)));
                return;
            }
            QTest::keyClick(focus, Qt::Key_Return);
        }
    }

    // Escape leaves the window; a question on the way is answered Nee.
    void leave(QWidget* window) {
        QPointer<QWidget> alive(window);
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus && focus->window() == window ? focus : window, Qt::Key_Escape);
        if (alive && window->isVisible()) {
            problem(Describe(window), QStringLiteral("Escape does not leave it"));
            window->close();
        }
    }

    // Windows the item left open beside the main window: walked with Tab and left with Escape.
    void walkLooseWindows() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w == main_ || !w->isVisible() || qobject_cast<QMenu*>(w) ||
                tabWalked_.contains(w->objectName()))
                continue;
            tabWalked_.insert(w->objectName());
            newWindow_ = true;
            if (!Activate(w)) {
                problem(Describe(w), QStringLiteral("never became active"));
                continue;
            }
            tabWalk(w);
            if (w->isVisible())
                leave(w);
        }
    }

    // What Enter took on to and the walk did not leave.
    void closeLooseWindows() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != main_ && w->isVisible() && !qobject_cast<QMenu*>(w))
                w->close();
        QCoreApplication::processEvents();
    }

    WalkDialogs& dialogs_;
    QWidget* main_;
    QString action_;
    QSet<QString> tabWalked_;
    QSet<QString> enterWalked_;
    QSet<QWidget*> busy_;
    QStringList problems_;
    QElapsedTimer started_;
    QObject context_;
    bool polling_ = false;
    bool newWindow_ = false;
};

// The items that open a window of their own; the help items show the help page and the lists of
// the result window all start from one of the selection dialogs walked here.
const char* const kItems[] = {
    "ClubData",
    "SortPairs",
    "ChooseSession",
    "OpenPoints",
    "Correct",
    "ReadSchedule",
    "EditSchedule",
    "RenumberSchedule",
    "ScoreEntryPerBoard",
    "ScoreEntryPerRound",
    "CopyMatchPoints",
    "CopyGroupScores",
    "SlamCheck",
    "Sor1",
    "spellen1",
    "paren1",
    "MPPerPaar",
    "OutputPairs",
    "OptionsPersonal",
    "OptionsPrint",
    "OptionsSlamBonus",
    "OptionsSettings",
    "MembersNew",
    "ComposePairs",
    "ImportScores",
    "ImportMembers",
    "Calculator",
    "About",
    "NewSession",
};

} // namespace

class TestKeyboardWalk : public QObject {
    Q_OBJECT

private slots:
    void everyDialogOfTheMenuWithTabAndEnter();
};

void TestKeyboardWalk::everyDialogOfTheMenuWithTabAndEnter() {
    // Two groups of four pairs, the two-table Howell read into both: 6 boards in 3 rounds.
    velk::test::CompetitionOnDisk competition(8, 2, 4, 1);
    competition.sessionBoards(1, 6, 3, 2);
    velk::test::ScoreListBuilder list(2, 4, 6, 3);
    list.table(1, 1, 1, 2, 980); // a small slam for the slam check
    competition.scores(1, 6, list.scores);
    const std::string path = competition.write();
    WalkDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    QVERIFY(velk::test::OpenInWindow(window, path));
    dialogs.files.push_back(VELK_SOURCE_DIR "/Schemas/3r-4p-howell-2t-shared.ws0");
    velk::test::ModalAnswers read("SelectieDlg", [](QWidget*) {
        velk::test::KeyHere(Qt::Key_A, Qt::ControlModifier);
        velk::test::TypeHere(QStringLiteral("*"));
        velk::test::KeyHere(Qt::Key_Return);
    });
    velk::test::Trigger(&window, "ReadSchedule");
    QVERIFY(read.done());
    QVERIFY(!window.club().SessionScheduleList.empty());
    velk::test::ShowActive(&window);

    KeyboardWalk walk(dialogs, &window);
    for (const char* item : kItems) {
        walk.walkAction(item);
        QVERIFY2(Activate(&window), item);
    }
    for (const QString& p : walk.problems())
        qWarning("%s", qPrintable(p));
    QVERIFY2(walk.problems().isEmpty(), qPrintable(walk.problems().join(QLatin1Char('\n'))));
    // Each kind of window came up at least once.
    for (const char* name :
         {"ConfigDial", "SortLidDlg", "ZittingDlg", "InvoerForm", "CorrectForm", "SelectieDlg",
          "NewChangeDlg", "SchemaDlg", "VernummerDlg", "ScoreForm", "GroepenDlg", "SlemDlg", "OptiesForm"})
        QVERIFY2(walk.walked().contains(QString::fromLatin1(name)), name);
}

QTEST_MAIN(TestKeyboardWalk)
#include "tst_keyboard_walk.moc"
