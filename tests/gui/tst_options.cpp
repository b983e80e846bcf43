// The options window as the user meets it from the main window: a setting changed on each page
// and closed with OK is in the competition file when it is opened again; a value that is no number
// is refused where it was typed; the close box after a change asks first.
#include "club/ClubFile.h"
#include "club/NewFileWizard.h"
#include "core/HelpContext.h"
#include "core/files/CompetitionFile.h"
#include "gui/club/ClubWindowForms.h"
#include "gui/club/TClubWindow.h"
#include "gui/help/HelpKeys.h"
#include "gui/options/OptionsPrinter.h"
#include "support/CompetitionOnDisk.h"
#include "support/ModalAnswers.h"
#include "support/ScriptedDialogs.h"
#include "support/WidgetTesting.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QtTest>
#include <cmath>
#include <memory>
#include <source_location>

using velk::test::Child;
using velk::test::Click;
using velk::test::FocusName;
using velk::test::ModalAnswers;
using velk::test::Trigger;
using velk::test::TypeAndEnter;

namespace {

const velk::FixedClock kClock(velk::DateTime{2026, 12, 9, 20, 0, 0});
const std::string kRefusalTail = " is geen geldige waarde\n\r corrigeer (zonodig) invoer";

// Scripted dialogs whose font dialog answers with a chosen font.
class FontDialogs : public velk::test::ScriptedDialogs {
public:
    std::optional<velk::FontChoice> font;
    std::vector<velk::FontChoice> asked;
    std::optional<velk::FontChoice> chooseFont(const velk::FontChoice& current) override {
        asked.push_back(current);
        return font;
    }
};

velk::CompetitionFileData ReadBack(const std::string& path) {
    velk::CompetitionFileData data;
    velk::test::ScriptedDialogs dialogs;
    velk::ErrorCode error;
    if (!velk::ReadCompetitionFile(path, data, dialogs, error))
        qFatal("cannot read %s back", path.c_str());
    return data;
}

// The printer the options measure when the system has none: Qt's PDF printer at its own
// resolution, portrait.
QPrinter& PdfPrinter() {
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

int PageWidthPixels() {
    return PdfPrinter().pageLayout().paintRectPixels(PdfPrinter().resolution()).width();
}

QString Text(QWidget* form, const char* edit) {
    return Child<QLineEdit>(form, edit)->text();
}

// The figures of some tests are those of Qt's PDF printer, which the options measure when the
// system has no printer.
bool HasPrinters() {
    return !OptionsPrinter::PrinterNames().isEmpty();
}

// A competition of 16 pairs in 2 groups on disk, made in `fileYear`, and a main window on it.
template <typename Answers = velk::test::ScriptedDialogs> struct OpenCompetition {
    explicit OpenCompetition(int fileYear = 2026) : disk(16, 2, 8, 1) {
        disk.club.SeasonYear = fileYear;
        path = disk.write();
    }
    // A fresh main window opens the file; what opening said is forgotten.
    bool open() {
        window = std::make_unique<TClubWindow>(dialogs, kClock);
        const bool opened = velk::test::OpenInWindow(*window, path);
        dialogs.messages.clear();
        return opened;
    }

    velk::test::CompetitionOnDisk disk;
    std::string path;
    Answers dialogs;
    std::unique_ptr<TClubWindow> window;
};

// Chooses the options item `item` of `window` and answers the options window with `answer`.
void InOptions(TClubWindow& window, const char* item, velk::test::Answer answer,
               std::source_location where = std::source_location::current()) {
    ModalAnswers answers("OptiesForm", std::move(answer), where);
    Trigger(&window, item, where);
}

} // namespace

class TestOptions : public QObject {
    Q_OBJECT

private slots:
    void aSettingOnEachPageClosedWithOkIsFoundAfterReopening() {
        if (HasPrinters())
            QSKIP("the margin below is one of Qt's PDF printer; this system has printers");
        OpenCompetition<> c;
        QVERIFY(c.open());
        QString focusAfterEnter;
        InOptions(*c.window, "OptionsPersonal", [&](QWidget* form) {
            QCOMPARE(Child<QTabWidget>(form, "PageControl")->currentIndex(), 0);
            TypeAndEnter(form, "PersEdit1", QStringLiteral("Bridgeclub De Lange Tafel en Omstreken"));
            focusAfterEnter = FocusName();
            TypeAndEnter(form, "PersEdit5", QStringLiteral("0318-123456"));
            focusAfterEnter += QLatin1Char(' ') + FocusName();
            Click(form, "OkBtn");
        });
        QCOMPARE(focusAfterEnter, QStringLiteral("PersEdit2 OKOwnerBtn"));
        InOptions(*c.window, "OptionsPrint", [&](QWidget* form) {
            QCOMPARE(Child<QTabWidget>(form, "PageControl")->currentIndex(), 1);
            TypeAndEnter(form, "LeftEdit", QStringLiteral("15"));
            focusAfterEnter = FocusName();
            Click(form, "Papierstand1");
            Click(form, "PersData");
            Click(form, "OkBtn");
        });
        QCOMPARE(focusAfterEnter, QStringLiteral("TopEdit"));
        InOptions(*c.window, "OptionsSlamBonus", [&](QWidget* form) {
            QCOMPARE(Child<QLabel>(form, "KiesLab")->text(),
                     QStringLiteral("Kies het aanl punten voor elk gemaakt SlemContract"));
            TypeAndEnter(form, "GSSAEdit", QStringLiteral("7"));
            Click(form, "OkBtn");
        });
        InOptions(*c.window, "OptionsSettings", [&](QWidget* form) {
            Click(form, "Kaderlijnen");
            Click(form, "Entertoets");
            Click(form, "OkBtn");
        });
        QVERIFY(c.dialogs.messages.empty());
        c.window.reset();

        const velk::CompetitionFileData saved = ReadBack(c.path);
        const velk::TConfigObj& record = saved.ConfigRecord;
        QCOMPARE(record.PersonalData[0].get(), std::string("Bridgeclub De Lange Tafel en Oms"));
        QCOMPARE(record.PersonalData[4].get(), std::string("0318-123456"));
        // 15 mm: 15 x (page width x 10 / 203) / 10 pixels of the printer.
        QCOMPARE(int(record.LeftMargin), 15 * (PageWidthPixels() * 10 / 203) / 10);
        QCOMPARE(record.OptionFlags, std::uint16_t(0x40 | 0x08 | 0x20 | 0x04 | 0x10));
        QCOMPARE(saved.SlamBonusTable.Values[5], std::int16_t(7));
        QCOMPARE(saved.SlamBonusTable.Values[0], std::int16_t(2));

        // Opened again, the pages show what was stored.
        QVERIFY(c.open());
        InOptions(*c.window, "OptionsPrint", [&](QWidget* form) {
            QCOMPARE(Text(form, "PersEdit1"), QStringLiteral("Bridgeclub De Lange Tafel en Oms"));
            QCOMPARE(Text(form, "LeftEdit"), QStringLiteral("15"));
            QVERIFY(Child<QRadioButton>(form, "Papierstand1")->isChecked());
            QVERIFY(Child<QCheckBox>(form, "PersData")->isChecked());
            QCOMPARE(Text(form, "GSSAEdit"), QStringLiteral("7"));
            QVERIFY(Child<QCheckBox>(form, "Kaderlijnen")->isChecked());
            QVERIFY(Child<QCheckBox>(form, "Entertoets")->isChecked());
            QVERIFY(!Child<QCheckBox>(form, "KortNotatie")->isChecked());
            Click(form, "OkBtn");
        });
    }

