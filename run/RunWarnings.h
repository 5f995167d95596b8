#pragma once

#include "ui/ForwardingUserInterface.h"

#include <QHash>
#include <QString>
#include <utility>
#include <vector>

namespace vorlanda {

// Stands between one run and the user interface installed before it: each distinct warning
// reaches the operator once, however many rows raise it (a manufacturer lookup that fails for
// one product usually fails for all of them), and the run can tell at its end what it had.
class RunWarnings final : public ForwardingUserInterface {
public:
    // Whether the first of each distinct warning reaches the operator at once, or is only
    // counted for the summary.
    enum class Showing { FirstOfEach, Never };
    explicit RunWarnings(Showing showing = Showing::FirstOfEach) : showing_(showing) {}

    void ShowWarning(const QString& text) override;

    int Count() const noexcept { return count_; }
    // "N avisos:" and each distinct warning on a line of its own, with how many rows raised it.
    QString Summary() const;

private:
    std::vector<std::pair<QString, int>> distinct_; // in the order they first came
    QHash<QString, std::size_t> positions_;         // of each text in distinct_
    int count_ = 0;
    Showing showing_;
};

} // namespace vorlanda
