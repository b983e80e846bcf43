#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "selection/RangeSelection.h"

#include <string>

namespace velk {

// The fields of the pair, round, table or competition range dialog (TParenDlg).
enum class RangeField { First, Last, Session, OkButton };

struct RangeFieldState {
    std::string text;
    std::string hint;
    bool visible = true;
};

// What the dialog shows for a report kind.
struct RangeDialogSetup {
    std::string caption;
    std::string firstLabel = "Begin";
    std::string lastLabel = " Eind";
    std::string rangeLabel; // "Paar 1...16", or "Competitie Nr: "
    std::string sessionLabel;
    RangeFieldState first;
    RangeFieldState last;
    RangeFieldState session;
    int rangeMax = 1;
};

// The rules of TParenDlg: the set-up per report kind, the check of every field, the focus and what
// OK hands back.
class RangeSelectionModel {
public:
    RangeSelectionModel(Club& club, Dialogs& dialogs);

    void setUp(int kind);
    int kind() const { return kind_; }
    const RangeDialogSetup& setup() const { return setup_; }

    void setText(RangeField field, const std::string& text);
    // Enter or a double click: checks the field and moves the focus on; it stays when refused.
    bool enter(RangeField field);
    // "OK": every field the kind asks for, in order. True when the dialog closes with OK.
    bool accept();
    RangeField focus() const { return focus_; }
    const RangeSelection& selection() const { return selection_; }

private:
    RangeFieldState& state(RangeField field);
    bool checkFirst();
    bool checkLast();
    bool checkSession();
    bool refuse(RangeField field, const std::string& subject);

    Club& club_;
    Dialogs& dialogs_;
    int kind_ = 0;
    RangeDialogSetup setup_;
    RangeField focus_ = RangeField::First;
    RangeSelection selection_;
};

} // namespace velk
