#include "terminals/TablePinFile.h"

#include "core/files/SessionSideFile.h"
#include "terminals/TablePins.h"
#include "terminals/TableTerminals.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>

namespace velk::terminals {

namespace {

constexpr std::string_view kHeader = "velk-pins 1\n";
constexpr std::string_view kBackupExtension = ".~pn";
// 256 tables of a few bytes each; anything larger was never written by us.
constexpr std::size_t kMaxPinFileBytes = 64u << 10;
constexpr std::size_t kMaxLabel = 6;

// A label a phone can name in its requests.
bool IsPinLabel(std::string_view s) {
    return !s.empty() && s.size() <= kMaxLabel && std::all_of(s.begin(), s.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c));
    });
}

bool IsPin(std::string_view s) {
    return s.size() == static_cast<std::size_t>(kPinDigits) &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

std::string PinFileText(const std::vector<KeptPin>& pins) {
    std::string text(kHeader);
    for (const KeptPin& p : pins)
        text += p.label + ' ' + p.pin + '\n';
    return text;
}

std::optional<std::vector<KeptPin>> ParsePinFile(std::string_view text) {
    if (text.substr(0, kHeader.size()) != kHeader)
        return std::nullopt;
    std::vector<KeptPin> pins;
    std::set<std::string, std::less<>> labels;
    for (std::size_t start = kHeader.size(); start < text.size();) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            return std::nullopt; // cut off
        const std::string_view line = text.substr(start, end - start);
        const std::size_t space = line.find(' ');
        if (space == std::string_view::npos)
            return std::nullopt;
        const std::string_view label = line.substr(0, space);
        const std::string_view pin = line.substr(space + 1);
        if (!IsPinLabel(label) || !IsPin(pin) || !labels.emplace(label).second)
            return std::nullopt;
        pins.push_back({std::string(label), std::string(pin)});
        start = end + 1;
    }
    if (pins.empty())
        return std::nullopt;
    return pins;
}

std::string TablePinFile::PathFor(const std::string& competition, int session) {
    return SessionSideFilePath(competition, "pins", session, ".txt");
}

bool TablePinFile::read(std::vector<KeptPin>& pins, std::string& problem) const {
    pins.clear();
    std::optional<std::string> text;
    if (!ReadSideFileText(path_, kMaxPinFileBytes, text)) {
        problem = "PIN-bestand niet te lezen: " + path_;
        return false;
    }
    if (!text)
        return true;
    auto parsed = ParsePinFile(*text);
    if (!parsed) {
        problem = "PIN-bestand niet correct: " + path_;
        return false;
    }
    pins = std::move(*parsed);
    return true;
}

bool TablePinFile::save(const std::vector<KeptPin>& pins) const {
    if (!SaveSideFileText(path_, PinFileText(pins), kBackupExtension))
        return false;
    // Whoever shares the club's computer has no business with the PINs.
    std::error_code ec;
    std::filesystem::permissions(
        path_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write, ec);
    return true;
}

bool TablePinFile::keep(const std::vector<std::string>& labels, bool fresh, std::vector<KeptPin>& pins,
                        std::string& notice, std::string& problem) const {
    std::vector<KeptPin> kept;
    if (!fresh && !read(kept, notice))
        notice += "; elke tafel krijgt een nieuwe PIN";
    pins.clear();
    for (const std::string& label : labels) {
        const auto it =
            std::find_if(kept.begin(), kept.end(), [&](const KeptPin& k) { return k.label == label; });
        pins.push_back({label, it != kept.end() ? it->pin : FreshPin()});
    }
    // A table no phone can name has nothing to keep.
    std::vector<KeptPin> written;
    std::copy_if(pins.begin(), pins.end(), std::back_inserter(written),
                 [](const KeptPin& p) { return IsPinLabel(p.label); });
    if (written == kept || written.empty())
        return true;
    if (!save(written)) {
        problem = "PIN's niet bewaard: " + path_;
        return false;
    }
    return true;
}

bool TablePinFile::keep(TableTerminals& terminals, bool fresh, std::string& notice,
                        std::string& problem) const {
    std::vector<std::string> labels;
    for (const TerminalTable& t : terminals.tables())
        labels.push_back(t.label);
    std::vector<KeptPin> pins;
    if (!keep(labels, fresh, pins, notice, problem))
        return false;
    for (const KeptPin& p : pins)
        terminals.setPin(p.label, p.pin);
    return true;
}

} // namespace velk::terminals
