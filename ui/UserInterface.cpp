#include "ui/UserInterface.h"

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

UserInterface* installed = nullptr;

} // namespace

UserInterface& CurrentUserInterface() {
    static StandardErrorUserInterface fallback;
    return installed ? *installed : fallback;
}

void InstallUserInterface(UserInterface* ui) noexcept {
    installed = ui;
}

} // namespace vorlanda
