#include "text/Clock.h"

#include <ctime>

namespace tabrix {
namespace {

class SystemLocalClock final : public Clock {
public:
    LocalDateTime now() const override {
        const std::time_t t = std::time(nullptr);
        std::tm local{};
        if (localtime_r(&t, &local) == nullptr) return {};
        // A leap second reads as the last ordinary second of its minute.
        const int second = local.tm_sec > 59 ? 59 : local.tm_sec;
        return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                local.tm_hour,        local.tm_min,     second};
    }
};

}  // namespace

const Clock& SystemClock() {
    static const SystemLocalClock clock;
    return clock;
}

}  // namespace tabrix
