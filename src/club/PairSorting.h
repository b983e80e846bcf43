#pragma once

#include "club/Club.h"

namespace velk {

// "Sorteren Op :"
enum class SortKey : int { ClubNr = 0, GrpNr = 1, Naam = 2, Plaats = 3 };
// "Sorteren per : "
enum class SortScope : int { Groep = 0, Club = 1 };

// What the sort dialog returns; the defaults are what it shows when it opens.
struct SortChoice {
    SortKey key = SortKey::GrpNr;
    SortScope scope = SortScope::Groep;
};

// After the sort dialog closes with OK: the list is no longer in group and GrpNr order, so saving
// and export must wait until it is sorted back.
bool NeedSortFirstAfter(const SortChoice& choice);

// Bubble-sorts the pair list: group 0 sorts every group (scope Groep) or the whole list (scope
// Club); group g sorts only group g. Unless `regroupMode` is set, the result rows of every session
// are exchanged with their pairs, so each row stays with its pair. Equal keys keep their order.
void SortPairs(Club& club, int group, SortKey key, SortScope scope, bool regroupMode);

// Moves the pair of list row `from` to row `to` (both 1-based), its result rows in every session
// with it, and renumbers the list. False when either row is outside the list or they are equal.
bool MovePairRow(Club& club, int from, int to);

// The regrouping for the next competition: every group sorted by rank, the bottom pairs of a group
// moved down and the top pairs of the next group moved up (Degradations of the configuration), then
// the list sorted by group and number. The session's GroupPairs say how many pairs played in each
// group; pairs that did not play keep their place at the end of their group.
void RegroupForNextCompetition(Club& club);

} // namespace velk
