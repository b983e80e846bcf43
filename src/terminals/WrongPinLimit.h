#pragma once

#include <chrono>
#include <cstddef>
#include <map>
#include <string>

namespace velk::terminals {

// Counts wrong PINs per key (a table, a client address) and locks a key out for a while after
// too many: guessing a six-digit PIN then takes years instead of minutes.
class WrongPinLimit {
public:
    using Clock = std::chrono::steady_clock;

    static constexpr int kAllowed = 5;                   // wrong PINs before the lock-out
    static constexpr std::chrono::seconds kWindow{300};  // over which they are counted
    static constexpr std::chrono::seconds kLockOut{300}; // how long a key stays locked
    static constexpr std::size_t kMaxKeys = 4096;        // memory a flood of addresses can take

    bool locked(const std::string& key, Clock::time_point now) const;
    // Counts a wrong PIN; true when the key is locked from now on.
    bool wrong(const std::string& key, Clock::time_point now);
    // A right PIN clears the key's count.
    void right(const std::string& key);

private:
    struct Count {
        int wrong = 0;
        Clock::time_point first{};
        Clock::time_point lockedUntil{};
    };
    void forgetOld(Clock::time_point now);
    std::map<std::string, Count> counts_;
};

} // namespace velk::terminals
