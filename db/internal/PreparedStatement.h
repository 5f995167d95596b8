#pragma once

// Internal to db/: a statement the server has prepared, with what it told about it.

#include "db/internal/FirebirdApi.h"
#include "db/internal/InputMessages.h"

#include <QStringList>

namespace vorlanda {

struct StatementFreer {
    void operator()(Firebird::IStatement* statement) const noexcept;
};

struct PreparedStatement {
    std::unique_ptr<Firebird::IStatement, StatementFreer> handle;
    fb::Handle<Firebird::IMessageMetadata> input;
    fb::Handle<Firebird::IMessageMetadata> output;
    unsigned type = 0;
    QStringList columns; // the output aliases, in order
    std::unique_ptr<InputMessages> messages;
};

// Prepares `text` (one statement, no terminator) in the given dialect; raises the server's
// message as Error.
std::shared_ptr<PreparedStatement> PrepareStatement(Firebird::IAttachment* attachment,
                                                    Firebird::ITransaction* transaction,
                                                    const QString& text, unsigned dialect);

} // namespace vorlanda
