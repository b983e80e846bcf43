#include "core/MessageDialogRules.h"
#include "gui/QtDialogs.h"
#include "gui/TBerichtForm.h"
#include "gui/TInputTextDlg.h"
#include "support/ModalAnswers.h"
#include "support/WidgetTesting.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using velk::test::Click;
using velk::test::ModalAnswers;
using velk::test::Press;

class TestMessageDialog : public QObject {
    Q_OBJECT

private slots:
    void escapeOnAQuestionIsNee() {
        QtDialogs dialogs;
        ModalAnswers answer([](QWidget* d) { Press(d, Qt::Key_Escape); });
        QCOMPARE(
            dialogs.messageBox("Zitting verwijderen?", velk::MessageKind::Confirmation, velk::Button::JaNee),
            velk::Result::No);
    }

    void enterOnAnErrorIsOK() {
        QtDialogs dialogs;
        ModalAnswers answer([](QWidget* d) { Press(d, Qt::Key_Return); });
        QCOMPARE(dialogs.messageBox("Aantal paren = 0 ", velk::MessageKind::Error, velk::Button::OK),
                 velk::Result::OK);
    }

    void defaultIsJaWithoutOK() {
        TBerichtForm form("Doorgaan?", velk::MessageKind::Confirmation,
                          velk::Button::Ja | velk::Button::Nee | velk::Button::Schrap);
        QVERIFY(form.button(velk::Button::Ja)->isDefault());
        QVERIFY(!form.button(velk::Button::Nee)->isDefault());
        ModalAnswers answer([](QWidget* d) { Press(d, Qt::Key_Enter); });
        QCOMPARE(form.exec(), velk::Result::Yes);

        // Escape takes Schrap before Nee.
        TBerichtForm again("Doorgaan?", velk::MessageKind::Confirmation,
                           velk::Button::Ja | velk::Button::Nee | velk::Button::Schrap);
        ModalAnswers answer2([](QWidget* d) { Press(d, Qt::Key_Escape); });
        QCOMPARE(again.exec(), velk::Result::Cancel);
    }

    void clickingNeeVoorAlle() {
        QtDialogs dialogs;
        ModalAnswers answer([](QWidget* d) {
            auto* b = d->findChild<QPushButton*>(QStringLiteral("Alles Nee"));
            QVERIFY(b);
            QCOMPARE(b->text(), QStringLiteral("N&ee voor Alle"));
            Click(d, "Alles Nee");
        });
        QCOMPARE(dialogs.messageBox("Overschrijven?", velk::MessageKind::Confirmation,
                                    velk::Button::JaNee | velk::Button::AllesJa | velk::Button::AllesNee),
                 velk::Result::NoToAll);
    }

    void titlesAndIconsPerKind() {
        const struct {
            velk::MessageKind kind;
            QString title;
        } kinds[] = {{velk::MessageKind::Warning, "Waarschuwing"},
                     {velk::MessageKind::Error, "Fout"},
                     {velk::MessageKind::Information, "Informatie"},
                     {velk::MessageKind::Confirmation, "Bevestig"},
                     {velk::MessageKind::Plain, "Velk"}};
        for (const auto& k : kinds) {
            TBerichtForm form("tekst", k.kind, velk::Button::OK);
            QCOMPARE(form.windowTitle(), k.title);
            auto* image = form.findChild<QLabel*>(QStringLiteral("Image"));
            QCOMPARE(image != nullptr, k.kind != velk::MessageKind::Plain);
            if (image)
                QCOMPARE(image->size(), QSize(32, 32));
        }
    }

    void layoutOfTextAndButtons() {
        const QString longText =
            QString("Sluit eerst alle vensters,\rGebruik menu optie \"Beeld\", Sluit: ") +
            QString(300, QLatin1Char('x')).replace(QLatin1Char('x'), "woord ");
        TBerichtForm form(longText, velk::MessageKind::Warning, velk::Button::OK | velk::Button::Schrap);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.messageLabel()->text().startsWith("Sluit eerst alle vensters,\nGebruik"));
        const int screenWidth = form.screen()->availableGeometry().width();
        QVERIFY(form.messageLabel()->width() <= screenWidth / 2 + 1);

