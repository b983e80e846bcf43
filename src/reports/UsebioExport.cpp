#include "reports/UsebioExport.h"

#include "core/TextHelpers.h"
#include "core/records/ConfigRecord.h"
#include "core/records/FirstBoard.h"
#include "core/records/PairRecord.h"
#include "hands/BoardFacts.h"
#include "reports/TravellerLines.h"
#include "scoring/ScoreCode.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace velk {

namespace {

// Markup characters as entities; control characters other than the tab have no place in XML.
std::string XmlText(std::string_view text) {
    static constexpr std::pair<char, const char*> kEntities[] = {
        {'&', "&amp;"}, {'<', "&lt;"}, {'>', "&gt;"}, {'"', "&quot;"}};
    std::string out;
    for (const char c : text) {
        const auto* entity = std::find_if(std::begin(kEntities), std::end(kEntities),
                                          [c](const auto& e) { return e.first == c; });
        if (entity != std::end(kEntities))
            out += entity->second;
        else if (static_cast<unsigned char>(c) >= 0x20 || c == '\t')
            out += c;
    }
    return out;
}

// A small writer of nested elements, two blanks a level.
class Xml {
public:
    void open(std::string_view name, std::string_view attributes = {}) {
        indent();
        text_ += "<" + std::string(name) + (attributes.empty() ? "" : " " + std::string(attributes)) + ">\n";
        open_.emplace_back(name);
    }
    void close() {
        const std::string name = open_.back();
        open_.pop_back();
        indent();
        text_ += "</" + name + ">\n";
    }
    void element(std::string_view name, std::string_view value) {
        indent();
        text_ += "<" + std::string(name) + ">" + XmlText(value) + "</" + std::string(name) + ">\n";
    }
    void element(std::string_view name, long long value) { element(name, std::to_string(value)); }
    std::string take() { return std::move(text_); }

private:
    void indent() { text_.append(open_.size() * 2, ' '); }
    std::string text_ = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    std::vector<std::string> open_;
};

std::string Decimal(double value, int decimals) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

std::string Tenths(int tenths) {
    return Decimal(tenths / 10.0, 1);
}

// "dd-mm-yyyy" as the format writes dates: "dd/mm/yyyy".
std::string UsebioDate(std::string date) {
    std::replace(date.begin(), date.end(), '-', '/');
    return date;
}

// The two players of a pair name: "Jansen & de Vries" or "Jansen - de Vries".
std::vector<std::string> PlayerNames(const std::string& name) {
    for (const std::string_view separator : {"&", " - "}) {
        const std::size_t at = name.find(separator);
        if (at != std::string::npos)
            return {std::string(Trim(name.substr(0, at))),
                    std::string(Trim(name.substr(at + separator.size())))};
    }
    return {std::string(Trim(name))};
}

struct Writer {
    const UsebioInput& in;
    const Club& club;
    Xml xml;

    void participants(int group) {
        const auto& rows = club.SessionList[static_cast<std::size_t>(club.CurrentSession - 1)].Rows;
        xml.open("PARTICIPANTS");
        for (int k = 1; k <= club.SessionHead.GroupPairs[static_cast<std::size_t>(group - 1)]; ++k) {
            const std::size_t i = static_cast<std::size_t>((group - 1) * club.PairsPerGroup + k);
            if (i >= club.PairList.size() || i >= rows.size())
                break;
            const TCalcObj& r = rows[i];
            if (r.BoardsPlayed == 0)
                continue; // the sit-out pair of an odd group
            const TParenObj& p = club.PairList[i];
            xml.open("PAIR");
            xml.element("PAIR_NUMBER", p.GrpNr);
            xml.element("PLACE", r.SessionRank);
            xml.element("TOTAL_SCORE", Decimal(r.Points, 1));
            if (club.CompetitionHead.ScoringMode == ModePairs)
                xml.element("PERCENTAGE", Decimal(double(r.Percentage) + double(r.Correction), 2));
            xml.element("BOARDS_PLAYED", r.BoardsPlayed);
            for (const std::string& player : PlayerNames(p.Naam.get())) {
                xml.open("PLAYER");
                xml.element("PLAYER_NAME", player);
                xml.element("CLUB_ID_NUMBER", p.ClubNr);
                xml.close();
            }
            xml.close();
        }
        xml.close();
    }

