#include "ScratchTarget.h"

#include "db/TargetQuery.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace vorlanda;

namespace {

void ConnectLikeTheWindow(TargetDatabase& database, TargetTransaction& transaction,
                          const QString& path) {
    database.SetDefaultTransaction(&transaction);
    database.SetDatabaseName(path);
    database.SetUserName(QStringLiteral("SYSDBA"));
    database.SetPassword(QStringLiteral("kelpstone"));
    database.SetConnected(true);
}

} // namespace

QString TargetTemplatePath() {
    const QString path = qEnvironmentVariable("VORLANDA_TARGET_TEMPLATE");
    if (path.isEmpty() || !QFile::exists(path))
        throw std::runtime_error("VORLANDA_TARGET_TEMPLATE does not name the template file");
    return path;
}

ScratchTarget::ScratchTarget() : ScratchTarget(TargetTemplatePath()) {}

ScratchTarget::ScratchTarget(const QString& copiedFrom) {
    path_ = dir_.filePath(QStringLiteral("target.fb"));
    if (!QFile::copy(copiedFrom, path_))
        throw std::runtime_error("cannot copy the database file for the test");
    QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner);
    ConnectLikeTheWindow(database_, transaction_, path_);
}

ScratchTarget::~ScratchTarget() {
    try {
        database_.SetConnected(false);
    } catch (...) {
        // The test has already failed or passed; the file is removed with the folder.
    }
}

void ScratchTarget::Execute(const QStringList& statements) const {
    TargetDatabase database;
    TargetTransaction transaction;
    ConnectLikeTheWindow(database, transaction, path_);
    TargetQuery query(database);
    for (const QString& statement : statements) {
        query.SetSQL(statement);
        query.ExecSQL();
    }
    transaction.Commit();
}

std::vector<QStringList> ScratchTarget::Rows(const QString& select) const {
    TargetDatabase database;
    TargetTransaction transaction;
    ConnectLikeTheWindow(database, transaction, path_);
    TargetQuery query(database);
    query.SetSQL(select);
    query.Open();
    std::vector<QStringList> rows;
    for (; !query.Eof(); query.Next()) {
        QStringList row;
        for (int i = 0; i < query.FieldCount(); ++i) {
            const TargetField& field = query.Field(i);
            row.append(field.IsNull() ? QStringLiteral("<null>") : field.AsString());
        }
        rows.push_back(row);
    }
    return rows;
}
