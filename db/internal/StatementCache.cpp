#include "db/internal/StatementCache.h"

#include "db/internal/PreparedStatement.h"

namespace vorlanda {

std::shared_ptr<PreparedStatement> StatementCache::Find(const QString& text) {
    const auto found = index_.constFind(text);
    if (found == index_.constEnd())
        return nullptr;
    entries_.splice(entries_.begin(), entries_, found.value());
    return entries_.front().second;
}

void StatementCache::Insert(const QString& text, std::shared_ptr<PreparedStatement> statement) {
    entries_.emplace_front(text, std::move(statement));
    index_.insert(text, entries_.begin());
    if (entries_.size() > capacity_) {
        index_.remove(entries_.back().first);
        entries_.pop_back();
    }
}

void StatementCache::Clear() noexcept {
    index_.clear();
    entries_.clear();
}

} // namespace vorlanda
