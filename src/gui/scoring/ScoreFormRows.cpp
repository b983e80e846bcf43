#include "gui/scoring/ScoreFormRows.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {
enum Column { First, Second, ContractNZ, ContractOW, Result, ScoreNZ, ScoreOW, MatchNZ, MatchOW, Names };
constexpr int kColumns = 10;
// Least cell widths in pixels; the window grows to the widest pair line.
constexpr int kWidths[kColumns] = {40, 44, 56, 56, 44, 60, 60, 48, 48, 150};
} // namespace

ScoreFormRows::ScoreFormRows(QObject* filter, QWidget* parent) : QWidget(parent), filter_(filter) {
    setObjectName(QStringLiteral("InvoerGrid"));
    grid_ = new QGridLayout(this);
    grid_->setContentsMargins(2, 2, 2, 2);
    grid_->setHorizontalSpacing(3);
    grid_->setVerticalSpacing(1);
    for (int c = 0; c < kColumns; ++c) {
        QLabel* head = makeLabel(QStringLiteral("Kop%1").arg(c), kWidths[c], Qt::AlignCenter);
        head->setStyleSheet(QStringLiteral("font-weight: bold"));
        grid_->addWidget(head, 0, c);
        heads_.push_back(head);
    }
    grid_->setRowStretch(1000, 1);
    grid_->setColumnStretch(kColumns, 1);
}

QLabel* ScoreFormRows::makeLabel(const QString& name, int width, Qt::Alignment alignment) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setMinimumWidth(width);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

QLineEdit* ScoreFormRows::makeEdit(int row, velk::EntryCell cell, bool eastWest, const char* name,
                                   int width) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(name)).arg(row + 1));
    edit->setFixedWidth(width);
    edit->setMaxLength(cell == velk::EntryCell::Score ? 8 : 6);
    edit->setProperty("row", row);
    edit->setProperty("cell", static_cast<int>(cell));
    edit->setProperty("eastWest", eastWest);
    edit->installEventFilter(filter_);
    return edit;
}

int ScoreFormRows::rowOf(const QObject* edit) {
    return edit->property("row").toInt();
}
velk::EntryCell ScoreFormRows::cellOf(const QObject* edit) {
    return static_cast<velk::EntryCell>(edit->property("cell").toInt());
}
bool ScoreFormRows::eastWestOf(const QObject* edit) {
    return edit->property("eastWest").toBool();
}

void ScoreFormRows::setHeads(bool perTable, bool contractsShown) {
    const QString texts[kColumns] = {perTable ? QStringLiteral("Spel\nNr") : QStringLiteral("Paar\n Nr"),
                                     perTable ? QStringLiteral("Kwets\nbaar")
                                              : QStringLiteral("Tegen\nPr.Nr"),
                                     QStringLiteral("Bieding\n NZ"),
                                     QStringLiteral("Bieding\n OW"),
                                     QStringLiteral("Result"),
                                     QStringLiteral("Score\n NZ"),
                                     QStringLiteral("Score\n OW"),
                                     QStringLiteral("M.P.\nNZ"),
                                     QStringLiteral("M.P.\nOW"),
                                     QString()};
    showHeads(texts, contractsShown);
}

void ScoreFormRows::setIndividualHeads(bool perTable) {
    const QString texts[kColumns] = {perTable ? QStringLiteral("Spel\nNr") : QStringLiteral("NZ \n Nr"),
                                     perTable ? QStringLiteral("Kwets\nbaar") : QStringLiteral("OW \nNr"),
                                     QString(),
                                     QString(),
                                     QString(),
                                     QStringLiteral("NZ \nScore"),
                                     QStringLiteral("OW \nScore"),
                                     QStringLiteral("M.P. NZ"),
                                     QStringLiteral("M.P. OW"),
                                     QString()};
    showHeads(texts, false);
}

void ScoreFormRows::showHeads(const QString* texts, bool contractsShown) {
    contractsShown_ = contractsShown;
    for (int c = 0; c < kColumns; ++c) {
        heads_[static_cast<std::size_t>(c)]->setText(texts[c]);
        heads_[static_cast<std::size_t>(c)]->setVisible(contractsShown ||
                                                        (c != ContractNZ && c != ContractOW && c != Result));
    }
}

void ScoreFormRows::showRows(int count) {
    using velk::EntryCell;
    while (rowCount() < count) {
        const int i = rowCount();
        Row r;
        r.first = makeLabel(QStringLiteral("PaarNr%1").arg(i + 1), kWidths[First], Qt::AlignRight);
        r.second = makeLabel(QStringLiteral("TegenNr%1").arg(i + 1), kWidths[Second], Qt::AlignRight);
        r.contract[0] = makeEdit(i, EntryCell::Contract, false, "ContrEditNZ", kWidths[ContractNZ]);
        r.contract[1] = makeEdit(i, EntryCell::Contract, true, "ContrEditOW", kWidths[ContractOW]);
        r.result = makeEdit(i, EntryCell::Result, false, "ResultEdit", kWidths[Result]);
        r.score[0] = makeEdit(i, EntryCell::Score, false, "ScoreEditNZ", kWidths[ScoreNZ]);
        r.score[1] = makeEdit(i, EntryCell::Score, true, "ScoreEditOW", kWidths[ScoreOW]);
        r.matchPoints[0] = makeLabel(QStringLiteral("MPNZ%1").arg(i + 1), kWidths[MatchNZ], Qt::AlignRight);
        r.matchPoints[1] = makeLabel(QStringLiteral("MPOW%1").arg(i + 1), kWidths[MatchOW], Qt::AlignRight);
        r.names = makeLabel(QStringLiteral("PaarTxt%1").arg(i + 1), kWidths[Names], Qt::AlignLeft);
        QWidget* cells[kColumns] = {r.first,    r.second,   r.contract[0],    r.contract[1],    r.result,
                                    r.score[0], r.score[1], r.matchPoints[0], r.matchPoints[1], r.names};
        for (int c = 0; c < kColumns; ++c)
            grid_->addWidget(cells[c], i + 1, c);
        rows_.push_back(r);
    }
    for (int i = 0; i < rowCount(); ++i) {
        const Row& r = rows_[static_cast<std::size_t>(i)];
        const bool shown = i < count;
        for (QWidget* w : {static_cast<QWidget*>(r.first), static_cast<QWidget*>(r.second),
                           static_cast<QWidget*>(r.score[0]), static_cast<QWidget*>(r.score[1]),
                           static_cast<QWidget*>(r.matchPoints[0]), static_cast<QWidget*>(r.matchPoints[1]),
                           static_cast<QWidget*>(r.names)})
            w->setVisible(shown);
        for (QWidget* w : {static_cast<QWidget*>(r.contract[0]), static_cast<QWidget*>(r.contract[1]),
                           static_cast<QWidget*>(r.result)})
            w->setVisible(shown && contractsShown_);
    }
}

QLineEdit* ScoreFormRows::edit(int row, velk::EntryCell cell, bool eastWest) {
    if (row < 0 || row >= rowCount())
        return nullptr;
    Row& r = rows_[static_cast<std::size_t>(row)];
    switch (cell) {
    case velk::EntryCell::Score:
        return r.score[eastWest ? 1 : 0];
    case velk::EntryCell::Contract:
        return r.contract[eastWest ? 1 : 0];
    case velk::EntryCell::Result:
        return r.result;
    }
    return nullptr;
}
