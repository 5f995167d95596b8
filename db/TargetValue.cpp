#include "db/TargetValue.h"

#include "db/Error.h"
#include "db/NumberText.h"

#include <cmath>

namespace vorlanda {

namespace {
template <class... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;
} // namespace

QString ExactDecimal::ToString() const {
    QString text =
        QString::number(digits < 0 ? -static_cast<quint64>(digits) : static_cast<quint64>(digits));
    if (scale > 0) {
        if (text.size() <= scale)
            text = QString(scale - text.size() + 1, u'0') + text;
        text.insert(text.size() - scale, u'.');
    }
    return digits < 0 ? u'-' + text : text;
}

bool TargetField::IsNull() const {
    return !value_ || std::holds_alternative<std::monostate>(*value_);
}

QString TargetField::AsString() const {
    if (IsNull())
        return {};
    return std::visit(Overloaded{
                          [](std::monostate) { return QString(); },
                          [](const QString& text) { return text; },
                          [](qint64 number) { return QString::number(number); },
                          [](double number) { return QString::number(number, 'g', 15); },
                          [](const QDateTime& moment) {
                              return moment.time() == QTime(0, 0)
                                         ? moment.toString(QStringLiteral("dd.MM.yyyy"))
                                         : moment.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
                          },
                          [](const ExactDecimal& number) { return number.ToString(); },
                      },
                      *value_);
}

int TargetField::AsInteger() const {
    if (IsNull())
        return 0;
    if (const auto* text = std::get_if<QString>(value_))
        return ParseInteger(*text);
    if (const auto* number = std::get_if<qint64>(value_)) {
        if (*number >= INT32_MIN && *number <= INT32_MAX)
            return static_cast<int>(*number);
    } else if (const auto* real = std::get_if<double>(value_)) {
        if (std::isfinite(*real) && *real >= INT32_MIN && *real <= INT32_MAX)
            return static_cast<int>(*real);
    }
    throw Error(QStringLiteral("'%1' não é um valor inteiro válido").arg(AsString()));
}

double TargetField::AsFloat() const {
    if (IsNull())
        return 0.0;
    if (const auto* text = std::get_if<QString>(value_))
        return ParseDecimal(*text);
    if (const auto* number = std::get_if<qint64>(value_))
        return static_cast<double>(*number);
    if (const auto* real = std::get_if<double>(value_))
        return *real;
    if (const auto* exact = std::get_if<ExactDecimal>(value_))
        return ParseDecimal(exact->ToString());
    throw Error(QStringLiteral("'%1' não é um valor numérico válido").arg(AsString()));
}

QDate TargetField::AsDate() const {
    if (IsNull())
        return {};
    if (const auto* moment = std::get_if<QDateTime>(value_))
        return moment->date();
    throw Error(QStringLiteral("'%1' não é uma data válida").arg(AsString()));
}

} // namespace vorlanda
