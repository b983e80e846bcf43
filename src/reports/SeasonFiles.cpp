#include "reports/SeasonFiles.h"

#include "core/ByteCodec.h"

#include <cctype>
#include <filesystem>

namespace velk {

namespace {

bool Digit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The folder part and the file name of a path, split at the last separator.
std::pair<std::string, std::string> Split(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    if (slash == std::string::npos)
        return {{}, path};
    return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

std::string Stem(const std::string& name) {
    return name.substr(0, name.find('.'));
}

} // namespace

// The stem without the digits before its ".": two when the second character before it is a digit,
// else one when that character is a digit, or (for drives) always.
static std::string WithoutNumber(const std::string& path, bool alwaysOne) {
    auto [folder, name] = Split(path);
    std::string stem = Stem(name);
    const std::size_t n = stem.size();
    if (n >= 2 && Digit(stem[n - 2]))
        stem.resize(n - 2);
    else if (n >= 1 && (alwaysOne || Digit(stem[n - 1])))
        stem.resize(n - 1);
    return folder + stem;
}

std::string SeasonBase(const std::string& path) {
    return WithoutNumber(path, false);
}

std::string DriveBase(const std::string& path) {
    return WithoutNumber(path, true);
}

std::string SeasonExtension(const std::string& path) {
    const std::string name = Split(path).second;
    const std::size_t dot = name.find('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

bool SeasonFileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

SeasonReadResult ParseSeasonCompetition(std::span<const std::uint8_t> bytes, SeasonCompetition& out) {
    ByteReader in(bytes);
    SeasonCompetition read;
    auto fits = [&](std::size_t count, std::size_t size) { return count <= in.remaining() / size; };
    if (!fits(1, TConfigObj::Size))
        return {SeasonRead::BadRecord, 0};
    read.config.ReadFrom(in);
    read.hasSlamBonus = (read.config.Head.ConfigFlags & ConfigFlag::SlamBonusBlock) != 0;
    if (read.hasSlamBonus) {
        if (!fits(1, SlamBonusBlock::Size))
            return {SeasonRead::BadRecord, 0};
        SlamBonusBlock block;
        block.ReadFrom(in);
        for (std::size_t i = 0; i < read.slamBonus.size(); ++i)
            read.slamBonus[i] = block.Values[i];
    }
    const int pairCount = read.config.Head.PairCount;
    if (pairCount < 1 || !fits(static_cast<std::size_t>(pairCount) + 1, TParenObj::Size))
        return {SeasonRead::BadRecord, 0};
    read.pairs.resize(static_cast<std::size_t>(pairCount) + 1);
    for (TParenObj& pair : read.pairs)
        pair.ReadFrom(in);
    if (!fits(1, 2))
        return {SeasonRead::BadRecord, 0};
    const int sessionCount = in.i16();
    if (sessionCount < 0)
        return {SeasonRead::BadRecord, 0};
    if (sessionCount > read.config.Head.SessionsPerCompetition)
        return {SeasonRead::TooManySessions, 0};
    const std::size_t rows = static_cast<std::size_t>(pairCount) + 1;
    for (int s = 1; s <= sessionCount; ++s) {
        if (!fits(1, TZitCalcObj::Size))
            return {SeasonRead::BadRecord, s};
        TZitCalcObj session;
        session.ReadFrom(in);
        if (!fits(rows, TCalcObj::Size))
            return {SeasonRead::BadRecord, s};
        session.Rows.resize(rows);
        for (TCalcObj& row : session.Rows)
            row.ReadFrom(in);
        // A removed session keeps its rows in the file but counts for nothing.
        if (session.SessionNr != 0)
            read.sessions.push_back(std::move(session));
    }
    if (!in.ok())
        return {SeasonRead::BadRecord, sessionCount};
    out = std::move(read);
    return {};
}

} // namespace velk
