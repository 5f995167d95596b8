#include "CommaDecimalLocale.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <clocale>
#include <cstdlib>
#include <cstring>

namespace {

constexpr const char* localeName = "pt_BR.UTF-8";

bool SwitchTo(const char* name) {
    return std::setlocale(LC_ALL, name) != nullptr &&
           std::strcmp(std::localeconv()->decimal_point, ",") == 0;
}

// Compiled once per test process; glibc reads LOCPATH whenever a locale is loaded.
bool CompileIntoTemporaryDirectory() {
    static QTemporaryDir directory;
    static const bool compiled = [] {
        if (!directory.isValid())
            return false;
        const int exitCode = QProcess::execute(QStringLiteral("localedef"),
                                               {QStringLiteral("-i"), QStringLiteral("pt_BR"),
                                                QStringLiteral("-f"), QStringLiteral("UTF-8"),
                                                QDir(directory.path()).filePath(localeName)});
        return exitCode == 0 &&
               setenv("LOCPATH", QFile::encodeName(directory.path()).constData(), 1) == 0;
    }();
    return compiled;
}

} // namespace

CommaDecimalLocale::CommaDecimalLocale() : saved_(std::setlocale(LC_ALL, nullptr)) {
    for (const char* name : {localeName, "pt_BR.utf8", "de_DE.UTF-8", "de_DE.utf8"}) {
        if (SwitchTo(name)) {
            active_ = true;
            return;
        }
    }
    active_ = CompileIntoTemporaryDirectory() && SwitchTo(localeName);
    if (!active_)
        std::setlocale(LC_ALL, saved_.c_str());
}

CommaDecimalLocale::~CommaDecimalLocale() {
    std::setlocale(LC_ALL, saved_.c_str());
}