    void theCloseBoxAfterAChangeAsksToUseOk() {
        OpenCompetition<> c;
        const auto before = velk::test::ReadBytes(c.path);
        QVERIFY(c.open());
        const std::uint16_t flags = c.window->club().ConfigRecord.OptionFlags;
        bool stayedOpen = false;
        InOptions(*c.window, "OptionsSettings", [&](QWidget* form) {
            Click(form, "KortNotatie");
            c.dialogs.answerYes();
            form->close();
            stayedOpen = form->isVisible();
            c.dialogs.answerNo();
            form->close();
        });
        QVERIFY(stayedOpen);
        QCOMPARE(c.dialogs.texts(), (std::vector<std::string>{"Wijzigingen opslaan, gebruik dan OK knop",
                                                              "Wijzigingen opslaan, gebruik dan OK knop"}));
        QCOMPARE(c.window->club().ConfigRecord.OptionFlags, flags);
        QVERIFY(velk::test::ReadBytes(c.path) == before);

        // Without a change it closes without a question.
        c.dialogs.messages.clear();
        InOptions(*c.window, "OptionsSettings", [](QWidget* form) { form->close(); });
        QVERIFY(c.dialogs.messages.empty());
    }

    void aValueThatIsNoNumberKeepsTheFocusAndNothingOfItsPageIsStored() {
        OpenCompetition<> c;
        const auto before = velk::test::ReadBytes(c.path);
        QVERIFY(c.open());
        const velk::TConfigObj record = c.window->club().ConfigRecord;
        QString afterEnter;
        QString afterOk;
        bool openAfterOk = false;
        InOptions(*c.window, "OptionsPrint", [&](QWidget* form) {
            TypeAndEnter(form, "TopEdit", QStringLiteral("1x"));
            afterEnter = FocusName();
            Child<QLineEdit>(form, "TopEdit")->setText(QStringLiteral("12"));
            Click(form, "Papierstand1");
            Child<QLineEdit>(form, "PagelenEdit")->setText(QStringLiteral("zestig"));
            Click(form, "OkBtn");
            afterOk = FocusName();
            openAfterOk = form->isVisible();
            c.dialogs.answerNo();
            Click(form, "CancelBtn");
        });
        QCOMPARE(afterEnter, QStringLiteral("TopEdit"));
        QCOMPARE(afterOk, QStringLiteral("PagelenEdit"));
        QVERIFY(openAfterOk);
        QCOMPARE(c.dialogs.texts(), (std::vector<std::string>{"Top marge (mm.) \"1x\"" + kRefusalTail,
                                                              "Pagina lengte \"zestig\"" + kRefusalTail,
                                                              "Wijzigingen opslaan, gebruik dan OK knop"}));
        QVERIFY(c.window->club().ConfigRecord == record);
        QVERIFY(velk::test::ReadBytes(c.path) == before);
    }

