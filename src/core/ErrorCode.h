#pragma once

#include <cstdint>

namespace velk {

// The result code of the running operation: 0 is success and the first error reported is kept
// until the operation starts again with clear().
class ErrorCode {
public:
    std::int16_t value() const { return value_; }
    bool ok() const { return value_ == 0; }
    void clear() { value_ = 0; }
    // Keeps an earlier error; only a first error is stored.
    void report(std::int16_t code) {
        if (value_ == 0)
            value_ = code;
    }

private:
    std::int16_t value_ = 0;
};

} // namespace velk
