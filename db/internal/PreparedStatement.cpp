#include "db/internal/PreparedStatement.h"

#include "db/internal/SendableText.h"

namespace vorlanda {

void StatementFreer::operator()(Firebird::IStatement* statement) const noexcept {
    try {
        fb::Status status;
        statement->free(&status); // releases the interface on success
    } catch (...) {
        // The connection is gone; the server has dropped the statement with it.
        statement->release();
    }
}

std::shared_ptr<PreparedStatement> PrepareStatement(Firebird::IAttachment* attachment,
                                                    Firebird::ITransaction* transaction,
                                                    const QString& text, unsigned dialect) {
    QByteArray bytes;
    try {
        AppendSendableUtf8(bytes, text);
    } catch (const Error& error) {
        throw Error(error.Message(), error.Code(), text);
    }
    auto statement = std::make_shared<PreparedStatement>();
    try {
        fb::Status status;
        statement->handle.reset(attachment->prepare(
            &status, transaction, static_cast<unsigned>(bytes.size()), bytes.data(), dialect,
            Firebird::IStatement::PREPARE_PREFETCH_METADATA));
        statement->type = statement->handle->getType(&status);
        statement->input.reset(statement->handle->getInputMetadata(&status));
        statement->output.reset(statement->handle->getOutputMetadata(&status));
        statement->messages = std::make_unique<InputMessages>(statement->input.get());
        const unsigned columns = statement->output->getCount(&status);
        for (unsigned i = 0; i < columns; ++i)
            statement->columns.append(QString::fromUtf8(statement->output->getAlias(&status, i)));
    } catch (const Firebird::FbException& failure) {
        fb::Raise(failure, text);
    }
    return statement;
}

} // namespace vorlanda
