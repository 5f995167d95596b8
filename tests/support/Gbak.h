#pragma once

#include <QString>

// Restores a backup with the standard tool (gbak -c), as an operator would. Empty on success,
// gbak's own output otherwise.
QString RestoreWithGbak(const QString& backup, const QString& restored);
