#pragma once

#include "db/TargetDatabase.h"
#include "db/TargetTransaction.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

// A fresh, empty target database file for one test, copied from the template the test run
// creates once, connected like the window connects it (SYSDBA, default transaction). The
// file goes when the object goes.
class ScratchTarget {
public:
    ScratchTarget();
    // A copy of another database file instead of the template.
    explicit ScratchTarget(const QString& copiedFrom);
    ~ScratchTarget();

    const QString& Path() const { return path_; }
    vorlanda::TargetDatabase& Database() { return database_; }
    vorlanda::TargetTransaction& Transaction() { return transaction_; }

    // Runs statements on a connection of their own and commits them.
    void Execute(const QStringList& statements) const;
    // Every row of a SELECT on a connection of its own, each column as text ("<null>" for NULL).
    std::vector<QStringList> Rows(const QString& select) const;

private:
    QTemporaryDir dir_;
    QString path_;
    vorlanda::TargetDatabase database_;
    vorlanda::TargetTransaction transaction_;
};

// The template's path, from the test run's environment.
QString TargetTemplatePath();
