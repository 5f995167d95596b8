#include "db/internal/FirebirdApi.h"

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

Status::Status() : status_(Master()->getStatus()), wrapper_(status_) {}

Status::~Status() {
    status_->dispose();
}

} // namespace vorlanda::fb
