#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "gui/scoring/ResultsGridForm.h"
#include "scoring/PercentageCorrection.h"

#include <functional>

// The percentage correction window: a correction on each pair's session percentage, group by
// group, and the ranks and totals that follow. The rules are PercentageCorrection's.
class TCorrectForm : public ResultsGridForm {
    Q_OBJECT
public:
    TCorrectForm(velk::Club& club, velk::Dialogs& dialogs, QWidget* parent = nullptr);

    // Shows the window on the current session until it closes; `save` writes the competition
    // file. False (after the message) when no session is selected.
    bool OpenCorrection(std::function<bool()> save);
    bool saved() const { return saved_; }

protected:
    velk::ResultsDraft& draft() override { return model_.draft(); }
    std::string cellText(int row, int column) const override { return model_.cellText(row, column); }
    bool editable(int column) const override {
        return column == velk::PercentageCorrection::CorrectionColumn;
    }
    int firstEditableColumn() const override { return velk::PercentageCorrection::CorrectionColumn; }
    std::optional<int> readRow(int row) override;
    bool keepOpenOnClose() override { return model_.keepOpenOnClose(); }
    void cancel() override { model_.cancel(); }

private:
    void onReken();
    void onOk();

    velk::PercentageCorrection model_;
    std::function<bool()> save_;
    bool saved_ = false;
};
