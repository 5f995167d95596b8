#pragma once

// Internal to db/: the Firebird client's OO API and the helpers every target class shares.
// Public headers never include this file.

#include "db/Error.h"

#include <firebird/Interface.h>

#include <QString>
#include <memory>

namespace vorlanda::fb {

// The number of the UTF8 character set in message metadata.
constexpr unsigned charsetUtf8 = 4;

Firebird::IMaster* Master();
Firebird::IUtil* Util();

// Turns a failed call into the system's error, keeping the server's own text.
[[noreturn]] void Raise(const Firebird::FbException& failure, const QString& sql = {});

// A status wrapper that throws FbException; one per call site, released at scope end.
class Status {
public:
    Status();
    ~Status();
    Status(const Status&) = delete;
    Status& operator=(const Status&) = delete;

    Firebird::ThrowStatusWrapper* operator&() noexcept { return &wrapper_; }

private:
    Firebird::IStatus* status_;
    Firebird::ThrowStatusWrapper wrapper_;
};

// Reference-counted interfaces are released, never freed twice; commit(), detach() and
// free() release the interface themselves on success, so callers give the pointer up then.
struct Releaser {
    template <typename T> void operator()(T* handle) const noexcept { handle->release(); }
};
template <typename T> using Handle = std::unique_ptr<T, Releaser>;

// Disposable helpers (builders) are disposed of instead.
struct Disposer {
    template <typename T> void operator()(T* helper) const noexcept { helper->dispose(); }
};
template <typename T> using Disposable = std::unique_ptr<T, Disposer>;

} // namespace vorlanda::fb
