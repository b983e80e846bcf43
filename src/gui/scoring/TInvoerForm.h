#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "gui/scoring/ResultsGrid.h"
#include "gui/scoring/ResultsGridForm.h"
#include "scoring/PointsEntry.h"
#include "scoring/ScoreTables.h"

#include <functional>
#include <memory>

// The points and substitutes window: each pair's points, substitutes and rank of the current
// session, group by group, and the percentages, ranks and totals recomputed from them. The rules
// are PointsEntry's.
class TInvoerForm : public ResultsGridForm {
    Q_OBJECT
public:
    TInvoerForm(velk::Club& club, velk::Dialogs& dialogs, QWidget* parent = nullptr);
    ~TInvoerForm() override;

    // Shows the window on the current session until it closes; `save` writes the competition
    // file. False (after the message) when no session is selected.
    bool OpenPointsForm(std::function<bool()> save);
    velk::PointsEntry& entry() { return *entry_; }
    bool saved() const { return saved_; }

protected:
    velk::ResultsDraft& draft() override { return entry_->draft(); }
    std::string cellText(int row, int column) const override { return entry_->cellText(row, column); }
    bool editable(int column) const override { return column >= velk::PointsEntry::PointsColumn; }
    int firstEditableColumn() const override { return velk::PointsEntry::PointsColumn; }
    std::optional<int> readRow(int row) override;
    bool keepOpenOnClose() override { return entry_->keepOpenOnClose(); }
    void cancel() override { entry_->cancel(); }

private:
    // Where Tab and the arrows go along a row; nothing for the other moves.
    std::optional<int> columnAfter(ResultsGrid::Move move, int column);
    void onReken();
    void onOk();
    void onSchrap();
    void onGegevens();
    // A row dragged by its header to another place: the pair moves in every session.
    void onRowMoved(int oldVisual, int newVisual);

    velk::Club& club_;
    velk::ScoreTables tables_;
    std::unique_ptr<velk::PointsEntry> entry_;
    std::function<bool()> save_;
    bool saved_ = false;
};
