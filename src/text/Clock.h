// The local wall clock, behind an interface so that everything that reads
// today's date can be tested on a fixed day.
#pragma once

namespace tabrix {

// A local calendar date and time of day. Also the result of reading a date:
// there the time fields stay 0 unless the text held a time.
struct LocalDateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;

    friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime now() const = 0;
};

// The system's local time.
const Clock& SystemClock();

// Always the same moment.
class FixedClock final : public Clock {
public:
    explicit FixedClock(const LocalDateTime& moment) : m_moment(moment) {}
    LocalDateTime now() const override { return m_moment; }

private:
    LocalDateTime m_moment;
};

}  // namespace tabrix
