#pragma once

class QCoreApplication;

namespace vorlanda {

// Puts Qt's own texts (the file dialog, the buttons of message boxes) into Brazilian
// Portuguese, like the rest of the program, whatever the workstation's language. Without the
// translation files installed Qt's English texts stay.
void InstallPortugueseTranslations(QCoreApplication& application);

} // namespace vorlanda
