#pragma once

#include "db/SourceConnection.h"

#include <QString>
#include <QStringList>

// A legacy database of its own for one test on the private MariaDB server of the test run,
// created empty from the legacy schema and dropped afterwards, so tests may run side by side.
class LegacyDatabase {
public:
    LegacyDatabase();
    ~LegacyDatabase();

    // Where the product's source connection finds this database.
    vorlanda::SourceParameters Parameters() const;
    const QString& Name() const { return name_; }

    // Runs statements in this database (fixtures: INSERTs, UPDATEs).
    void Execute(const QStringList& statements) const;

    // Creates a user of the server, with this password, allowed everything in this database,
    // and gives its name. Users belong to the whole server: each one is named after this
    // database and dropped with it.
    QString AddUser(const QString& password);

private:
    QString name_;
    QStringList users_;
};
