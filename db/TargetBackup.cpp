#include "db/TargetBackup.h"

#include "db/ConnectionString.h"
#include "db/Error.h"
#include "db/TargetDatabase.h"
#include "db/internal/FirebirdApi.h"

#include <QFile>
#include <QSaveFile>
#include <vector>

namespace vorlanda {

namespace {

// The service manager that reaches the database, and the database's name as that service
// knows it: "host[/port]:path" is served by "host[/port]:service_mgr" and named by its path.
struct ServiceAddress {
    QByteArray service;
    QByteArray database;
};

ServiceAddress AddressOf(const QString& databaseName) {
    if (!ThroughServer(databaseName))
        return {QByteArrayLiteral("service_mgr"), databaseName.toUtf8()};
    const std::optional<ServerPath> served = SplitServerPath(databaseName);
    if (!served)
        throw Error(QStringLiteral("Cópia de segurança só para um arquivo ou servidor:caminho, "
                                   "não para '%1'")
                        .arg(databaseName));
    return {served->server.toUtf8() + ":service_mgr", served->path.toUtf8()};
}

fb::Handle<Firebird::IService> AttachService(const QByteArray& service,
                                             const TargetDatabase& database) {
    fb::Status status;
    fb::Disposable<Firebird::IXpbBuilder> spb(
        fb::Util()->getXpbBuilder(&status, Firebird::IXpbBuilder::SPB_ATTACH, nullptr, 0));
    spb->insertString(&status, isc_spb_user_name, database.UserName().toUtf8().constData());
    spb->insertString(&status, isc_spb_password, database.Password().toUtf8().constData());
    return fb::Handle<Firebird::IService>(fb::Master()->getDispatcher()->attachServiceManager(
        &status, service.constData(), spb->getBufferLength(&status), spb->getBuffer(&status)));
}

void StartBackup(Firebird::IService* service, const QByteArray& database) {
    fb::Status status;
    fb::Disposable<Firebird::IXpbBuilder> spb(
        fb::Util()->getXpbBuilder(&status, Firebird::IXpbBuilder::SPB_START, nullptr, 0));
    spb->insertTag(&status, isc_action_svc_backup);
    spb->insertString(&status, isc_spb_dbname, database.constData());
    // "stdout" makes the service hand the backup over through its queries.
    spb->insertString(&status, isc_spb_bkp_file, "stdout");
    service->start(&status, spb->getBufferLength(&status), spb->getBuffer(&status));
}

[[noreturn]] void RaiseUnwritten(const QSaveFile& out) {
    throw Error(QStringLiteral("Não foi possível gravar a cópia de segurança em '%1': %2")
                    .arg(out.fileName(), out.errorString()));
}

unsigned TwoByteLength(const unsigned char* at) {
    return static_cast<unsigned>(at[0]) | static_cast<unsigned>(at[1]) << 8;
}

// Copies the backup the service streams into `out` until the service says it is done.
void ReceiveBackup(Firebird::IService* service, QSaveFile& out) {
    const unsigned char wanted[] = {isc_info_svc_to_eof};
    std::vector<unsigned char> answer(32 * 1024);
    for (;;) {
        fb::Status status;
        service->query(&status, 0, nullptr, sizeof wanted, wanted,
                       static_cast<unsigned>(answer.size()), answer.data());
        bool more = false;
        const unsigned char* at = answer.data();
        const unsigned char* const end = at + answer.size();
        while (at < end && *at != isc_info_end) {
            switch (*at++) {
            case isc_info_svc_to_eof: {
                const unsigned length = TwoByteLength(at);
                at += 2;
                if (length > 0) {
                    more = true;
                    if (out.write(reinterpret_cast<const char*>(at), length) !=
                        static_cast<qint64>(length))
                        RaiseUnwritten(out);
                }
                at += length;
                break;
            }
            case isc_info_truncated:
            case isc_info_data_not_ready:
            case isc_info_svc_timeout:
                more = true;
                break;
            default:
                throw Error(QStringLiteral("Resposta inesperada do serviço de cópia de segurança"));
            }
        }
        if (!more)
            return;
    }
}

} // namespace

void BackUpTarget(const TargetDatabase& database, const QString& file) {
    const ServiceAddress address = AddressOf(database.DatabaseName());
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        throw Error(QStringLiteral("Não foi possível criar a cópia de segurança em '%1': %2")
                        .arg(file, out.errorString()));
    try {
        fb::Handle<Firebird::IService> service = AttachService(address.service, database);
        StartBackup(service.get(), address.database);
        ReceiveBackup(service.get(), out);
        fb::Status status;
        service->detach(&status);
        (void)service.release(); // a successful detach releases the interface
    } catch (const Firebird::FbException& failure) {
        fb::Raise(failure);
    }
    if (out.size() == 0)
        throw Error(QStringLiteral("O serviço de cópia de segurança não entregou dados"));
    if (!out.commit())
        RaiseUnwritten(out);
}

} // namespace vorlanda
