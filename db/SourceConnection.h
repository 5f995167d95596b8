#pragma once

#include <QString>
#include <memory>
#include <mutex>
#include <optional>

struct st_mysql;

namespace vorlanda {

// Where the legacy database is. The defaults are the tool's fixed parameters: the MySQL
// server of this machine, database "velarim", user root. An empty socket and port 0 leave the
// choice to MYSQL_UNIX_PORT and MYSQL_TCP_PORT, then to the client groups of the standard
// option files, then to the client library's defaults.
struct SourceParameters {
    QString hostName = QStringLiteral("localhost");
    QString database = QStringLiteral("velarim");
    QString userName = QStringLiteral("root");
    // Without one, the option files' password, then MYSQL_PWD, then none.
    std::optional<QString> password;
    unsigned port = 0;
    QString socket;
    unsigned connectTimeout = 60;
    // Seconds a read from the server or a write to it may wait before the connection is given
    // up: a source that stops answering ends the run instead of holding it forever.
    unsigned readWriteTimeout = 600;
};

// The connection to the legacy database. It is never opened explicitly: the first query
// opens it, and it stays open for later runs; a connection the server has closed meanwhile
// is opened again by the next query. Text arrives as UTF-8 (utf8mb4).
class SourceConnection {
public:
    explicit SourceConnection(SourceParameters parameters = {});
    ~SourceConnection();
    SourceConnection(const SourceConnection&) = delete;
    SourceConnection& operator=(const SourceConnection&) = delete;

    const SourceParameters& Parameters() const noexcept { return parameters_; }
    void SetParameters(const SourceParameters& parameters);

    bool Connected() const noexcept { return handle_ != nullptr; }
    void Close() noexcept;
    // From any thread: the read or write the connection waits in fails at once, and so does
    // every later one until the next query opens the connection again. It is how a run held
    // by a source that does not answer is cancelled.
    void Abort() noexcept;

    // For the queries of this layer: the live connection, opened first when needed.
    st_mysql* LiveHandle();

private:
    struct Closer {
        void operator()(st_mysql* handle) const noexcept;
    };

    void Open();

    SourceParameters parameters_;
    // Changed only by the thread that queries, and guarded against Abort() from another.
    std::unique_ptr<st_mysql, Closer> handle_;
    std::mutex handleLock_;
};

} // namespace vorlanda
