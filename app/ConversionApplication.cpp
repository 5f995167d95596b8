#include "app/ConversionApplication.h"

#include "app/Translations.h"
#include "db/Error.h"
#include "ui/UserInterface.h"

#include <cstdio>
#include <cstdlib>

namespace vorlanda {

ConversionApplication::ConversionApplication(int& argc, char** argv) : QApplication(argc, argv) {
    InstallPortugueseTranslations(*this);
}

bool ConversionApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowUnhandledError(std::current_exception());
        return false;
    }
}

void ConversionApplication::EndWithoutWaiting() noexcept {
    std::fflush(nullptr);
    std::_Exit(0);
}

void ShowUnhandledError(const std::exception_ptr& error) noexcept {
    QString message;
    try {
        std::rethrow_exception(error);
    } catch (const Error& failure) {
        message = failure.Message();
    } catch (const std::exception& failure) {
        message = QString::fromLocal8Bit(failure.what());
    } catch (...) {
        message = QStringLiteral("Erro desconhecido.");
    }
    try {
        CurrentUserInterface().ShowError(message);
    } catch (...) {
        // The box itself failed (out of memory, most likely); standard error is all that is
        // left, and the event loop must still not see an exception.
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
}

} // namespace vorlanda
