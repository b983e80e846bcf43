// The hand-off to the word processor: Writer is started detached with the page, found on the
// PATH; without it the opener says so instead of waiting or failing silently.
#include "gui/reports/QtDocumentOpener.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestDocumentOpener : public QObject {
    Q_OBJECT

private slots:
    void startsWriterDetachedWithThePage() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        // A stand-in "soffice" that notes its arguments and lingers a moment, as a word processor does.
        const QString script = dir.filePath(QStringLiteral("soffice"));
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("#!/bin/sh\necho \"$@\" > '%1.tmp'; mv '%1.tmp' '%1'\nsleep 1\n")
                       .arg(dir.filePath(QStringLiteral("args")))
                       .toUtf8());
        file.close();
        QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", dir.path().toUtf8() + ":" + path);

        velk::QtDocumentOpener opener;
        QVERIFY(opener.openInWordProcessor("/tmp/MPPaarA1.htm"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath(QStringLiteral("args"))), 10000);
        QFile args(dir.filePath(QStringLiteral("args")));
        QVERIFY(args.open(QIODevice::ReadOnly));
        QCOMPARE(args.readAll().trimmed(), QByteArray("--writer /tmp/MPPaarA1.htm"));
        qputenv("PATH", path);
    }

    void noWriterOnThePath() {
        const QByteArray path = qgetenv("PATH");
        QTemporaryDir empty;
        qputenv("PATH", empty.path().toUtf8());
        velk::QtDocumentOpener opener;
        QVERIFY(!opener.openInWordProcessor("/tmp/MPPaarA1.htm"));
        qputenv("PATH", path);
    }
};

QTEST_MAIN(TestDocumentOpener)
#include "tst_document_opener.moc"
