#include "gui/scoring/TInvoerForm.h"

#include "core/ErrorCode.h"
#include "core/NumberHelpers.h"
#include "core/ProgramFolder.h"
#include "core/records/ConfigRecord.h"
#include "gui/help/HelpKeys.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

using velk::PointsEntry;

namespace {
PointsEntry::ColumnKey ColumnKeyOf(ResultsGrid::Move move) {
    switch (move) {
    case ResultsGrid::Move::Tab:
        return PointsEntry::ColumnKey::Tab;
    case ResultsGrid::Move::BackTab:
        return PointsEntry::ColumnKey::BackTab;
    case ResultsGrid::Move::Left:
        return PointsEntry::ColumnKey::Left;
    case ResultsGrid::Move::Right:
        break;
    }
    return PointsEntry::ColumnKey::Right;
}

QString Shown(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}
} // namespace

TInvoerForm::TInvoerForm(velk::Club& club, velk::Dialogs& dialogs, QWidget* parent)
    : ResultsGridForm(dialogs, parent, "InvoerGrid",
                      {QStringLiteral("Groep"), QStringLiteral("GrpNr"), QStringLiteral("Naam"),
                       QStringLiteral("Punten"), QStringLiteral("Inval."), QStringLiteral("Rang")},
                      {40, 40, 260, 60, 40, 40}, QStringLiteral("Punten, Invallers en Rangorde")),
      club_(club) {
    setObjectName(QStringLiteral("InvoerForm"));
    velk::ErrorCode error;
    tables_ = velk::LoadScoreTables(velk::DataFolder(), dialogs, error, false);
    entry_ = std::make_unique<PointsEntry>(club, dialogs, tables_);
    enterMovesOn_ = (club.ConfigRecord.OptionFlags & velk::OptionFlag::EnterMovesOn) != 0;
    QHeaderView* rows = grid()->verticalHeader();
    rows->show();
    rows->setSectionsMovable(true);
    connect(rows, &QHeaderView::sectionMoved, this,
            [this](int, int oldVisual, int newVisual) { onRowMoved(oldVisual, newVisual); });
    addButton("GroepBtn2", QStringLiteral("Groep -"), QStringLiteral("Vorige groep"),
              [this] { stepGroup(-1); });
    addButton("GroepBtn3", QStringLiteral("Groep +"), QStringLiteral("Volgende groep"),
              [this] { stepGroup(1); });
    addButton("RekenBtn2", QStringLiteral("Reken"), QStringLiteral("Bereken procenten en totaal"),
              [this] { onReken(); });
    addButton("GegevensBtn", QStringLiteral("Gegevens"), QStringLiteral("Gegevens van de zitting"),
              [this] { onGegevens(); });
    addButton("SluitBtn2", QStringLiteral("Ok"), QStringLiteral("Berekenen en bewaren"), [this] { onOk(); });
    addButton("SchrapBtn2", QStringLiteral("Schrap"), QStringLiteral("Sluiten zonder bewaren"),
              [this] { onSchrap(); });
    resultsGrid()->setColumnRule(
        [this](ResultsGrid::Move move, int column) { return columnAfter(move, column); });
    // F1 opens the page of the column the cursor is in.
    connect(grid(), &QTableWidget::currentCellChanged, this,
            [this](int, int column) { SetHelpContext(this, PointsEntry::helpContextOf(column)); });
    SetHelpContext(this, PointsEntry::helpContextOf(0));
}

TInvoerForm::~TInvoerForm() = default;

bool TInvoerForm::OpenPointsForm(std::function<bool()> save) {
    if (!entry_->open())
        return false;
    save_ = std::move(save);
    saved_ = false;
    setWindowTitle(QString::fromStdString(entry_->caption()));
    label_->setText(Shown(entry_->dateLabel()));
    showModal();
    return true;
}

std::optional<int> TInvoerForm::readRow(int row) {
    const int r = row - draft().firstRow();
    return entry_->readRow(row, cell(r, PointsEntry::PointsColumn).toStdString(),
                           cell(r, PointsEntry::SubstitutesColumn).toStdString(),
                           cell(r, PointsEntry::RankColumn).toStdString());
}

std::optional<int> TInvoerForm::columnAfter(ResultsGrid::Move move, int column) {
    const PointsEntry::ColumnKey key = ColumnKeyOf(move);
    // Tab reads the row back; a refused value keeps the cursor where it was.
    const bool tab = key == PointsEntry::ColumnKey::Tab || key == PointsEntry::ColumnKey::BackTab;
    if (tab && grid()->currentRow() >= 0)
        if (const auto back = readRow(draft().firstRow() + grid()->currentRow()))
            return back;
    return PointsEntry::columnAfter(key, column);
}

void TInvoerForm::onReken() {
    if (!readShownRows())
        return;
    const auto total = entry_->compute();
    if (!total)
        return;
    fill();
    showTotal(QString::fromStdString(velk::FixedText(*total, 2, velk::kListDecimalSeparator)));
}

void TInvoerForm::onOk() {
    if (!readShownRows())
        return;
    PointsEntry::OkOptions options;
    options.save = save_;
    saved_ = entry_->ok(options);
    finish(true);
}

void TInvoerForm::onSchrap() {
    entry_->cancel();
    finish(false);
}

void TInvoerForm::onRowMoved(int oldVisual, int newVisual) {
    // The grid keeps its own order; the records move and the grid is filled again.
    QHeaderView* rows = grid()->verticalHeader();
    const QSignalBlocker block(rows);
    rows->moveSection(newVisual, oldVisual);
    if (!readShownRows())
        return;
    const int first = draft().firstRow();
    if (entry_->movePair(first + oldVisual, first + newVisual))
        fill();
}

void TInvoerForm::onGegevens() {
    dialogs_.messageBox(entry_->sessionDataText(), velk::MessageKind::Plain, velk::Button::OK);
}
