#include "ui/UserInterface.h"

#include <atomic>
#include <cstdio>

namespace vorlanda {

namespace {

class StandardErrorUserInterface final : public UserInterface {
public:
    void ShowWarning(const QString& text) override { Print(text); }
    void ShowError(const QString& text) override { Print(text); }
    void ShowInformation(const QString& text) override { Print(text); }
    void ProcessPendingEvents() override {}

private:
    static void Print(const QString& text) {
        std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    }
};

// Read by a run on its own thread, and by the window's thread while it goes.
std::atomic<UserInterface*> installed{nullptr};

} // namespace

void UserInterface::ShowOutcome(MessageKind kind, const QString& text, const QString& details) {
    const QString shown = details.isEmpty() ? text : text + QStringLiteral("\n\n") + details;
    switch (kind) {
    case MessageKind::Warning:
        ShowWarning(shown);
        break;
    case MessageKind::Error:
        ShowError(shown);
        break;
    case MessageKind::Information:
        ShowInformation(shown);
        break;
    }
}

void UserInterface::ShowListing(MessageKind kind, const QString& /*title*/, const QString& text) {
    ShowOutcome(kind, text, {});
}

UserInterface& CurrentUserInterface() {
    static StandardErrorUserInterface fallback;
    UserInterface* ui = installed;
    return ui ? *ui : fallback;
}

void InstallUserInterface(UserInterface* ui) noexcept {
    installed = ui;
}

} // namespace vorlanda
