#include "db/internal/InputMessages.h"

#include "db/internal/SendableText.h"

#include <QtGlobal>
#include <algorithm>
#include <cstring>
#include <functional>

namespace vorlanda {

namespace {

constexpr unsigned maxVaryingBytes = 32765;
// Room given to a text bound where the server expects no text (a number, a date).
constexpr unsigned otherTextBytes = 32;
// A statement sends a handful of layouts; this many means the values vary without end.
constexpr std::size_t keptLayouts = 256;

// The largest magnitude of digits a double holds exactly.
constexpr qint64 exactInDouble = qint64{1} << 53;
constexpr int maxScale = 18;

// The number at `scale` places, when its digits stay exact in a double there.
std::optional<ExactDecimal> AtScale(ExactDecimal number, int scale) {
    for (; number.scale < scale; ++number.scale) {
        if (number.digits > exactInDouble / 10 || number.digits < -exactInDouble / 10)
            return std::nullopt;
        number.digits *= 10;
    }
    if (number.digits > exactInDouble || number.digits < -exactInDouble)
        return std::nullopt;
    return number;
}

ISC_TIMESTAMP EncodeTimestamp(const QDateTime& moment) {
    const QDate date = moment.date();
    const QTime time = moment.time();
    ISC_TIMESTAMP stamp;
    stamp.timestamp_date = fb::Util()->encodeDate(static_cast<unsigned>(date.year()),
                                                  static_cast<unsigned>(date.month()),
                                                  static_cast<unsigned>(date.day()));
    stamp.timestamp_time = fb::Util()->encodeTime(
        static_cast<unsigned>(time.hour()), static_cast<unsigned>(time.minute()),
        static_cast<unsigned>(time.second()), static_cast<unsigned>(time.msec()) * 10);
    return stamp;
}

template <typename T> void Put(unsigned char* at, const T& value) {
    std::memcpy(at, &value, sizeof value);
}

} // namespace

std::size_t InputMessages::ShapeHash::operator()(const Shape& shape) const noexcept {
    std::size_t hash = shape.size();
    for (const Slot& slot : shape) {
        const std::size_t part = static_cast<std::size_t>(slot.kind) ^
                                 (std::size_t{slot.room} << 8) ^
                                 (static_cast<std::size_t>(slot.scale) << 40);
        hash = hash * 1000003u ^ std::hash<std::size_t>{}(part);
    }
    return hash;
}

InputMessages::InputMessages(Firebird::IMessageMetadata* described) : described_(described) {
    fb::Status status;
    const unsigned count = described_->getCount(&status);
    floatingScales_.assign(count, 0);
    for (unsigned i = 0; i < count; ++i) {
        const unsigned type = described_->getType(&status, i) & ~1u;
        const bool text = type == SQL_TEXT || type == SQL_VARYING;
        describedTextBytes_.push_back(text ? described_->getLength(&status, i) : otherTextBytes);
        describedFloating_.push_back(type == SQL_DOUBLE || type == SQL_FLOAT ||
                                     type == SQL_D_FLOAT);
    }
}

void InputMessages::Encode(const std::vector<const TargetValue*>& values) {
    if (values.size() != describedTextBytes_.size())
        throw Error(QStringLiteral("O comando espera %1 parâmetros e recebeu %2")
                        .arg(describedTextBytes_.size())
                        .arg(values.size()));
    // Rows of a statement mostly fit the layout of the row before; a row that does not gets the
    // layout made for values like its own, which it fits by construction.
    if (current_ && Write(*current_, values))
        return;
    current_ = &LayoutFor(ShapeOf(values));
    const bool written = Write(*current_, values);
    Q_ASSERT(written);
}

// The kind value `i` travels as; for an exact number, `exact` gets the digits and scale it is
// sent with.
InputMessages::Kind InputMessages::Classify(std::size_t i, const TargetValue& value,
                                            ExactDecimal& exact) {
    Kind kind = std::visit(
        [&exact](const auto& v) {
            using V = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<V, QString>)
                return Kind::Text;
            else if constexpr (std::is_same_v<V, qint64>)
                return Kind::Integer;
            else if constexpr (std::is_same_v<V, double>)
                return Kind::Real;
            else if constexpr (std::is_same_v<V, QDateTime>)
                return Kind::Moment;
            else if constexpr (std::is_same_v<V, ExactDecimal>) {
                exact = v;
                return Kind::Exact;
            } else
                return Kind::Null;
        },
        value);
    if ((kind == Kind::Integer || kind == Kind::Exact) && describedFloating_[i]) {
        const ExactDecimal number =
            kind == Kind::Exact ? exact : ExactDecimal{std::get<qint64>(value), 0};
        int& scale = floatingScales_[i];
        if (number.scale > scale && number.scale <= maxScale)
            scale = number.scale;
        if (const std::optional<ExactDecimal> rescaled = AtScale(number, scale)) {
            exact = *rescaled;
            kind = Kind::Exact;
        }
    }
    return kind;
}

