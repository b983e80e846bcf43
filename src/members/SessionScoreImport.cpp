#include "members/SessionScoreImport.h"

#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/records/ConfigRecord.h"
#include "core/records/FirstBoard.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <set>
#include <tuple>

namespace velk {

namespace {

std::optional<int> WholeNumber(const std::string& text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

// The contract as the score list holds it.
std::string ImportedContract(std::string text) {
    text = text.substr(0, 6);
    if (text.size() >= 3 && text[2] == 'A')
        text.erase(1, 1);
    if (text == "?")
        return {};
    for (int n = 0; n < 2; ++n) {
        const auto dash = text.find('-');
        if (dash == std::string::npos)
            break;
        text[dash] = '=';
    }
    if (const auto xx = text.find("xx"); xx != std::string::npos)
        text.replace(xx, 2, "R ");
    if (const auto x = text.find('x'); x != std::string::npos)
        text[x] = 'D';
    return text;
}

constexpr std::uint8_t CodeOf(char letter) {
    return static_cast<std::uint8_t>(letter - 64);
}

} // namespace

std::optional<int> SessionSerialNumber(const std::string& path) {
    const std::filesystem::path p(path);
    std::string extension = p.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const std::string stem = p.stem().string();
    if (extension != ".ses" || stem.empty())
        return std::nullopt;
    std::string digits = stem.substr(stem.size() >= 2 ? stem.size() - 2 : 0);
    if (!digits.empty() && (std::tolower(static_cast<unsigned char>(digits[0])) == 'c' ||
                            std::tolower(static_cast<unsigned char>(digits[0])) == 'z'))
        digits.erase(0, 1);
    if (!AllDigits(digits))
        return std::nullopt;
    return WholeNumber(digits);
}

CompetitionSession SplitSessionSerial(int serial, int sessionsPerCompetition) {
    const int s = std::max(sessionsPerCompetition, 1);
    const int a = std::max(serial, 1);
    return {(a - 1) / s + 1, (a - 1) % s + 1};
}

SpelColumns::SpelColumns(const AccessTable& table)
    : contract(table.column("contract")), result(table.column("resultaat")),
      direction(table.column("Richting")), normal(table.column("NormalescoreOntvangen")),
      score(table.column("score")), arbitral(table.column("ArbitralescoreOntvangen")),
      turned(table.column("Contrazit")), line(table.column("Lijn")), board(table.column("Spel")),
      pair(table.column("Paar")) {}

bool SpelColumns::complete() const {
    return std::min({contract, result, direction, normal, score, arbitral, turned, line, board, pair}) >= 0;
}

bool ConvertSpelRow(const AccessTable& table, std::size_t row, const SpelColumns& c, TScoreObj& out) {
    TScoreObj r;
    std::string contract = ImportedContract(table.text(row, c.contract));
    r.Result.set(table.text(row, c.result).substr(0, 4));
    if (table.text(row, c.direction) != "NZ") {
        r.Direction = 1;
        r.Flags |= ScoreFlag::EastWest;
    }
    const std::string scoreText = table.text(row, c.score).substr(0, 10);
    if (table.text(row, c.normal) == "1") {
        const auto value = WholeNumber(scoreText);
        if (!value || *value < -32768 || *value > 32767)
            return false;
        r.Code = CodeOf('N');
        r.Score = static_cast<std::int16_t>(*value);
    } else if (scoreText == "NG" || scoreText == "?") {
        contract = "NG";
    } else if (scoreText != "WT" && scoreText != "AFW" && scoreText.size() >= 2 &&
               AllDigits(std::string_view(scoreText).substr(0, scoreText.size() - 1))) {
        const auto value = WholeNumber(scoreText.substr(0, scoreText.size() - 1));
        if (!value || *value > 32767)
            return false;
        r.Score = static_cast<std::int16_t>(*value);
        // A percentage keeps its meaning as an arbitral percentage; without a code it would
        // count as no score at all.
        if (scoreText.back() == '%')
            r.Code = CodeOf('A');
    } else {
        if (scoreText == "AFW")
            contract = "AFW";
        else if (scoreText == "WT")
            contract = "ZIT";
        if (table.text(row, c.arbitral) == "1")
            r.Code = CodeOf('S');
    }
    r.Contract.set(contract);
    if (table.text(row, c.turned) == "1")
        r.Flags |= ScoreFlag::Turned;
    out = r;
    return true;
}

bool SessionScoreImport::takeTable(const std::string& path, AccessRead status, AccessTable table) {
    ready_ = false;
    const auto serial = SessionSerialNumber(path);
    if (status != AccessRead::Ok || !serial || !SpelColumns(table).complete()) {
        dialogs_.error(" FoutBijInlezen");
        return false;
    }
    numbers_ = SplitSessionSerial(*serial, club_.CompetitionHead.SessionsPerCompetition);
    table_ = std::move(table);
    dialogs_.information(" Inlezen Sessie, Comp.=" + std::to_string(numbers_.competition) +
                         " Zitting=" + std::to_string(numbers_.session) + " gelukt");
    if (numbers_.competition != club_.CompetitionNumber) {
        if (!dialogs_.askYesNo("Competitieindex NIET juist, wilt u deze aanpassen als: " +
                               std::to_string(club_.CompetitionNumber)))
            return false;
        numbers_.competition = club_.CompetitionNumber;
    }
    if (numbers_.session != club_.CurrentSession &&
        dialogs_.askYesNo("ZittingNr  NIET juist, wilt u deze aanpassen als: " +
                          std::to_string(club_.CurrentSession)))
        numbers_.session = club_.CurrentSession;
    ready_ = true;
    return true;
}

bool SessionScoreImport::refuse(const std::string& text) {
    dialogs_.error(text);
    return false;
}

bool SessionScoreImport::copyScores() {
    if (!ready_)
        return false;
    const int session = numbers_.session;
    if (session != club_.CurrentSession || session < 1 ||
        static_cast<std::size_t>(session) > club_.SessionScoreList.size())
        return refuse("Zitting " + std::to_string(session) +
                      " is niet de open zitting; de scores zijn niet overgenomen");
    const TZitCalcObj& head = club_.SessionHead;
    const int boards = head.BoardCount;
    const int firstBoard = FirstBoardOf(head);
    int expected = 0;
    for (int g = 1; g <= club_.CompetitionHead.GroupCount; ++g)
        expected += head.GroupPairs[static_cast<std::size_t>(g - 1)] * boards;
    const int rows = static_cast<int>(table_.Rows.size());
    if (rows != expected)
        return refuse("Aantal Velk scores " + std::to_string(expected) +
                      " Aantal van Kaartix : " + std::to_string(rows));

    const SpelColumns columns(table_);
    std::vector<TScoreObj> records = club_.SessionScoreList[static_cast<std::size_t>(session - 1)].Records;
    std::set<std::tuple<int, int, int>> placed;
    for (std::size_t r = 0; r < table_.Rows.size(); ++r) {
        const std::string line = table_.text(r, columns.line);
        const std::string where = "Lijn " + line + " Spel " + table_.text(r, columns.board) + " Paar " +
                                  table_.text(r, columns.pair);
        const int group = line.size() == 1 ? std::toupper(static_cast<unsigned char>(line[0])) - 'A' + 1 : 0;
        if (group < 1 || group > club_.CompetitionHead.GroupCount)
            return refuse(std::string(ErrorPrefix(ErrorMessage::GroupMissing)) + line);
        const int board = WholeNumber(table_.text(r, columns.board)).value_or(0) - firstBoard + 1;
        if (board < 1 || board > boards)
            return refuse("Spel bestaat niet in deze zitting: " + where);
        const int pair = WholeNumber(table_.text(r, columns.pair)).value_or(0);
        if (pair < 1 || pair > head.GroupPairs[static_cast<std::size_t>(group - 1)])
            return refuse(std::string(ErrorPrefix(ErrorMessage::PairMissing)) + where);
        if (!placed.insert({group, board, pair}).second)
            return refuse("Dubbele score in de Kaartix-tabel: " + where);
        TScoreObj record;
        if (!ConvertSpelRow(table_, r, columns, record))
            return refuse("Scoreconversie mislukt: " + where);
        const int index = ScoreRecordIndex(group, board, pair, boards, club_.PairsPerGroup);
        if (index < 1 || static_cast<std::size_t>(index) >= records.size())
            return refuse(std::string(ErrorPrefix(ErrorMessage::PairMissing)) + where);
        records[static_cast<std::size_t>(index)] = record;
    }
    club_.SessionScoreList[static_cast<std::size_t>(session - 1)].Records = std::move(records);
    club_.CompetitionHead.ConfigFlags |= ConfigFlag::UseContracts;
    return true;
}

} // namespace velk
