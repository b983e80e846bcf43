// The program's start-up makes Qt's own dialogs speak Dutch.
#include "gui/DutchTranslations.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

class TestDutchTranslations : public QObject {
    Q_OBJECT

private slots:
    void standardButtonsSayAnnuleren() {
        const QString file =
            QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_nl.qm");
        const bool installed = InstallDutchTranslations(*QCoreApplication::instance());
        QCOMPARE(QLocale().language(), QLocale::Dutch);
        QCOMPARE(QLocale().territory(), QLocale::Netherlands);
        if (!QFileInfo::exists(file)) {
            QVERIFY(!installed);
            QSKIP(qPrintable(QStringLiteral("%1 is not installed (Debian qt6-translations-l10n)").arg(file)));
        }
        QVERIFY(installed);

        QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Annuleren"));
        QMessageBox box(QMessageBox::Question, QStringLiteral("Velk"), QStringLiteral("?"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Annuleren"));
        QCOMPARE(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("Nee"));
    }
};

QTEST_MAIN(TestDutchTranslations)
#include "tst_dutch_translations.moc"
