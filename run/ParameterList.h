#pragma once

#include <QString>
#include <QStringList>

namespace vorlanda {

// The run's parameters: ordered text lines, each a bare key or "key=value", read by key.
// Keys are compared without regard to case; values as they stand.
class ParameterList {
public:
    void Add(const QString& line) { lines_.append(line); }
    // The value of the first "key=value" line; empty when there is none (a bare key has none).
    QString Value(const QString& key) const;
    // Replaces the value of the first "key=value" line, or appends one.
    void SetValue(const QString& key, const QString& value);
    const QStringList& Lines() const noexcept { return lines_; }

private:
    qsizetype IndexOfKey(const QString& key) const;

    QStringList lines_;
};

} // namespace vorlanda