        const int average = QFontMetrics(form.font()).averageCharWidth();
        QPushButton* ok = form.button(velk::Button::OK);
        QPushButton* schrap = form.button(velk::Button::Schrap);
        QCOMPARE(ok->width(), average * 50 / 4);
        QCOMPARE(schrap->width(), average * 50 / 4);
        const QPoint okLeft = ok->mapTo(&form, QPoint(0, 0));
        const QPoint schrapLeft = schrap->mapTo(&form, QPoint(0, 0));
        QCOMPARE(schrapLeft.x() - (okLeft.x() + ok->width()), average);
        // Centred: as much room left of OK as right of Schrap.
        const int right = form.width() - (schrapLeft.x() + schrap->width());
        QVERIFY(qAbs(okLeft.x() - right) <= 1);
        QVERIFY(okLeft.y() > form.messageLabel()->mapTo(&form, QPoint(0, 0)).y());
        // Centred on the screen.
        const QPoint centre = form.frameGeometry().center();
        QVERIFY((centre - form.screen()->availableGeometry().center()).manhattanLength() <= 40);
        form.close();
    }

    void helpButtonAsksForTheTopicAndStaysOpen() {
        QtDialogs dialogs;
        QList<int> requests;
        dialogs.setHelpHandler([&requests](int context) { requests << context; });
        ModalAnswers answer([&requests](QWidget* d) {
            Click(d, "Help");
            QCOMPARE(requests, QList<int>{120});
            QVERIFY(d->isVisible());
            Click(d, "OK");
        });
        QCOMPARE(dialogs.messageBox("Zie help", velk::MessageKind::Information,
                                    velk::Button::OK | velk::Button::Help, 120),
                 velk::Result::OK);
    }

    void escapeWithoutCancelButtonIsIgnored() {
        QtDialogs dialogs;
        ModalAnswers answer([](QWidget* d) {
            Press(d, Qt::Key_Escape);
            QVERIFY(d->isVisible());
            Click(d, "Bij");
        });
        QCOMPARE(
            dialogs.messageBox("Bij of af?", velk::MessageKind::Plain, velk::Button::Bij | velk::Button::Af),
            velk::Result::Yes);
    }

    void inputTextAcceptsTheTypedText() {
        QtDialogs dialogs;
        std::string value = "0";
        ModalAnswers answer([](QWidget* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Regels spatie "));
            auto* edit = d->findChild<QLineEdit*>(QStringLiteral("Edit"));
            QVERIFY(edit);
            QCOMPARE(edit->maxLength(), 255);
            QCOMPARE(edit->selectedText(), QStringLiteral("0"));
            QCOMPARE(d->findChild<QLabel*>(QStringLiteral("Prompt"))->text(),
                     QStringLiteral("Geef aantal regels: "));
            QTest::keyClicks(edit, QStringLiteral("2"));
            Click(d, "OK");
        });
        QVERIFY(dialogs.inputText("Regels spatie ", "Geef aantal regels: ", value, 10));
        QCOMPARE(value, std::string("2"));
    }

    void inputTextCancelKeepsTheValue() {
        QtDialogs dialogs;
        std::string value = "0";
        ModalAnswers answer([](QWidget* d) {
            QTest::keyClicks(d->findChild<QLineEdit*>(QStringLiteral("Edit")), QStringLiteral("5"));
            Click(d, "Cancel");
        });
        QVERIFY(!dialogs.inputText("Regels spatie ", "Geef aantal regels: ", value, 10));
        QCOMPARE(value, std::string("0"));
    }

    void fileFilters() {
        QCOMPARE(QtDialogs::QtFileFilter("velk bestand (*.dba)|*.DBA"),
                 QStringLiteral("velk bestand (*.DBA *.dba)"));
        QCOMPARE(QtDialogs::QtFileFilter("Tekst|*.txt|Alle bestanden|*.*"),
                 QStringLiteral("Tekst (*.txt *.TXT);;Alle bestanden (*.*)"));
        QCOMPARE(QtDialogs::QtFileFilter("Schema|*.sch;*.sma"),
                 QStringLiteral("Schema (*.sch *.SCH *.sma *.SMA)"));
    }
};

QTEST_MAIN(TestMessageDialog)
#include "tst_messagedialog.moc"
