#pragma once

namespace velk {

struct DateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// "Now" is passed in, so tests run on a fixed date.
class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime now() const = 0;
};

class SystemClock : public Clock {
public:
    DateTime now() const override;
};

class FixedClock : public Clock {
public:
    explicit FixedClock(DateTime at) : at_(at) {}
    DateTime now() const override { return at_; }
    void set(DateTime at) { at_ = at; }

private:
    DateTime at_;
};

} // namespace velk
