#pragma once

#include <QHash>
#include <QString>
#include <list>
#include <memory>

namespace vorlanda {

struct PreparedStatement;

// The statements a connection has prepared, by text, the most recently used kept. A
// conversion sends the same few statement shapes for every row; preparing costs the server
// more than running them, so each shape is prepared once.
class StatementCache {
public:
    explicit StatementCache(std::size_t capacity) : capacity_(capacity) {}

    std::shared_ptr<PreparedStatement> Find(const QString& text);
    void Insert(const QString& text, std::shared_ptr<PreparedStatement> statement);
    void Clear() noexcept;

private:
    using Entry = std::pair<QString, std::shared_ptr<PreparedStatement>>;

    std::size_t capacity_;
    std::list<Entry> entries_; // most recently used first
    QHash<QString, std::list<Entry>::iterator> index_;
};

} // namespace vorlanda
