#include "terminals/WrongPinLimit.h"

namespace velk::terminals {

bool WrongPinLimit::locked(const std::string& key, Clock::time_point now) const {
    const auto it = counts_.find(key);
    return it != counts_.end() && now < it->second.lockedUntil;
}

bool WrongPinLimit::wrong(const std::string& key, Clock::time_point now) {
    if (counts_.size() >= kMaxKeys)
        forgetOld(now);
    if (counts_.size() >= kMaxKeys && counts_.find(key) == counts_.end()) {
        // Full of live counts: an unknown key is treated as locked rather than let through.
        return true;
    }
    Count& c = counts_[key];
    if (c.wrong == 0 || now - c.first > kWindow) {
        c.wrong = 0;
        c.first = now;
    }
    if (++c.wrong >= kAllowed) {
        c.lockedUntil = now + kLockOut;
        c.wrong = 0;
        return true;
    }
    return false;
}

void WrongPinLimit::right(const std::string& key) {
    const auto it = counts_.find(key);
    if (it != counts_.end() && it->second.lockedUntil == Clock::time_point{})
        counts_.erase(it);
    else if (it != counts_.end())
        it->second.wrong = 0;
}

void WrongPinLimit::forgetOld(Clock::time_point now) {
    for (auto it = counts_.begin(); it != counts_.end();) {
        const Count& c = it->second;
        if (now >= c.lockedUntil && now - c.first > kWindow)
            it = counts_.erase(it);
        else
            ++it;
    }
}

} // namespace velk::terminals
