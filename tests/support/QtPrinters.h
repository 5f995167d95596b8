#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <ostream>

// Lets GoogleTest print Qt values as text in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QDate& date, std::ostream* os) {
    *os << (date.isValid() ? date.toString(Qt::ISODate).toStdString() : "invalid date");
}

inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '[' << list.join(QStringLiteral(" | ")).toStdString() << ']';
}
