#pragma once

#include <cstddef>
#include <vector>

namespace velk {

// The scores of one comparison set, ordered once. A member's raw score is then
// 2 x (results below it) + (results equal to it, itself left out), read without comparing it
// with every other result.
class ScoreRanking {
public:
    // Takes the scores of the set in any order (the vector is used as scratch space); sorted()
    // holds them in order afterwards only when `keepOrder` (the datum needs it, raw scores not).
    void assign(std::vector<int>& scores, bool keepOrder = true);
    void clear();

    // The raw score of a member of the set that scored `score`. Inline: every record asks it.
    int rawScore(int score) const {
        const long long d = static_cast<long long>(score) - base_;
        if (d >= 0 && d % 10 == 0 && static_cast<std::size_t>(d / 10) < raw_.size())
            return raw_[static_cast<std::size_t>(d / 10)];
        return rawScoreOfSorted(score);
    }
    int size() const { return size_; }

    // The counted raw scores for a hot loop: raw[i] of the score base + 10 i, i < buckets; no
    // buckets when the scores were sorted.
    struct Counted {
        const int* raw;
        int base;
        unsigned buckets;
    };
    Counted counted() const { return {raw_.data(), base_, static_cast<unsigned>(raw_.size())}; }
    const std::vector<int>& sorted() const { return sorted_; }

private:
    int rawScoreOfSorted(int score) const;
    void sortAll(std::vector<int>& scores);

    std::vector<int> sorted_;
    // Scores that are all multiples of 10 in a narrow range are counted instead of sorted:
    // raw_[i] is the raw score of base_ + 10 i, empty when the scores were sorted.
    std::vector<int> raw_;
    int base_ = 0;
    int size_ = 0;
};

} // namespace velk
