#include "terminals/TableRequest.h"

#include "core/files/LeadFile.h"

#include <cctype>
#include <nlohmann/json.hpp>

namespace velk::terminals {

namespace {

bool AllDigits(std::string_view s) {
    if (s.empty())
        return false;
    for (const char c : s)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// 1 ... 999 written without leading zeros; 0 for anything else.
int SmallNumber(std::string_view s) {
    if (s.size() > 3 || !AllDigits(s) || s[0] == '0')
        return 0;
    int n = 0;
    for (const char c : s)
        n = n * 10 + (c - '0');
    return n;
}

bool IsLabel(std::string_view s) {
    if (s.empty() || s.size() > 6)
        return false;
    for (const char c : s)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            return false;
    return true;
}

// Containers nested deeper than `limit`, counted outside strings, before the parser sees them.
bool TooDeep(std::string_view text, int limit) {
    int depth = 0;
    bool inString = false;
    bool escaped = false;
    for (const char c : text) {
        if (inString) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            if (++depth > limit)
                return true;
        } else if (c == '}' || c == ']') {
            --depth;
        }
    }
    return false;
}

std::string Upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// A text field, or a whole number written as one; false when it is neither or too long.
bool TextOf(const nlohmann::json& value, std::size_t maxLength, std::string& out) {
    if (value.is_string()) {
        out = value.get<std::string>();
    } else if (value.is_number_integer()) {
        const auto n = value.get<long long>();
        if (n < -99999 || n > 99999)
            return false;
        out = std::to_string(n);
    } else {
        return false;
    }
    if (out.size() > maxLength)
        return false;
    for (const char c : out)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7f)
            return false;
    return true;
}

} // namespace

std::optional<TablePath> ParseTablePath(std::string_view path) {
    constexpr std::string_view prefix = "/api/v1/tables/";
    if (path.size() > kMaxPathLength || path.substr(0, prefix.size()) != prefix)
        return std::nullopt;
    std::string_view rest = path.substr(prefix.size());
    const auto slash = rest.find('/');
    TablePath parsed;
    parsed.label = std::string(rest.substr(0, slash));
    if (!IsLabel(parsed.label))
        return std::nullopt;
    if (slash == std::string_view::npos)
        return parsed;
    rest = rest.substr(slash + 1);
    const auto second = rest.find('/');
    if (second == std::string_view::npos)
        return std::nullopt;
    const std::string_view what = rest.substr(0, second);
    if (what == "rounds")
        parsed.kind = TablePath::Kind::Round;
    else if (what == "boards")
        parsed.kind = TablePath::Kind::Board;
    else
        return std::nullopt;
    parsed.number = SmallNumber(rest.substr(second + 1));
    if (parsed.number == 0)
        return std::nullopt;
    return parsed;
}

std::optional<BoardBody> ParseBoardBody(std::string_view body, std::string& problem) {
    problem = "Verzoek niet correct";
    if (body.size() > kMaxBodyLength || TooDeep(body, kMaxJsonDepth))
        return std::nullopt;
    const auto json = nlohmann::json::parse(body, nullptr, false);
    if (json.is_discarded() || !json.is_object())
        return std::nullopt;
    BoardBody parsed;
    bool hasContract = false;
    for (const auto& [key, value] : json.items()) {
        std::string text;
        if (key == "score" && TextOf(value, 16, text)) {
            parsed.score = text;
        } else if (key == "previous" && TextOf(value, 16, text)) {
            parsed.previous = text;
        } else if (key == "contract" && TextOf(value, 8, text)) {
            parsed.contract = Upper(text);
            hasContract = true;
        } else if (key == "declarer" && TextOf(value, 1, text)) {
            parsed.declarer = Upper(text);
        } else if (key == "result" && TextOf(value, 4, text)) {
            parsed.result = Upper(text);
        } else if (key == "lead" && TextOf(value, 3, text)) {
            parsed.lead = Upper(text);
        } else if (key == "check" && value.is_boolean()) {
            parsed.check = value.get<bool>();
        } else {
            return std::nullopt;
        }
    }
    if (parsed.score.has_value() == hasContract)
        return std::nullopt;
    if (hasContract) {
        if (parsed.declarer.empty() ||
            std::string_view("NSEWZO").find(parsed.declarer[0]) == std::string_view::npos) {
            problem = "Leider bestaat NIET " + parsed.declarer;
            return std::nullopt;
        }
        if (!parsed.lead.empty() && !NormalLeadCard(parsed.lead)) {
            problem = "Uitkomst bestaat NIET " + parsed.lead;
            return std::nullopt;
        }
        // "=" and "0" are the phone's ways of saying made exactly.
        if (parsed.result == "=" || parsed.result == "0" || parsed.result == "+0")
            parsed.result = "C";
    }
    problem.clear();
    return parsed;
}

std::string BoardBodyJson(const BoardBody& body) {
    nlohmann::ordered_json j;
    if (body.score) {
        j["score"] = *body.score;
    } else {
        j["contract"] = body.contract;
        j["declarer"] = body.declarer;
        j["result"] = body.result;
        if (!body.lead.empty())
            j["lead"] = body.lead;
    }
    if (body.previous)
        j["previous"] = *body.previous;
    return j.dump();
}

} // namespace velk::terminals
