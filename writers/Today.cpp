#include "writers/Today.h"

#include <chrono>

namespace vorlanda {

QDate Today() {
    using Clock = std::chrono::steady_clock;
    static QDate today;
    static Clock::time_point askedAt;
    const Clock::time_point now = Clock::now();
    if (!today.isValid() || now - askedAt >= std::chrono::seconds(1)) {
        today = QDate::currentDate();
        askedAt = now;
    }
    return today;
}

} // namespace vorlanda
