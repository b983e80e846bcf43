#pragma once

#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "support/WidgetTesting.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>
#include <cstdint>
#include <vector>

// Driving the schedule editors' grids from a GUI test.
namespace velk::test {

// Types into a grid cell the way a user does: open its editor, type, confirm with Enter.
inline void TypeCell(QTableWidget* grid, int row, int column, const QString& text) {
    grid->setCurrentCell(row, column);
    grid->editItem(grid->item(row, column));
    auto* editor = grid->viewport()->findChild<QLineEdit*>();
    if (!editor)
        qFatal("no cell editor at %d,%d", row, column);
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The view commits and closes the editor from a queued call.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline QString Cell(const QTableWidget* grid, int row, int column) {
    return grid->item(row, column) ? grid->item(row, column)->text() : QString();
}

// The header row as comma text.
inline QString HeaderText(const QTableWidget* grid) {
    QStringList header;
    for (int c = 0; c < grid->columnCount(); ++c)
        header << (grid->horizontalHeaderItem(c) ? grid->horizontalHeaderItem(c)->text() : QString());
    return header.join(QLatin1Char(','));
}

inline std::vector<std::uint8_t> FileBytes(const QString& path) {
    return ReadBytes(path.toStdString());
}

// The close box of a schedule editor (pairs or individual) with a new schedule asks first: Ja keeps
// the editor open, Nee closes it.
template <typename Editor> void CheckCloseBoxAsks(Editor& form, ScriptedDialogs& dialogs) {
    dialogs.answerYes();
    form.close();
    QVERIFY(form.isVisible());
    QCOMPARE(dialogs.messages.back().text, std::string("Bestand nog redden\r gebruik dan <Ok>"));
    dialogs.answerNo();
    form.close();
    QVERIFY(!form.isVisible());
}

} // namespace velk::test
