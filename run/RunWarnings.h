#pragma once

#include "ui/UserInterface.h"

#include <QHash>
#include <QString>
#include <utility>
#include <vector>

namespace vorlanda {

// Stands between one run and the user interface installed before it: each distinct warning
// reaches the operator once, however many rows raise it (a manufacturer lookup that fails for
// one product usually fails for all of them), and the run can tell at its end what it had.
// Installs itself for its lifetime and puts the previous user interface back afterwards.
class RunWarnings final : public UserInterface {
public:
    RunWarnings();
    ~RunWarnings() override;
    RunWarnings(const RunWarnings&) = delete;
    RunWarnings& operator=(const RunWarnings&) = delete;

    void ShowWarning(const QString& text) override;
    void ShowError(const QString& text) override { shown_.ShowError(text); }
    void ShowInformation(const QString& text) override { shown_.ShowInformation(text); }
    void ProcessPendingEvents() override { shown_.ProcessPendingEvents(); }
    void TableStarted(int number, int count, const QString& name) override {
        shown_.TableStarted(number, count, name);
    }

    // The user interface the warnings reach.
    UserInterface& Shown() const noexcept { return shown_; }
    int Count() const noexcept { return count_; }
    // "N avisos:" and each distinct warning on a line of its own, with how many rows raised it.
    QString Summary() const;

private:
    UserInterface& shown_;
    std::vector<std::pair<QString, int>> distinct_; // in the order they first came
    QHash<QString, std::size_t> positions_;         // of each text in distinct_
    int count_ = 0;
};

} // namespace vorlanda
