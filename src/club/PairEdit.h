#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "core/records/PairRecord.h"

#include <string>

namespace velk {

// The fields of a pair a user may change, in the order they are checked.
enum class PairField { ClubNr, Groep, GrpNr, Naam };
inline constexpr int kPairFieldCount = 4;

// One pair's fields as "Gegevens bewerken", the pair grid and `velk-cli pairs edit` accept them:
// works on a copy of a pair record and puts it in place on commit().
//
// Accepted: a ClubNr from 1 to the number of pairs, or to one above the highest number another
// pair has (insertion and removal leave numbers above the count); a group letter of the
// competition's groups (a blank with one group); a GrpNr from 1 to the pairs a group holds (a group
// may hold more than the even share after an insertion); a name of 1 to 48 characters.
class PairEdit {
public:
    PairEdit(Club& club, Dialogs& dialogs) : club_(club), dialogs_(dialogs) {}

    static constexpr const char* Caption = "Gegevens bewerken";
    static constexpr const char* Heading = " Wijzigen van de velden van een Clubpaar : ";
    static constexpr std::size_t kMaxName = 48;

    // Takes a copy of pair record `row` (1-based); false when there is no such pair.
    bool open(int row);
    int row() const { return row_; }
    const TParenObj& draft() const { return draft_; }

    // The text a field shows for the copy.
    std::string text(PairField field) const;
    // Checks a typed text and stores it in the copy; false (with the message) leaves the copy as
    // it was.
    bool enter(PairField field, const std::string& typed);
    // Puts the copy in place of the pair record; "Wijzigen van record mislukt" when the list no
    // longer has that row.
    bool commit();

private:
    int highestOtherClubNr() const;
    int pairsInGroup(std::uint8_t letter) const;
    void refuse(const std::string& subject, int suffix);
    // A whole number from 1 to `limit` into a field of the copy.
    bool enterNumber(std::int16_t& into, const std::string& typed, int limit, const char* subject);

    Club& club_;
    Dialogs& dialogs_;
    int row_ = 0;
    TParenObj draft_;
};

} // namespace velk
