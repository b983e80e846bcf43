#pragma once

#include <string>

namespace velk::terminals {

inline constexpr int kPinDigits = 6;

// A fresh PIN of kPinDigits digits from the operating system's random source; every digit equally
// likely. Throws std::runtime_error when the source cannot be read: a guessable PIN is worse than
// no server.
std::string FreshPin();

// Compares a typed PIN with the table's in time that depends on neither's contents, so the answer
// time tells nothing about how many digits were right.
bool PinMatches(const std::string& expected, const std::string& typed);

} // namespace velk::terminals
