#pragma once

#include "ui/UserInterface.h"

#include <QElapsedTimer>
#include <QString>
#include <chrono>
#include <cstdio>

namespace vorlanda {

class ConsoleUserInterface;

// The gauge of a console run: it keeps its values for the importers and redraws the progress
// line when they change.
class ConsoleGauge final : public Gauge {
public:
    explicit ConsoleGauge(ConsoleUserInterface& owner) noexcept : owner_(owner) {}
    int MaxValue() const override { return max_; }
    int Progress() const override { return progress_; }
    void SetMaxValue(int value) override;
    void SetProgress(int value) override;

private:
    ConsoleUserInterface& owner_;
    // The window's gauge starts the same way: range 0 to 100, progress 0.
    int max_ = 100;
    int progress_ = 0;
};

// The information label of a console run: the text of the progress line.
class ConsoleLabel final : public Label {
public:
    explicit ConsoleLabel(ConsoleUserInterface& owner) noexcept : owner_(owner) {}
    QString Caption() const override { return caption_; }
    void SetCaption(const QString& text) override;

private:
    ConsoleUserInterface& owner_;
    QString caption_;
};

// Message boxes and progress for a run without a window. Information goes to `out`, warnings
// and errors to `err`, each as the box's text with its carriage returns turned into line
// breaks. With `showProgress`, the label and the gauge are one line of `out` rewritten in
// place: "\r", the label's text, a blank, the percentage and "%"; an empty label clears it.
class ConsoleUserInterface final : public UserInterface {
public:
    // A change of the percentage redraws at once; a change of the text alone (the row number
    // moves on every row) at most once per `textRedrawInterval`, so a long table costs a
    // comparison per row rather than a terminal write.
    ConsoleUserInterface(
        std::FILE* out, std::FILE* err, bool showProgress,
        std::chrono::milliseconds textRedrawInterval = std::chrono::milliseconds(100));
    ~ConsoleUserInterface() override;
    ConsoleUserInterface(const ConsoleUserInterface&) = delete;
    ConsoleUserInterface& operator=(const ConsoleUserInterface&) = delete;

    Gauge& Barra() noexcept { return gauge_; }
    Label& LblInfo() noexcept { return label_; }

    void ShowWarning(const QString& text) override;
    void ShowError(const QString& text) override;
    void ShowInformation(const QString& text) override;
    // The message where its kind goes, then the details on standard output.
    void ShowOutcome(MessageKind kind, const QString& text, const QString& details) override;
    // Nothing waits to be painted on a console: the line is redrawn as the values change. An
    // interruption the operator asked for raises Error here, which ends the run as a failure.
    void ProcessPendingEvents() override;

    // For the gauge and the label.
    void ProgressChanged();

private:
    int Percentage() const;
    void Draw(const QString& line);
    void ClearLine();
    void Show(std::FILE* stream, const QString& text);

    std::FILE* out_;
    std::FILE* err_;
    bool showProgress_;
    std::chrono::milliseconds textRedrawInterval_;
    ConsoleGauge gauge_;
    ConsoleLabel label_;
    QString drawnText_;
    int drawnPercentage_ = -1;
    qsizetype drawnWidth_ = 0; // characters of the line on screen, 0 when there is none
    QElapsedTimer sinceDraw_;
};

} // namespace vorlanda