    // One line per table that played the board: the North-South record holds the table's score.
    void board(int group, int board) {
        const auto lines = TravellerLines(club, in.scores, in.matchPoints, group, board);
        if (lines.empty())
            return;
        xml.open("BOARD");
        xml.element("BOARD_NUMBER", board + FirstBoardOf(club.SessionHead) - 1);
        for (const TravellerLine& line : lines) {
            xml.open("TRAVELLER_LINE");
            xml.element("NS_PAIR_NUMBER", line.northSouthPair);
            xml.element("EW_PAIR_NUMBER", line.eastWestPair);
            if (!line.contract.empty()) {
                xml.element("CONTRACT", line.contract);
                if (line.tricks)
                    xml.element("TRICKS", *line.tricks);
            }
            if (!line.adjusted)
                xml.element("SCORE", line.northSouthScore);
            // A side without match points (a board the other side alone was scored on) has none.
            if (line.northSouthPoints > kNoMatchPoints)
                xml.element("NS_MATCH_POINTS", Tenths(line.northSouthPoints));
            if (line.eastWestPoints > kNoMatchPoints)
                xml.element("EW_MATCH_POINTS", Tenths(line.eastWestPoints));
            xml.close();
        }
        xml.close();
    }
};

} // namespace

std::string UsebioContract(std::string_view stored) {
    std::string text(Trim(stored));
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (text == "PAS" || text == "PASS")
        return "PASS";
    if (text.size() < 2 || text[0] < '1' || text[0] > '7')
        return {};
    std::string rest = text.substr(1);
    std::string strain;
    if (rest.rfind("SA", 0) == 0 || rest.rfind("NT", 0) == 0)
        strain = "NT", rest = rest.substr(2);
    else if (rest[0] == 'K' || rest[0] == 'C')
        strain = "C", rest = rest.substr(1);
    else if (rest[0] == 'R' || rest[0] == 'D')
        strain = "D", rest = rest.substr(1);
    else if (rest[0] == 'H' || rest[0] == 'S')
        strain = std::string(1, rest[0]), rest = rest.substr(1);
    else
        return {};
    if (rest != "" && rest != "X" && rest != "XX")
        return {};
    return text.substr(0, 1) + strain + rest;
}

namespace {

// The deals of the session, each hand a suit per element with the ranks as PBN writes them
// ("AKT2"; an empty element for a void).
void WriteHandSet(Xml& x, const HandRecord& hands) {
    constexpr const char* kSuitElements[] = {"SPADES", "HEARTS", "DIAMONDS", "CLUBS"};
    x.open("HANDSET");
    for (const HandBoard& board : hands.boards) {
        x.open("BOARD");
        x.element("BOARD_NUMBER", board.board);
        x.element("DEALER", std::string(1, kSeatLetters[static_cast<std::size_t>(BoardDealer(board.board))]));
        for (int seat = North; seat <= West; ++seat) {
            x.open("HAND");
            x.element("DIRECTION", std::string(1, kSeatLetters[static_cast<std::size_t>(seat)]));
            for (int suit = Clubs; suit >= Spades; --suit)
                x.element(kSuitElements[suit], board.deal.suitText(seat, suit));
            x.close();
        }
        x.close();
    }
    x.close();
}

} // namespace

std::string UsebioDocument(const UsebioInput& in) {
    const Club& club = in.club;
    const int mode = club.CompetitionHead.ScoringMode;
    if (mode == ModeIndividual || club.CurrentSession < 1 || club.CurrentSession > club.SessionCount())
        return {};
    Writer w{in, club, {}};
    Xml& x = w.xml;
    const std::string name = club.ConfigRecord.Head.CompetitionName.get();
    x.open("USEBIO", "Version=\"1.2\"");
    x.open("CLUB");
    x.element("CLUB_NAME", name);
    x.close();
    const char* type = mode == ModeButler ? "BUTLER_PAIRS" : mode == ModeCrossImp ? "CROSS_IMPS" : "MP_PAIRS";
    x.open("EVENT", std::string("EVENT_TYPE=\"") + type + "\"");
    x.element("PROGRAM_NAME", "Velk");
    x.element("PROGRAM_VERSION", in.programVersion);
    x.element("EVENT_DESCRIPTION", name + ", zitting " + std::to_string(club.CurrentSession));
    x.element("DATE", UsebioDate(club.SessionHead.SessionDate.get()));
    x.element("BOARD_SCORING_METHOD", mode == ModePairs ? "MATCH_POINTS" : "IMPS");
    x.element("BOARDS_PLAYED", club.SessionHead.BoardCount);
    x.element("BOARDS_PER_ROUND", club.SessionHead.BoardsPerRound);
    x.element("WINNER_TYPE", 1);
    x.element("SESSION_COUNT", 1);
    x.element("SECTION_COUNT", club.CompetitionHead.GroupCount);
    x.open("SESSION", "SESSION_ID=\"" + std::to_string(club.CurrentSession) + "\"");
    for (int g = 1; g <= club.CompetitionHead.GroupCount; ++g) {
        x.open("SECTION", std::string("SECTION_ID=\"") + GroupLetter(g) + "\"");
        w.participants(g);
        for (int b = 1; b <= club.SessionHead.BoardCount; ++b)
            w.board(g, b);
        x.close();
    }
    x.close(); // SESSION
    if (in.hands)
        WriteHandSet(x, *in.hands);
    x.close(); // EVENT
    x.close(); // USEBIO
    return x.take();
}

} // namespace velk
