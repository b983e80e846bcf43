#pragma once

#include "club/Club.h"
#include "hands/HandRecord.h"
#include "scoring/MatchPointCalculation.h"

#include <string>
#include <vector>

namespace velk {

// The results of the current session in USEBIO 1.2, the XML results format of the bridge
// federations. The element names and their nesting follow the USEBIO 1.2 definition as the
// public readers of the format use it (usebio.org; EVENT > SESSION > SECTION > PARTICIPANTS and
// BOARD > TRAVELLER_LINE, as the importers of the English and Australian results services read
// them). One SECTION per group; the match points are the ones computed for the session.
struct UsebioInput {
    const Club& club;
    // The current session's score records and, per record, its match points in tenths (IMPs in
    // tenths in "Butler" and "Cross Imp"), as the computation stored them.
    const std::vector<TScoreObj>& scores;
    const std::vector<TMatchPObj>& matchPoints;
    std::string programVersion;
    // The session's hand record, when it has one: its deals go in a HANDSET after the session.
    const HandRecord* hands = nullptr;
};

// The document, UTF-8. Empty when the competition is scored per individual (USEBIO pairs only).
std::string UsebioDocument(const UsebioInput& input);

// A contract as the program stores it ("4HX", "3SA", "5K", "PAS") in USEBIO notation ("4HX",
// "3NT", "5C", "PASS"); empty when the text is no contract.
std::string UsebioContract(std::string_view stored);

} // namespace velk
