#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace vorlanda {

// Asks the operator for the target database file.
class TargetFileChooser {
public:
    virtual ~TargetFileChooser() = default;
    // The full path of the confirmed file, or nothing when the operator cancelled. The
    // filter is in Qt's form, "description (patterns)".
    virtual std::optional<QString> ChooseFile(QWidget* parent, const QString& initialFolder,
                                              const QString& filter) = 0;
};

// The open-file dialog.
class FileDialogChooser final : public TargetFileChooser {
public:
    std::optional<QString> ChooseFile(QWidget* parent, const QString& initialFolder,
                                      const QString& filter) override;
};

} // namespace vorlanda
