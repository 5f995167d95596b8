#pragma once

#include <QApplication>
#include <exception>

namespace vorlanda {

// The application object of the program. Every exception that escapes an event handler ends
// here and is shown to the operator with its own message; the program goes on.
class ConversionApplication : public QApplication {
public:
    ConversionApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Ends the program at once, for an operator who will not wait for an engine that does not
    // answer: the orderly end would wait for it too.
    [[noreturn]] static void EndWithoutWaiting() noexcept;
};

// The application's general error display: an error box with the error's own message.
void ShowUnhandledError(const std::exception_ptr& error) noexcept;

// Runs an operation of the window and shows whatever it throws in the general error display,
// so that no exception travels back through Qt's own code.
template <typename Operation> void RunShowingErrors(Operation&& operation) noexcept {
    try {
        operation();
    } catch (...) {
        ShowUnhandledError(std::current_exception());
    }
}

} // namespace vorlanda
