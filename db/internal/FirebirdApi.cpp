#include "db/internal/FirebirdApi.h"

#include <vector>

namespace vorlanda::fb {

Firebird::IMaster* Master() {
    static Firebird::IMaster* const master = Firebird::fb_get_master_interface();
    return master;
}

Firebird::IUtil* Util() {
    return Master()->getUtilInterface();
}

void Raise(const Firebird::FbException& failure, const QString& sql) {
    char text[2048];
    Util()->formatStatus(text, sizeof text, failure.getStatus());
    const intptr_t* errors = failure.getStatus()->getErrors();
    const long code = (errors[0] == isc_arg_gds) ? static_cast<long>(errors[1]) : 0;
    throw Error(QString::fromUtf8(text).trimmed(), code, sql);
}

namespace {

// Statuses given back, kept for the next call: every engine call of every row needs one, and
// the master makes a new one on the heap each time it is asked.
class StatusPool {
public:
    StatusPool() = default;
    StatusPool(const StatusPool&) = delete;
    StatusPool& operator=(const StatusPool&) = delete;
    ~StatusPool() {
        for (Firebird::IStatus* status : idle_)
            status->dispose();
    }

    Firebird::IStatus* Take() {
        if (idle_.empty())
            return Master()->getStatus();
        Firebird::IStatus* status = idle_.back();
        idle_.pop_back();
        status->init(); // what a failed call left there belongs to the exception it raised
        return status;
    }
    void GiveBack(Firebird::IStatus* status) noexcept {
        try {
            idle_.push_back(status);
        } catch (...) {
            status->dispose();
        }
    }

private:
    std::vector<Firebird::IStatus*> idle_;
};

StatusPool& Statuses() {
    thread_local StatusPool pool;
    return pool;
}

} // namespace

Status::Status() : status_(Statuses().Take()), wrapper_(status_) {}

Status::~Status() {
    Statuses().GiveBack(status_);
}

} // namespace vorlanda::fb
