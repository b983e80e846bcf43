#pragma once

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

    // The raw score of a member of the set that scored `score`.
    int rawScore(int score) const;
    int size() const { return size_; }
    const std::vector<int>& sorted() const { return sorted_; }

private:
    std::vector<int> sorted_;
    // Scores that are all multiples of 10 in a narrow range are counted instead of sorted:
    // below_[i] is the number of scores below base_ + 10 i (one entry more than buckets).
    std::vector<int> below_;
    int base_ = 0;
    int size_ = 0;
};

} // namespace velk