    void anOlderFileShowsItsLabelAndKeepsItsSlamValues() {
        OpenCompetition<> c(2012);
        QVERIFY(c.open());
        QString label;
        InOptions(*c.window, "OptionsSlamBonus", [&](QWidget* form) {
            label = Child<QLabel>(form, "KiesLab")->text();
            TypeAndEnter(form, "KSLaagEdit", QStringLiteral("9"));
            Click(form, "OkBtn");
        });
        QCOMPARE(label, QStringLiteral("Wijzigingen worden alleen bewaard voor bestanden na 2012"));
        QCOMPARE(ReadBack(c.path).SlamBonusTable.Values[0], std::int16_t(2));
    }

    void withoutAFileTheOptionsSayThatNoneIsLoaded() {
        velk::test::ScriptedDialogs dialogs;
        TClubWindow window(dialogs, kClock);
        Trigger(&window, "OptionsPrint");
        QCOMPARE(dialogs.texts(), std::vector<std::string>{"Geen Bridgebestand geladen"});
    }

    void theWizardsLastStepOpensTheSettingsPage() {
        OpenCompetition<> c;
        QVERIFY(c.open());
        const auto host = ClubForms::MakeWizardHost(c.window.get(), c.dialogs, {}, {});
        int page = -1;
        {
            ModalAnswers answers("OptiesForm", [&](QWidget* form) {
                page = Child<QTabWidget>(form, "PageControl")->currentIndex();
                Click(form, "OkBtn");
            });
            host->openOptionsSettings();
        }
        QCOMPARE(page, 3);
    }

