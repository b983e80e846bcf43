// The help window: a request for a context shows that context's page, F1 finds the context of the
// window in front, and the contents, index and search lead to pages.
#include "core/HelpContext.h"
#include "core/ProgramFolder.h"
#include "gui/QtDialogs.h"
#include "gui/help/HelpKeys.h"
#include "gui/help/HelpWindow.h"
#include "support/ModalAnswers.h"
#include "support/WidgetTesting.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QtTest>

using velk::test::Child;
using velk::test::Click;
using velk::test::ModalAnswers;
using velk::test::ShowActive;

namespace {

QString HelpFolder() {
    return QString::fromStdString((velk::ProgramFolder() / "help").string());
}

// The title of a page as the file has it, read without the help window's own reader.
QString TitleInFile(const QString& file) {
    QFile f(HelpFolder() + QLatin1Char('/') + file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"));
    return title.match(QString::fromUtf8(f.readAll())).captured(1).simplified();
}

// A field added to `window`, the window shown, F1 pressed in the field.
void PressF1InAField(QWidget& window) {
    auto* layout = new QVBoxLayout(&window);
    auto* edit = new QLineEdit(&window);
    layout->addWidget(edit);
    for (QPushButton* button : window.findChildren<QPushButton*>())
        layout->addWidget(button);
    ShowActive(&window);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_F1);
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT

    QtDialogs dialogs_;
    std::unique_ptr<HelpWindow> help_;
    std::unique_ptr<HelpKeys> keys_;

private slots:
    void init() {
        help_ = std::make_unique<HelpWindow>(HelpFolder());
        dialogs_.setHelpHandler([this](int context) { help_->showContext(context); });
        keys_ = std::make_unique<HelpKeys>(dialogs_);
        qApp->installEventFilter(keys_.get());
    }
    void cleanup() {
        qApp->removeEventFilter(keys_.get());
        keys_.reset();
        help_.reset();
    }

    void aContextShowsItsPage() {
        dialogs_.showHelp(velk::HelpContext::MovePair);
        QVERIFY(help_->isVisible());
        QCOMPARE(help_->shownFile(), QStringLiteral("226.html"));
        QCOMPARE(help_->shownContext(), 226);
        QVERIFY(!TitleInFile(QStringLiteral("226.html")).isEmpty());
        QCOMPARE(help_->shownTitle(), TitleInFile(QStringLiteral("226.html")));

        dialogs_.showHelp(velk::HelpContext::ComposeSchedule);
        QCOMPARE(help_->shownFile(), QStringLiteral("246.html"));
        QVERIFY(Child<QTextBrowser>(help_.get(), "PageBrowser")
                    ->toPlainText()
                    .contains(QStringLiteral("Howell")));
    }

    void aContextWithoutPageShowsTheContents() {
        dialogs_.showHelp(9999);
        QCOMPARE(help_->shownFile(), QStringLiteral("index.html"));
        dialogs_.showHelp(velk::HelpContext::None);
        QCOMPARE(help_->shownFile(), QStringLiteral("index.html"));
        QCOMPARE(help_->shownTitle(), TitleInFile(QStringLiteral("index.html")));
    }

    void f1OpensTheContextOfTheWindowInFront() {
        QWidget window;
        SetHelpContext(&window, velk::HelpContext::ScheduleEntryView2);
        PressF1InAField(window);
        QCOMPARE(help_->shownFile(), QStringLiteral("2412.html"));
    }

    void f1PressesTheWindowsHelpButton() {
        QWidget window;
        auto* helpButton = new QPushButton(QStringLiteral("&Help"), &window);
        helpButton->setObjectName(QStringLiteral("HelpBitBtn"));
        int pressed = 0;
        connect(helpButton, &QPushButton::clicked, &window, [&] {
            ++pressed;
            dialogs_.showHelp(velk::HelpContext::RenumberView);
        });
        PressF1InAField(window);
        QCOMPARE(pressed, 1);
        QCOMPARE(help_->shownFile(), QStringLiteral("245.html"));
    }

    void f1WithoutAnyContextShowsTheContents() {
        QWidget window;
        PressF1InAField(window);
        QCOMPARE(help_->shownFile(), QStringLiteral("index.html"));
    }

    void theMessagesHelpButtonAndF1OpenItsPage() {
        for (const bool byKey : {false, true}) {
            help_->hide();
            bool shown = false;
            ModalAnswers answers("BerichtForm", [&](QWidget* message) {
                if (byKey)
                    QTest::keyClick(message->focusWidget() ? message->focusWidget() : message, Qt::Key_F1);
                else
                    Click(message, "Help");
                shown = help_->isVisible() && help_->shownFile() == QStringLiteral("226.html");
                // Over a modal message the help window must be usable: modal itself.
                QCOMPARE(help_->windowModality(), Qt::ApplicationModal);
                help_->close();
                Click(message, "OK");
            });
            dialogs_.messageBox("Zie de help", velk::MessageKind::Information,
                                velk::Button::OK | velk::Button::Help, velk::HelpContext::MovePair);
            QVERIFY2(shown, byKey ? "by F1" : "by the Help button");
        }
        // Opened again without a modal window, it is an ordinary window.
        dialogs_.showHelp(velk::HelpContext::MovePair);
        QCOMPARE(help_->windowModality(), Qt::NonModal);
    }

    void theContentsListEveryPageOfTheContentsFile() {
        help_->showContents();
        auto* contents = Child<QListWidget>(help_.get(), "ContentsList");
        QFile index(HelpFolder() + QStringLiteral("/index.html"));
        QVERIFY(index.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(index.readAll());
        const auto links = html.count(QRegularExpression(QStringLiteral("<a href=\"[^\"#]+\"")));
        QCOMPARE(contents->count(), links);
        QVERIFY(contents->count() >= 8);
        for (int i = 0; i < contents->count(); ++i) {
            contents->setCurrentRow(i);
            emit contents->itemActivated(contents->item(i));
            QVERIFY2(!help_->shownFile().isEmpty(), qPrintable(contents->item(i)->text()));
            QCOMPARE(help_->shownTitle(), TitleInFile(help_->shownFile()));
        }
    }

    void theIndexFiltersByKeywordAndOpensThePage() {
        help_->showContents();
        auto* filter = Child<QLineEdit>(help_.get(), "IndexFilter");
        auto* index = Child<QListWidget>(help_.get(), "IndexList");
        const int all = index->count();
        QVERIFY(all > 10);
        QTest::keyClicks(filter, QStringLiteral("hernummer"));
        QVERIFY(index->count() >= 1);
        QVERIFY(index->count() < all);
        emit index->itemActivated(index->item(0));
        QCOMPARE(help_->shownFile(), QStringLiteral("245.html"));
    }

    void theSearchFindsPagesByTheirWords() {
        help_->showSearch();
        auto* edit = Child<QLineEdit>(help_.get(), "SearchEdit");
        auto* results = Child<QListWidget>(help_.get(), "ResultList");
        QTest::keyClicks(edit, QStringLiteral("mitchell lijnen"));
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(results->count() >= 1);
        emit results->itemActivated(results->item(0));
        const QString text = Child<QTextBrowser>(help_.get(), "PageBrowser")->toPlainText();
        QVERIFY(text.contains(QStringLiteral("Mitchell"), Qt::CaseInsensitive));
        QVERIFY(text.contains(QStringLiteral("lijnen"), Qt::CaseInsensitive));

        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("xyzzyqq"));
        Click(help_.get(), "SearchBtn");
        QCOMPARE(results->count(), 1);
        QCOMPARE(results->item(0)->text(), QStringLiteral("Niets gevonden"));
    }

    void aScreenshotWhenAsked() {
        const QByteArray path = qgetenv("VELK_HELP_SCREENSHOT");
        if (path.isEmpty())
            QSKIP("VELK_HELP_SCREENSHOT not set");
        dialogs_.showHelp(velk::HelpContext::ComposeSchedule);
        QVERIFY(QTest::qWaitForWindowExposed(help_.get()));
        QTest::qWait(200);
        QVERIFY(help_->grab().save(QString::fromLocal8Bit(path)));
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
