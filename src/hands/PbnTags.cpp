#include "hands/PbnTags.h"

namespace velk {

const std::string* PbnGame::value(std::string_view name) const {
    for (const PbnTag& tag : tags)
        if (tag.name == name)
            return &tag.value;
    return nullptr;
}

namespace {

bool IsNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

class Lexer {
public:
    Lexer(std::string_view text, std::vector<PbnGame>& games) : text_(text), games_(games) {}

    bool run(std::string& problem) {
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (c == '\n') {
                endLine();
                ++at_;
                continue;
            }
            if (c == ' ' || c == '\t' || c == '\r') {
                ++at_;
                continue;
            }
            if (c == '%' && lineStart()) {
                skipToLineEnd();
                lineHasContent_ = true;
                continue;
            }
            if (c == ';') {
                skipToLineEnd();
                lineHasContent_ = true;
                continue;
            }
            if (c == '{') {
                lineHasContent_ = true;
                const auto close = text_.find('}', at_);
                if (close == std::string_view::npos)
                    return fail("commentaar zonder }", problem);
                for (std::size_t i = at_; i < close; ++i)
                    line_ += text_[i] == '\n' ? 1 : 0;
                at_ = close + 1;
                continue;
            }
            lineHasContent_ = true;
            if (c == '[') {
                if (!tag(problem))
                    return false;
                continue;
            }
            sectionWord();
        }
        endLine();
        finishGame();
        return true;
    }

private:
    bool lineStart() const { return at_ == 0 || text_[at_ - 1] == '\n'; }
    void skipToLineEnd() {
        while (at_ < text_.size() && text_[at_] != '\n')
            ++at_;
    }
    bool fail(const std::string& what, std::string& problem) const {
        problem = "regel " + std::to_string(line_) + ": " + what;
        return false;
    }
    // A line with nothing on it ends the game.
    void endLine() {
        if (!lineHasContent_)
            finishGame();
        else if (!words_.empty() && current_ && !current_->tags.empty())
            current_->tags.back().section.push_back(words_);
        words_.clear();
        lineHasContent_ = false;
        ++line_;
    }
    void finishGame() { current_ = nullptr; }

    bool tag(std::string& problem) {
        ++at_;
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t'))
            ++at_;
        const std::size_t start = at_;
        while (at_ < text_.size() && IsNameChar(text_[at_]))
            ++at_;
        if (at_ == start || at_ - start > 255)
            return fail("een tag zonder naam", problem);
        PbnTag tag;
        tag.name = std::string(text_.substr(start, at_ - start));
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t'))
            ++at_;
        if (at_ >= text_.size() || text_[at_] != '"')
            return fail("tag " + tag.name + " zonder waarde", problem);
        ++at_;
        for (;; ++at_) {
            if (at_ >= text_.size() || text_[at_] == '\n')
                return fail("de waarde van tag " + tag.name + " is niet afgesloten", problem);
            const char c = text_[at_];
            if (c == '"')
                break;
            if (c == '\\' && at_ + 1 < text_.size() && (text_[at_ + 1] == '"' || text_[at_ + 1] == '\\'))
                ++at_;
            tag.value += text_[at_];
        }
        ++at_;
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t'))
            ++at_;
        if (at_ >= text_.size() || text_[at_] != ']')
            return fail("tag " + tag.name + " zonder ]", problem);
        ++at_;
        if (!current_) {
            if (games_.size() >= kMaxPbnGames)
                return fail("meer dan " + std::to_string(kMaxPbnGames) + " spellen", problem);
            current_ = &games_.emplace_back();
        }
        if (current_->tags.size() >= kMaxPbnTagsPerGame)
            return fail("te veel tags in een spel", problem);
        current_->tags.push_back(std::move(tag));
        return true;
    }

    // Section data: kept as the words of its line, each line one entry.
    void sectionWord() {
        const std::size_t start = at_;
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == ';' || c == '{' || c == '[')
                break;
            ++at_;
        }
        if (!words_.empty())
            words_ += ' ';
        words_ += text_.substr(start, at_ - start);
    }

    std::string_view text_;
    std::vector<PbnGame>& games_;
    PbnGame* current_ = nullptr;
    std::size_t at_ = 0;
    int line_ = 1;
    bool lineHasContent_ = false;
    std::string words_;
};

} // namespace

bool ParsePbnGames(std::string_view text, std::vector<PbnGame>& games, std::string& problem) {
    games.clear();
    std::vector<PbnGame> read;
    Lexer lexer(text, read);
    if (!lexer.run(problem))
        return false;
    games = std::move(read);
    return true;
}

std::string PbnTagLine(std::string_view name, std::string_view value) {
    std::string line = "[" + std::string(name) + " \"";
    for (const char c : value) {
        if (c == '"' || c == '\\')
            line += '\\';
        line += c;
    }
    return line + "\"]";
}

} // namespace velk
