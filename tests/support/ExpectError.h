#pragma once

#include "db/Error.h"
#include "support/QtPrinters.h"

#include <QString>
#include <gtest/gtest.h>
#include <optional>
#include <source_location>
#include <utility>

// Failures of these helpers name the line of the test that called them, where the action is.

// Runs an action that must end in the system's Error and gives that error for the caller's
// checks; nothing, and a failed test, when the action went through.
template <class Action>
std::optional<vorlanda::Error>
CaughtError(Action&& action, const std::source_location where = std::source_location::current()) {
    try {
        std::forward<Action>(action)();
    } catch (const vorlanda::Error& error) {
        return error;
    }
    ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line())) << "no error raised";
    return std::nullopt;
}

// Expects the action to end in an Error whose message contains the text; gives the error for
// further checks.
template <class Action>
std::optional<vorlanda::Error>
ExpectErrorContaining(Action&& action, const QString& expected,
                      const std::source_location where = std::source_location::current()) {
    std::optional<vorlanda::Error> error = CaughtError(std::forward<Action>(action), where);
    if (error) {
        const testing::ScopedTrace caller(where.file_name(), static_cast<int>(where.line()),
                                          "called here");
        EXPECT_TRUE(error->Message().contains(expected)) << error->what();
    }
    return error;
}

// Expects the action to end in an Error with exactly this message; gives the error for further
// checks.
template <class Action>
std::optional<vorlanda::Error>
ExpectErrorMessage(Action&& action, const QString& expected,
                   const std::source_location where = std::source_location::current()) {
    std::optional<vorlanda::Error> error = CaughtError(std::forward<Action>(action), where);
    if (error) {
        const testing::ScopedTrace caller(where.file_name(), static_cast<int>(where.line()),
                                          "called here");
        EXPECT_EQ(error->Message(), expected);
    }
    return error;
}
