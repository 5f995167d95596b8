#include "app/TargetFileChooser.h"

#include <QFileDialog>
#include <QFileInfo>

namespace vorlanda {

std::optional<QString> FileDialogChooser::ChooseFile(QWidget* parent, const QString& initialFolder,
                                                     const QString& filter) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDirectory(initialFolder);
    dialog.setNameFilter(filter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
}

} // namespace vorlanda
