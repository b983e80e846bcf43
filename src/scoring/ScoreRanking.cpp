#include "scoring/ScoreRanking.h"

#include <algorithm>

namespace velk {

void ScoreRanking::clear() {
    size_ = 0;
    sorted_.clear();
    below_.clear();
}

void ScoreRanking::assign(std::vector<int>& scores, bool keepOrder) {
    clear();
    if (scores.empty())
        return;
    size_ = static_cast<int>(scores.size());
    int low = scores.front();
    int high = low;
    int remainders = 0;
    for (const int v : scores) {
        low = std::min(low, v);
        high = std::max(high, v);
        remainders |= v % 10 != 0;
    }
    const long long buckets = (static_cast<long long>(high) - low) / 10 + 1;
    // Counting beats sorting while the range is not much wider than the set.
    if (remainders != 0 || buckets > 8LL * static_cast<long long>(scores.size()) + 64) {
        sorted_.swap(scores);
        std::sort(sorted_.begin(), sorted_.end());
        return;
    }
    base_ = low;
    below_.assign(static_cast<std::size_t>(buckets) + 1, 0);
    for (const int v : scores)
        ++below_[static_cast<std::size_t>((v - base_) / 10) + 1];
    if (keepOrder) {
        sorted_.resize(scores.size());
        auto out = sorted_.begin();
        for (std::size_t i = 1; i < below_.size(); ++i)
            out = std::fill_n(out, below_[i], base_ + 10 * static_cast<int>(i - 1));
    }
    for (std::size_t i = 1; i < below_.size(); ++i)
        below_[i] += below_[i - 1];
}

int ScoreRanking::rawScore(int score) const {
    if (!below_.empty() && score >= base_ && score % 10 == 0) {
        const auto i = static_cast<std::size_t>((score - base_) / 10);
        if (i + 1 < below_.size())
            return below_[i] + below_[i + 1] - 1;
    }
    const auto lower = std::lower_bound(sorted_.begin(), sorted_.end(), score);
    const auto upper = std::upper_bound(lower, sorted_.end(), score);
    return static_cast<int>((lower - sorted_.begin()) + (upper - sorted_.begin())) - 1;
}

} // namespace velk
