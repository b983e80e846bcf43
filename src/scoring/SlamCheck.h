#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "scoring/SlamScoreTable.h"

#include <functional>
#include <optional>
#include <string>

namespace velk {

// A score of the session that only a slam gives, as the slam dialog shows it.
struct SlamCandidate {
    int group = 0;
    int board = 0; // the board's number
    int pair = 0;  // the pair's number in its group
    int row = 0;   // the pair's row in the list, its slam record
    bool eastWest = false;
    int score = 0;
    SlamHit hit;
    int slamTotal = 0; // counted so far, this one included

    // "Groep:A   Spel: 3;  Paar:  5, NZ;    Score:   990    Niemand Kwetsbaar"
    std::string line() const;
    // "Klein Slem" or "Groot Slem".
    std::string caption() const;
    int fontSize() const { return 10 + hit.kind() / 3; }
    std::string countText() const;
};

// The answer of the dialog: the strain class confirmed (the offered one or another the user
// chose), or nothing for "Schrap" (not a slam).
using SlamAnswer = std::function<std::optional<int>(const SlamCandidate&)>;

// "Verificatie Slem's" on the current session: every score that only a slam gives is offered,
// the confirmed ones are counted per pair and kind into the session's slam block, and the slam
// file is written with `saveSlams`. False when the session has no score block (nothing changed)
// or the slam file could not be written.
bool CheckSlams(Club& club, Dialogs& dialogs, const SlamAnswer& answer,
                const std::function<bool()>& saveSlams);

} // namespace velk