    void maximalWidthTakesTheScreenWidthAtOnceAndIsKept() {
        OpenCompetition<> c;
        QVERIFY(c.open());
        TClubWindow& window = *c.window;
        velk::test::ShowActive(&window);
        const int screenWidth = window.screen()->availableGeometry().width();
        const int normalWidth = window.width();
        QVERIFY(normalWidth < screenWidth);
        int widthWhenClicked = 0;
        InOptions(window, "OptionsSettings", [&](QWidget* form) {
            Click(form, "MaxScherm");
            static_cast<void>(QTest::qWaitFor([&] { return window.width() == screenWidth; }, 1000));
            widthWhenClicked = window.width();
            Click(form, "OkBtn");
        });
        QCOMPARE(widthWhenClicked, screenWidth);
        QCOMPARE(window.width(), screenWidth);
        QVERIFY(ReadBack(c.path).ConfigRecord.OptionFlags & velk::OptionFlag::Maximised);
        InOptions(window, "OptionsSettings", [&](QWidget* form) {
            Click(form, "MaxScherm");
            Click(form, "OkBtn");
        });
        QTRY_COMPARE(window.width(), normalWidth);
    }

    void anotherPrintFontIsMeasuredAndStored() {
        if (HasPrinters())
            QSKIP("the line height below is one of Qt's PDF printer; this system has printers");
        OpenCompetition<FontDialogs> c;
        c.dialogs.font = velk::FontChoice{"Liberation Mono", 12};
        QVERIFY(c.open());
        QString shown;
        InOptions(*c.window, "OptionsPrint", [&](QWidget* form) {
            Click(form, "FontBtn");
            shown = Child<QLabel>(form, "FontNaam")->text();
            Click(form, "OkBtn");
        });
        QCOMPARE(c.dialogs.asked.size(), std::size_t(1));
        QCOMPARE(c.dialogs.asked[0].name, std::string("Courier New"));
        QCOMPARE(c.dialogs.asked[0].size, 10);
        QCOMPARE(shown, QStringLiteral("Liberation Mono 12"));
        const velk::TConfigObj record = ReadBack(c.path).ConfigRecord;
        QCOMPARE(record.PrinterFontName.get(), std::string("Liberation Mono"));
        QCOMPARE(record.printerFontSize(), 12);
        // 12 points at the printer's resolution, times 1.2.
        const double pixels = 12.0 * PdfPrinter().resolution() / 72.0;
        QCOMPARE(int(record.LineHeight), int(std::lround(std::lround(pixels) * 1.2)));
    }

    void withoutPrintersThePrinterButtonSaysSo() {
        if (HasPrinters())
            QSKIP("this system has printers");
        OpenCompetition<> c;
        QVERIFY(c.open());
        // F1 as the program has it, over a main window with a page of its own.
        HelpKeys keys(c.dialogs);
        qApp->installEventFilter(&keys);
        SetHelpContext(c.window.get(), velk::HelpContext::UsingVelk);
        int help = 0;
        InOptions(*c.window, "OptionsPrint", [&](QWidget* form) {
            Click(form, "PrinterBtn");
            velk::test::Press(form, Qt::Key_F1);
            help = c.dialogs.helpRequests.empty() ? 0 : c.dialogs.helpRequests.back();
            Click(form, "OkBtn");
        });
        QCOMPARE(c.dialogs.texts(), std::vector<std::string>{"Geen Printer aanwezig"});
        qApp->removeEventFilter(&keys);
        QCOMPARE(help, 283);
    }

    void courierNewIsServedByLiberationMono() {
        if (!QFontDatabase::families().contains(QStringLiteral("Liberation Mono")))
            QSKIP("fonts-liberation is not installed (scripts/setup installs it)");
        const QFont font = OptionsPrinter::PrintFont("Courier New", 10);
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("Liberation Mono"));
        QCOMPARE(font.pointSize(), 10);
    }
};

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
