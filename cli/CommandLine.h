#pragma once

#include "db/SourceConnection.h"

#include <QString>
#include <QStringList>

namespace vorlanda {

// What one run of vorlanda-convert is asked to do.
struct ConvertOptions {
    bool help = false;
    // The target database file as the window's file dialog would give it ("host:path" for a
    // server); empty only when the caller passed an empty value.
    QString target;
    // Selection keys, each once, in the order of the window's boxes.
    QStringList tables;
    // The window's fixed parameters unless an option overrides them.
    SourceParameters source;
    // A backup of the target before a run empties a table holding rows, unless --no-backup;
    // for a target on a server it goes to this folder (the current one unless given).
    bool backup = true;
    QString backupFolder;
    // A report of the run, and its summary after the final message, unless --no-report; to
    // this file, or beside the backup when none is named.
    bool report = true;
    QString reportFile;
    // Only check what a run would fail on, changing nothing (--check).
    bool check = false;
};

// The outcome of reading the arguments: the options, or why they cannot be used.
struct CommandLine {
    ConvertOptions options;
    QString error; // empty when the arguments were understood
};

// The five selection keys in the order of the window's boxes.
const QStringList& TableKeys();

// Reads the arguments that follow the program name. "--help" stops the reading.
CommandLine ParseCommandLine(const QStringList& arguments);

// The help text, Portuguese like the rest of the tool.
QString UsageText();

} // namespace vorlanda
