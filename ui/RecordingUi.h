#pragma once

#include "ui/UserInterface.h"

#include <QStringList>
#include <utility>
#include <vector>

namespace vorlanda {

// Test doubles that remember everything the core showed, in order.

class RecordingGauge final : public Gauge {
public:
    int MaxValue() const override { return max_; }
    int Progress() const override { return progress_; }
    void SetMaxValue(int value) override;
    void SetProgress(int value) override;

    // Every change as "max=N" or "progress=N".
    const QStringList& History() const noexcept { return history_; }

private:
    int max_ = 100;
    int progress_ = 0;
    QStringList history_;
};

class RecordingLabel final : public Label {
public:
    QString Caption() const override { return caption_; }
    void SetCaption(const QString& text) override;

    const QStringList& Captions() const noexcept { return captions_; }

private:
    QString caption_;
    QStringList captions_;
};

class RecordingUserInterface final : public UserInterface {
public:
    enum class Kind { Warning, Error, Information, Question };
    struct Message {
        Kind kind;
        QString text;
        bool operator==(const Message&) const = default;
    };

    void ShowWarning(const QString& text) override { messages_.push_back({Kind::Warning, text}); }
    void ShowError(const QString& text) override { messages_.push_back({Kind::Error, text}); }
    void ShowInformation(const QString& text) override {
        messages_.push_back({Kind::Information, text});
    }
    // The message is recorded as its kind's box would be, the details apart.
    void ShowOutcome(MessageKind kind, const QString& text, const QString& details) override {
        messages_.push_back({KindOf(kind), text});
        outcomeDetails_.push_back(details);
    }
    // Recorded as a message of its kind; the title is kept apart.
    void ShowListing(MessageKind kind, const QString& title, const QString& text) override {
        messages_.push_back({KindOf(kind), text});
        listingTitles_.append(title);
    }
    const QStringList& ListingTitles() const noexcept { return listingTitles_; }
    // The details of every run's last message, in order.
    const QStringList& OutcomeDetails() const noexcept { return outcomeDetails_; }
    void ProcessPendingEvents() override { ++eventRounds_; }
    bool Confirm(const QString& question) override {
        messages_.push_back({Kind::Question, question});
        return answer_;
    }
    // What every later question is answered.
    void SetAnswer(bool answer) noexcept { answer_ = answer; }
    // A request to confirm an action is kept apart from the messages, with the action's
    // name, and answered as SetActionAnswer says: going on unless told otherwise, as an
    // operator who asked for the action would.
    bool ConfirmAction(const QString& question, const QString& action) override {
        confirmations_.push_back({action, question});
        return actionAnswer_;
    }
    void SetActionAnswer(bool answer) noexcept { actionAnswer_ = answer; }
    struct Confirmation {
        QString action;
        QString question;
        bool operator==(const Confirmation&) const = default;
    };
    const std::vector<Confirmation>& Confirmations() const noexcept { return confirmations_; }

    const std::vector<Message>& Messages() const noexcept { return messages_; }
    int EventRounds() const noexcept { return eventRounds_; }
    void Clear() {
        messages_.clear();
        confirmations_.clear();
        outcomeDetails_.clear();
        listingTitles_.clear();
        eventRounds_ = 0;
    }

private:
    static Kind KindOf(MessageKind kind) {
        return kind == MessageKind::Warning ? Kind::Warning
               : kind == MessageKind::Error ? Kind::Error
                                            : Kind::Information;
    }

    std::vector<Message> messages_;
    int eventRounds_ = 0;
    bool answer_ = false;
    std::vector<Confirmation> confirmations_;
    bool actionAnswer_ = true;
    QStringList outcomeDetails_;
    QStringList listingTitles_;
};

// Installs a recording user interface for the lifetime of the guard.
class ScopedRecordingUserInterface {
public:
    ScopedRecordingUserInterface() { InstallUserInterface(&ui_); }
    ~ScopedRecordingUserInterface() { InstallUserInterface(nullptr); }
    ScopedRecordingUserInterface(const ScopedRecordingUserInterface&) = delete;
    ScopedRecordingUserInterface& operator=(const ScopedRecordingUserInterface&) = delete;

    RecordingUserInterface& operator*() noexcept { return ui_; }
    RecordingUserInterface* operator->() noexcept { return &ui_; }

private:
    RecordingUserInterface ui_;
};

} // namespace vorlanda
