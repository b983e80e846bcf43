#include "scoring/ScoreRanking.h"

#include <algorithm>

namespace velk {

void ScoreRanking::clear() {
    size_ = 0;
    base_ = 0;
    sorted_.clear();
    raw_.clear();
}

void ScoreRanking::assign(std::vector<int>& scores, bool keepOrder) {
    clear();
    if (scores.empty())
        return;
    size_ = static_cast<int>(scores.size());
    int low = scores.front();
    int high = low;
    for (const int v : scores) {
        low = std::min(low, v);
        high = std::max(high, v);
    }
    const long long buckets = (static_cast<long long>(high) - low) / 10 + 1;
    // Counting beats sorting while the range is not much wider than the set.
    if (low % 10 == 0 && buckets <= 8LL * static_cast<long long>(scores.size()) + 64) {
        // count[i + 1]: the scores equal to low + 10 i; a remainder anywhere means sorting after all.
        std::vector<int>& count = raw_;
        count.assign(static_cast<std::size_t>(buckets) + 1, 0);
        unsigned remainders = 0;
        for (const int v : scores) {
            const auto d = static_cast<unsigned>(v - low);
            const unsigned q = d / 10;
            remainders |= d - 10 * q;
            ++count[q + 1];
        }
        if (remainders != 0)
            return sortAll(scores);
        base_ = low;
        if (keepOrder) {
            sorted_.resize(scores.size());
            auto out = sorted_.begin();
            for (std::size_t i = 1; i < count.size(); ++i)
                out = std::fill_n(out, count[i], base_ + 10 * static_cast<int>(i - 1));
        }
        // 2 x (scores below) + (equal scores, itself left out), in place.
        int below = 0;
        for (std::size_t i = 0; i + 1 < count.size(); ++i) {
            const int equal = count[i + 1];
            count[i] = 2 * below + equal - 1;
            below += equal;
        }
        count.pop_back();
        return;
    }
    sortAll(scores);
}

void ScoreRanking::sortAll(std::vector<int>& scores) {
    raw_.clear();
    sorted_.swap(scores);
    std::sort(sorted_.begin(), sorted_.end());
}

int ScoreRanking::rawScoreOfSorted(int score) const {
    const auto lower = std::lower_bound(sorted_.begin(), sorted_.end(), score);
    const auto upper = std::upper_bound(lower, sorted_.end(), score);
    return static_cast<int>((lower - sorted_.begin()) + (upper - sorted_.begin())) - 1;
}

} // namespace velk
