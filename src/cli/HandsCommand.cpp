// velk-cli hands: the session's hand record dealt, read from a file, shown or written out.
#include "cli/ArgParser.h"
#include "cli/Commands.h"
#include "cli/JsonWriter.h"
#include "cli/OpenCompetition.h"
#include "cli/SessionHands.h"
#include "cli/UsageTexts.h"
#include "hands/BoardFacts.h"
#include "hands/DealText.h"
#include "hands/Dealing.h"
#include "hands/HandImport.h"
#include "hands/HandRecordFile.h"

#include <charconv>
#include <iostream>

namespace velk::cli {

int RunHandsExport(const ArgParser& args);

namespace {

// The session's boards that were dealt or read stored as its hand record.
int StoreDeals(const Club& club, const std::vector<NumberedDeal>& deals) {
    const std::string path = HandRecordPath(club.ClubFilePath, club.CurrentSession);
    if (!MayWriteHands(path))
        return 1;
    HandRecord record = NewHandRecord(club);
    for (const NumberedDeal& d : deals)
        record.boards.push_back({d.board, d.deal, std::nullopt});
    if (!SaveHandRecord(path, record)) {
        std::cerr << "niet geschreven: " << path << '\n';
        return 1;
    }
    std::cerr << record.boards.size() << " spelverdelingen bewaard in " << path << '\n';
    return 0;
}

// The open session and its number of boards: 0, or the exit status.
int OpenSessionBoards(OpenCompetition& open, const ArgParser& args, int& count) {
    if (const int status = OpenForHands(open, args))
        return status;
    count = SessionBoardCount(open.club);
    return count < 1 ? 1 : 0;
}

int Deal(const ArgParser& args) {
    std::optional<std::uint64_t> seed;
    if (const auto text = args.value("seed")) {
        std::uint64_t value = 0;
        const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
        if (error != std::errc() || end != text->data() + text->size()) {
            std::cerr << "--seed: geen geheel getal: " << *text << '\n';
            return 2;
        }
        seed = value;
    }
    OpenCompetition open(false, CompanionFiles::None);
    int count = 0;
    if (const int status = OpenSessionBoards(open, args, count))
        return status;
    const Club& club = open.club;
    SystemRandom system;
    SeededRandom seeded(seed.value_or(0));
    RandomSource& random = seed ? static_cast<RandomSource&>(seeded) : system;
    const auto deals = DealBoards(FirstBoard(club), count, random);
    if (!deals) {
        std::cerr << "het systeem gaf geen willekeurige getallen: niet gedeeld\n";
        return 1;
    }
    return StoreDeals(club, *deals);
}

int Import(const ArgParser& args) {
    OpenCompetition open(false, CompanionFiles::None);
    int count = 0;
    if (const int status = OpenSessionBoards(open, args, count))
        return status;
    const Club& club = open.club;
    std::vector<NumberedDeal> read;
    std::string problem;
    if (!ReadDealFile(args.positional()[1], read, problem)) {
        std::cerr << "niet ingelezen: " << problem << '\n';
        return 1;
    }
    const int first = FirstBoard(club), last = first + count - 1;
    std::vector<NumberedDeal> kept;
    for (const NumberedDeal& d : read)
        if (d.board >= first && d.board <= last)
            kept.push_back(d);
    if (kept.empty()) {
        std::cerr << "niet ingelezen: het bestand heeft geen van de spellen " << first << "-" << last
                  << " van zitting " << club.CurrentSession << '\n';
        return 1;
    }
    if (static_cast<int>(kept.size()) < count)
        std::cerr << "let op: " << count - static_cast<int>(kept.size()) << " van de " << count
                  << " spellen staan niet in het bestand\n";
    return StoreDeals(club, kept);
}

void WriteBoard(JsonWriter& json, const HandBoard& b) {
    json.beginObject();
    json.key("board").value(b.board);
    json.key("dealer").value(std::string(1, kSeatLetters[static_cast<std::size_t>(BoardDealer(b.board))]));
    json.key("vulnerable").value(PbnVulnerability(b.board));
    json.key("deal").value(PbnDealText(b.deal));
    json.key("dd");
    json.beginObject();
    for (int seat = 0; seat < 4; ++seat) {
        json.key(std::string(1, kSeatLetters[static_cast<std::size_t>(seat)]));
        json.beginObject();
        for (const int strain : {int{NoTrump}, int{Spades}, int{Hearts}, int{Diamonds}, int{Clubs}})
            json.key(StrainName(strain)).value(b.analysis->tricks.at(seat, strain));
        json.endObject();
    }
    json.endObject();
    json.key("par");
    json.beginObject();
    json.key("score").value(b.analysis->par.score);
    json.key("contracts");
    json.beginInlineArray();
    for (const ParContract& c : b.analysis->par.contracts)
        json.value(ParContractText(c));
    json.endArray();
    json.endObject();
    json.endObject();
}

int Show(const ArgParser& args) {
    if (args.value("format").value_or("") != "json") {
        std::cerr << "--format: alleen json\n";
        return 2;
    }
    int board = 0;
    if (args.value("board") && !args.intValue("board", board))
        return 2;
    OpenCompetition open(false, CompanionFiles::None);
    SessionHands hands;
    if (const int status = OpenForHands(open, args, &hands))
        return status;
    if (board != 0 && !hands.record.find(board)) {
        std::cerr << "spel " << board << " heeft geen spelverdeling in zitting " << open.club.CurrentSession
                  << '\n';
        return 1;
    }
    if (!hands.AnalyseAndStore())
        return 1;
    JsonWriter json;
    json.beginObject();
    json.key("boards");
    json.beginArray();
    for (const HandBoard& b : hands.record.boards)
        if (board == 0 || b.board == board)
            WriteBoard(json, b);
    json.endArray();
    json.endObject();
    std::cout << json.str();
    return 0;
}

} // namespace

int RunHands(const Args& raw) {
    const ArgParser args(raw, {"session", "seed", "format", "board"});
    const auto& words = args.positional();
    const std::string action = words.empty() ? "" : words[0];
    const std::size_t wanted = action == "import" || action == "export" ? 3 : 2;
    if (words.size() != wanted || !args.unknown({}).empty() ||
        (action != "deal" && action != "import" && action != "export" && action != "show")) {
        std::cerr << UsageOf("hands");
        return 2;
    }
    // The competition file is the action's first word, as every other command has it.
    Args shifted;
    bool skipped = false;
    for (const std::string& word : raw) {
        if (!skipped && word == action) {
            skipped = true;
            continue;
        }
        shifted.push_back(word);
    }
    const ArgParser inner(shifted, {"session", "seed", "format", "board"});
    if (action == "deal")
        return Deal(inner);
    if (action == "import")
        return Import(inner);
    if (action == "export")
        return RunHandsExport(inner);
    return Show(inner);
}

} // namespace velk::cli