// How each value travels. A text gets the room the parameter offers (or twice as much, as
// often as it takes), so texts of one column share a layout.
InputMessages::Shape InputMessages::ShapeOf(const std::vector<const TargetValue*>& values) {
    Shape shape(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        ExactDecimal exact;
        Slot& slot = shape[i];
        slot.kind = Classify(i, *values[i], exact);
        if (slot.kind == Kind::Exact)
            slot.scale = exact.scale;
        if (slot.kind != Kind::Text)
            continue;
        const QString& text = std::get<QString>(*values[i]);
        utf8_.resize(text.size() * 3); // the most UTF-8 takes for a UTF-16 unit
        const auto bytes =
            static_cast<unsigned>(WriteSendableUtf8(utf8_.data(), text) - utf8_.data());
        if (bytes > maxVaryingBytes)
            throw Error(
                QStringLiteral("Texto longo demais para um parâmetro (%1 bytes)").arg(bytes));
        slot.room = std::clamp(describedTextBytes_[i], 1u, maxVaryingBytes);
        while (slot.room < bytes)
            slot.room = std::min(slot.room * 2, maxVaryingBytes);
    }
    return shape;
}

const InputMessages::Entry& InputMessages::LayoutFor(Shape shape) {
    auto found = layouts_.find(shape);
    if (found == layouts_.end()) {
        if (layouts_.size() >= keptLayouts)
            layouts_.clear();
        Layout layout = Built(shape);
        found = layouts_.emplace(std::move(shape), std::move(layout)).first;
    }
    return *found;
}

InputMessages::Layout InputMessages::Built(const Shape& shape) const {
    fb::Status status;
    fb::Handle<Firebird::IMetadataBuilder> builder(described_->getBuilder(&status));
    for (unsigned i = 0; i < shape.size(); ++i) {
        switch (shape[i].kind) {
        case Kind::Null:
            continue; // the type the server described, with the null flag set
        case Kind::Text:
            builder->setType(&status, i, SQL_VARYING | 1u);
            builder->setLength(&status, i, shape[i].room);
            builder->setCharSet(&status, i, fb::charsetUtf8);
            break;
        case Kind::Integer:
            builder->setType(&status, i, SQL_INT64 | 1u);
            builder->setLength(&status, i, sizeof(qint64));
            break;
        case Kind::Real:
            builder->setType(&status, i, SQL_DOUBLE | 1u);
            builder->setLength(&status, i, sizeof(double));
            break;
        case Kind::Moment:
            builder->setType(&status, i, SQL_TIMESTAMP | 1u);
            builder->setLength(&status, i, sizeof(ISC_TIMESTAMP));
            break;
        case Kind::Exact:
            builder->setType(&status, i, SQL_INT64 | 1u);
            builder->setLength(&status, i, sizeof(qint64));
            builder->setScale(&status, i, -shape[i].scale);
            continue;
        }
        builder->setScale(&status, i, 0);
    }
    Layout layout;
    layout.metadata.reset(builder->getMetadata(&status));
    layout.length = layout.metadata->getMessageLength(&status);
    for (unsigned i = 0; i < shape.size(); ++i) {
        layout.offsets.push_back(layout.metadata->getOffset(&status, i));
        layout.nullOffsets.push_back(layout.metadata->getNullOffset(&status, i));
    }
    return layout;
}

// Writes the values in the layout, when each travels as its slot says (a NULL travels in any
// slot, as its flag alone); false otherwise, with the message left to be written again.
bool InputMessages::Write(const Entry& entry, const std::vector<const TargetValue*>& values) {
    const Shape& shape = entry.first;
    const Layout& layout = entry.second;
    buffer_.resize(layout.length);
    unsigned char* const message = buffer_.data();
    for (std::size_t i = 0; i < values.size(); ++i) {
        const TargetValue& value = *values[i];
        ExactDecimal exact;
        const Kind kind = Classify(i, value, exact);
        unsigned char* const at = message + layout.offsets[i];
        Put(message + layout.nullOffsets[i], static_cast<short>(kind == Kind::Null ? -1 : 0));
        if (kind == Kind::Null)
            continue;
        if (kind != shape[i].kind)
            return false;
        switch (kind) {
        case Kind::Text: {
            const QString& text = std::get<QString>(value);
            char* const bytes = reinterpret_cast<char*>(at) + sizeof(quint16);
            std::size_t length = 0;
            if (static_cast<std::size_t>(text.size()) * 3 <= shape[i].room) {
                length = WriteSendableUtf8(bytes, text) - bytes;
            } else {
                // It may still fit: only its UTF-8 form tells.
                utf8_.resize(text.size() * 3);
                length = WriteSendableUtf8(utf8_.data(), text) - utf8_.data();
                if (length > shape[i].room)
                    return false;
                std::memcpy(bytes, utf8_.constData(), length);
            }
            Put(at, static_cast<quint16>(length));
            break;
        }
        case Kind::Exact:
            if (exact.scale != shape[i].scale)
                return false;
            Put(at, exact.digits);
            break;
        case Kind::Integer:
            Put(at, std::get<qint64>(value));
            break;
        case Kind::Real:
            Put(at, std::get<double>(value));
            break;
        case Kind::Moment:
            Put(at, EncodeTimestamp(std::get<QDateTime>(value)));
            break;
        case Kind::Null:
            break;
        }
    }
    return true;
}

} // namespace vorlanda
