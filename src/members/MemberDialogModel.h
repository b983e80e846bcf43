#pragma once

#include "core/Clock.h"
#include "core/Dialogs.h"
#include "core/ErrorCode.h"
#include "core/records/MemberRecord.h"
#include "members/MemberFields.h"

#include <string>

namespace velk {

class MembersRegister;

// The member dialog: edits a copy of one member; "Herstel" puts back the values it opened with,
// "Voeg in" stores the copy in the register.
class MemberDialogModel {
public:
    MemberDialogModel(MembersRegister& members, Dialogs& dialogs, const Clock& clock)
        : members_(members), dialogs_(dialogs), clock_(clock) {}

    static constexpr const char* Caption = "Gegevens bewerken";
    static constexpr const char* Heading = " Invoeren of wijzigen v.d. velden van een ClubLid : ";

    bool open(int row);
    int row() const { return row_; }
    const TKXLedenOBJ& draft() const { return draft_; }

    // The text a field shows.
    std::string text(MemberField field) const;
    // Checks and stores a typed text; false (with the message) leaves the field as it was.
    bool enter(MemberField field, const std::string& typed);
    static MemberField Next(MemberField field);

    void herstel() { draft_ = original_; }
    bool commit();

private:
    MembersRegister& members_;
    Dialogs& dialogs_;
    const Clock& clock_;
    ErrorCode errorCode_;
    int row_ = -1;
    TKXLedenOBJ draft_;
    TKXLedenOBJ original_;
};

} // namespace velk
