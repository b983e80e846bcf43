#pragma once

#include <QApplication>
#include <QByteArray>
#include <QLineEdit>
#include <QProcess>
#include <QStringList>
#include <QWidget>
#include <QtTest>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// What the score entry window tests share: typing into the cells with the keyboard, and velk-cli
// (VELK_CLI, the built program) as the oracle that enters the same evening.
namespace velk::test {

// velk-cli in `folder` with standard input `input`: its exit status; its standard output into
// `out` when given.
inline int RunCli(const QString& folder, const QStringList& arguments, const QByteArray& input = {},
                  QByteArray* out = nullptr) {
    QProcess cli;
    cli.setWorkingDirectory(folder);
    cli.start(QStringLiteral(VELK_CLI), arguments);
    if (!cli.waitForStarted(10000))
        return -1;
    cli.write(input);
    cli.closeWriteChannel();
    if (!cli.waitForFinished(60000))
        return -1;
    if (cli.exitCode() != 0)
        qWarning("velk-cli %s: %s", qPrintable(arguments.join(QLatin1Char(' '))),
                 cli.readAllStandardError().constData());
    if (out)
        *out = cli.readAllStandardOutput();
    return cli.exitCode();
}

inline std::vector<char> Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline QWidget* Focus() {
    return QApplication::focusWidget();
}

// Types `text` key by key into whichever cell has the focus, as the keys move it, then Enter.
inline void TypeCell(const QString& text) {
    for (const QChar c : text)
        QTest::keyClicks(Focus(), QString(c));
    QTest::keyClick(Focus(), Qt::Key_Return);
}

inline void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(Focus(), key, modifiers);
}

// A button's Alt key: the button clicks itself a moment later, as it shows the click.
inline void AltKey(Qt::Key key) {
    QTest::keyClick(Focus(), key, Qt::AltModifier);
    QTest::qWait(250);
}

// The text of the cell `column` (an edit's name without its row number) in form row `row`.
inline QString Cell(QWidget* form, const char* column, int row) {
    return form->findChild<QLineEdit*>(QStringLiteral("%1%2").arg(QLatin1String(column)).arg(row))->text();
}

} // namespace velk::test
