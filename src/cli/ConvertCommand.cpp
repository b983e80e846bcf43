#include "cli/CliDialogs.h"
#include "cli/Commands.h"
#include "cli/UsageTexts.h"
#include "core/ProgramFolder.h"
#include "scoring/ContractScore.h"
#include "scoring/Plausibility.h"
#include "scoring/ScoreMessages.h"
#include "scoring/ScoreTables.h"
#include "scoring/TypedScore.h"
#include "scoring/Vulnerability.h"

#include <cstdio>
#include <iostream>
#include <optional>

namespace velk::cli {

namespace {
struct ConvertRequest {
    int board = 0;
    int side = -1;
    std::optional<int> groupPairs;
    bool shortNotation = false;
    std::optional<std::string> typed;
    std::vector<std::string> words; // contract and result
};

std::optional<int> Number(const std::string& text) {
    try {
        std::size_t used = 0;
        const int value = std::stoi(text, &used);
        return used == text.size() ? std::optional<int>(value) : std::nullopt;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::optional<ConvertRequest> ParseArgs(const Args& args) {
    ConvertRequest request;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--board" && hasValue) {
            const auto board = Number(args[++i]);
            if (!board || *board < 1)
                return std::nullopt;
            request.board = *board;
        } else if (arg == "--side" && hasValue) {
            const std::string side = args[++i];
            if (side != "NZ" && side != "OW")
                return std::nullopt;
            request.side = side == "NZ" ? NorthSouth : EastWest;
        } else if (arg == "--pairs" && hasValue) {
            request.groupPairs = Number(args[++i]);
            if (!request.groupPairs)
                return std::nullopt;
        } else if (arg == "--typed" && hasValue) {
            request.typed = args[++i];
        } else if (arg == "--short") {
            request.shortNotation = true;
        } else if (arg.rfind("--", 0) == 0) {
            return std::nullopt;
        } else {
            request.words.push_back(arg);
        }
    }
    const bool contractForm = !request.typed && request.words.size() == 2;
    const bool typedForm = request.typed && request.words.empty();
    if (request.board == 0 || request.side < 0 || !(contractForm || typedForm))
        return std::nullopt;
    return request;
}

int Report(int score, char code, int flags, int error, std::string_view message, const std::string& text) {
    std::printf("score=%d code=%c flags=%d error=%d\n", score, code, flags, error);
    if (error != 0) {
        std::cerr << message << text << '\n';
        return 1;
    }
    return 0;
}

bool IsBridgeCode(char code) {
    return code == 'N' || (code >= 'E' && code <= 'H');
}
} // namespace

int RunConvert(const Args& args) {
    const auto request = ParseArgs(args);
    if (!request) {
        std::cerr << UsageOf("convert");
        return 2;
    }
    CliDialogs dialogs;
    ErrorCode errorCode;
    const ScoreTables tables = LoadScoreTables(DataFolder(), dialogs, errorCode, !request->typed);

    if (!request->typed) {
        const auto c = ContractScore(request->words[0], request->words[1], request->side, request->board,
                                     tables.ContractScorsTable);
        const std::string& shown = c.Error == 11 ? request->words[1] : c.Contract;
        return Report(c.Score, c.Code, 0, c.Error, ContractMessage(c.Error), shown);
    }

    const auto t = ParseTypedScore(*request->typed, request->shortNotation);
    int flags = t.Flags;
    int error = t.Error;
    // Fixed scores are checked against a group's top only when the group's size is given.
    if (error == 0 && t.Code != '@' && (IsBridgeCode(t.Code) || request->groupPairs)) {
        const auto p = CheckPlausible(t.Code, t.Score, request->side, request->board,
                                      request->groupPairs.value_or(0), tables.ScoreClasses);
        error = p.Error;
        flags |= p.Flags;
    }
    return Report(t.Score, t.Code, flags, error, ScoreMessage(error), *request->typed);
}

} // namespace velk::cli
