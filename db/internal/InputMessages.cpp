#include "db/internal/InputMessages.h"

#include "db/internal/SendableText.h"

#include <algorithm>
#include <cstring>

namespace vorlanda {

namespace {

constexpr unsigned maxVaryingBytes = 32765;
// Room given to a text bound where the server expects no text (a number, a date).
constexpr unsigned otherTextBytes = 32;
// A statement sends a handful of layouts; this many means the values vary without end.
constexpr std::size_t keptLayouts = 256;

enum Kind : char { Null = 'n', Text = 't', Integer = 'i', Real = 'r', Moment = 'm', Exact = 'e' };

Kind KindOf(const TargetValue& value) {
    switch (value.index()) {
    case 1:
        return Text;
    case 2:
        return Integer;
    case 3:
        return Real;
    case 4:
        return Moment;
    case 5:
        return Exact;
    default:
        return Null;
    }
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

// A text's length, in front of its bytes.
void WriteTextLength(unsigned char* at, std::size_t length) {
    const auto bytes = static_cast<quint16>(length);
    std::memcpy(at, &bytes, sizeof bytes);
}

// A value of any kind but text, as Classify gave its kind and, for an exact number, its digits.
void WriteOtherThanText(unsigned char* at, char kind, const TargetValue& value,
                        const ExactDecimal& exact) {
    switch (kind) {
    case Exact:
        std::memcpy(at, &exact.digits, sizeof exact.digits);
        break;
    case Integer:
        std::memcpy(at, &std::get<qint64>(value), sizeof(qint64));
        break;
    case Real:
        std::memcpy(at, &std::get<double>(value), sizeof(double));
        break;
    case Moment: {
        const ISC_TIMESTAMP stamp = EncodeTimestamp(std::get<QDateTime>(value));
        std::memcpy(at, &stamp, sizeof stamp);
        break;
    }
    default: // NULL: only its flag is read
        break;
    }
}

void WriteNullFlag(unsigned char* at, bool null) {
    const short flag = null ? -1 : 0;
    std::memcpy(at, &flag, sizeof flag);
}

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

// A signature with the scale of each exact decimal taken out: the layouts it stands for differ
// in scales alone.
std::string WithoutScales(std::string signature) {
    for (std::size_t i = 0; i < signature.size(); ++i) {
        if (signature[i] == Exact)
            signature[++i] = 0;
        else if (signature[i] == Text)
            i += sizeof(unsigned);
    }
    return signature;
}

} // namespace

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
    // Rows of a statement mostly fit the layout of the row before: they are written straight
    // into it, and described only when one value does not fit.
    if (current_ && WriteInCurrent(values))
        return;
    Describe(values);
    if (!current_ || current_->first != signature_) {
        auto found = layouts_.find(signature_);
        if (found == layouts_.end()) {
            if (layouts_.size() >= keptLayouts) {
                layouts_.clear();
                byKinds_.clear();
            }
            const std::string kinds = WithoutScales(signature_);
            const auto sibling = byKinds_.find(kinds);
            Layout layout = sibling == byKinds_.end() ? BuildLayout() : Rescaled(*sibling->second);
            found = layouts_.emplace(signature_, std::move(layout)).first;
            byKinds_.emplace(kinds, &found->second);
        }
        current_ = &*found;
    }
    Write(current_->second, values);
}

// The kind value `i` travels as; for an exact number, `exact` gets the digits and scale it is
// sent with.
char InputMessages::Classify(std::size_t i, const TargetValue& value, ExactDecimal& exact) {
    Kind kind = KindOf(value);
    if (kind == Exact)
        exact = std::get<ExactDecimal>(value);
    if ((kind == Integer || kind == Exact) && describedFloating_[i]) {
        const ExactDecimal number =
            kind == Exact ? exact : ExactDecimal{std::get<qint64>(value), 0};
        int& scale = floatingScales_[i];
        if (number.scale > scale && number.scale <= maxScale)
            scale = number.scale;
        if (const std::optional<ExactDecimal> rescaled = AtScale(number, scale)) {
            exact = *rescaled;
            kind = Exact;
        }
    }
    return kind;
}

// Writes the values in the current layout, when each is of the kind it has there (an exact
// number with the same scale) and each text surely fits its room; false otherwise, with the
// message left to be written again. A text with room to spare travels the same as in a
// layout of its own size.
bool InputMessages::WriteInCurrent(const std::vector<const TargetValue*>& values) {
    const Layout& layout = current_->second;
    buffer_.resize(layout.length);
    unsigned char* const message = buffer_.data();
    for (std::size_t i = 0; i < values.size(); ++i) {
        const TargetValue& value = *values[i];
        ExactDecimal exact;
        const char kind = Classify(i, value, exact);
        if (kind != layout.kinds[i])
            return false;
        unsigned char* const at = message + layout.offsets[i];
        if (kind == Text) {
            const QString& text = std::get<QString>(value);
            if (static_cast<std::size_t>(text.size()) * 3 > layout.textCapacities[i])
                return false;
            char* const bytes = reinterpret_cast<char*>(at) + sizeof(quint16);
            WriteTextLength(at, WriteSendableUtf8(bytes, text) - bytes);
        } else {
            if (kind == Exact && exact.scale != layout.scales[i])
                return false;
            WriteOtherThanText(at, kind, value, exact);
        }
        WriteNullFlag(message + layout.nullOffsets[i], kind == Null);
    }
    return true;
}

// The kinds of the values and the room each text gets, as the signature of their layout. A
// text gets the room the parameter offers (or twice as much, as often as it takes), so texts
// of one column share a layout.
void InputMessages::Describe(const std::vector<const TargetValue*>& values) {
    signature_.clear();
    qsizetype room = 0;
    for (const TargetValue* value : values) {
        if (const auto* text = std::get_if<QString>(value))
            room += text->size() * 3; // the most UTF-8 takes for a UTF-16 unit
    }
    if (utf8_.size() < room)
        utf8_.resize(room); // and keeps it for the next messages
    char* const utf8 = utf8_.data();
    std::size_t used = 0;
    // Kinds and starts are written below for every value; a text's room and an exact number
    // only where the kind says so, which is the only place they are read.
    textStarts_.resize(values.size() + 1);
    textCapacities_.resize(values.size());
    kinds_.resize(values.size());
    exact_.resize(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        const char kind = Classify(i, *values[i], exact_[i]);
        textStarts_[i] = used;
        kinds_[i] = kind;
        signature_ += kind;
        if (kind == Exact)
            signature_ += static_cast<char>(exact_[i].scale);
        if (kind != Text)
            continue;
        used = WriteSendableUtf8(utf8 + used, std::get<QString>(*values[i])) - utf8;
        const auto bytes = static_cast<unsigned>(used - textStarts_[i]);
        if (bytes > maxVaryingBytes)
            throw Error(
                QStringLiteral("Texto longo demais para um parâmetro (%1 bytes)").arg(bytes));
        unsigned capacity = std::clamp(describedTextBytes_[i], 1u, maxVaryingBytes);
        while (capacity < bytes)
            capacity = std::min(capacity * 2, maxVaryingBytes);
        textCapacities_[i] = capacity;
        signature_.append(reinterpret_cast<const char*>(&capacity), sizeof capacity);
    }
    textStarts_[values.size()] = used;
}

// A layout's part that Describe found: the kind of each value, and a text's room or an exact
// number's scale where the kind has one.
InputMessages::Layout InputMessages::Described() const {
    Layout layout;
    layout.kinds = kinds_;
    layout.textCapacities.assign(kinds_.size(), 0);
    layout.scales.assign(kinds_.size(), 0);
    for (std::size_t i = 0; i < kinds_.size(); ++i) {
        if (kinds_[i] == Text)
            layout.textCapacities[i] = textCapacities_[i];
        else if (kinds_[i] == Exact)
            layout.scales[i] = exact_[i].scale;
    }
    return layout;
}

InputMessages::Layout InputMessages::BuildLayout() const {
    fb::Status status;
    fb::Handle<Firebird::IMetadataBuilder> builder(described_->getBuilder(&status));
    for (unsigned i = 0; i < kinds_.size(); ++i) {
        switch (kinds_[i]) {
        case Null:
            continue; // the type the server described, with the null flag set
        case Text:
            builder->setType(&status, i, SQL_VARYING | 1u);
            builder->setLength(&status, i, textCapacities_[i]);
            builder->setCharSet(&status, i, fb::charsetUtf8);
            break;
        case Integer:
            builder->setType(&status, i, SQL_INT64 | 1u);
            builder->setLength(&status, i, sizeof(qint64));
            break;
        case Real:
            builder->setType(&status, i, SQL_DOUBLE | 1u);
            builder->setLength(&status, i, sizeof(double));
            break;
        case Moment:
            builder->setType(&status, i, SQL_TIMESTAMP | 1u);
            builder->setLength(&status, i, sizeof(ISC_TIMESTAMP));
            break;
        case Exact:
            builder->setType(&status, i, SQL_INT64 | 1u);
            builder->setLength(&status, i, sizeof(qint64));
            builder->setScale(&status, i, -exact_[i].scale);
            continue;
        }
        builder->setScale(&status, i, 0);
    }
    Layout layout = Described();
    layout.metadata.reset(builder->getMetadata(&status));
    layout.length = layout.metadata->getMessageLength(&status);
    for (unsigned i = 0; i < kinds_.size(); ++i) {
        layout.offsets.push_back(layout.metadata->getOffset(&status, i));
        layout.nullOffsets.push_back(layout.metadata->getNullOffset(&status, i));
    }
    return layout;
}

// Decimals of another number of places change only the scales: the types, lengths and so the
// offsets stay those of a layout already built.
InputMessages::Layout InputMessages::Rescaled(const Layout& sibling) const {
    fb::Status status;
    fb::Handle<Firebird::IMetadataBuilder> builder(sibling.metadata->getBuilder(&status));
    for (unsigned i = 0; i < kinds_.size(); ++i) {
        if (kinds_[i] == Exact)
            builder->setScale(&status, i, -exact_[i].scale);
    }
    Layout layout = Described();
    layout.metadata.reset(builder->getMetadata(&status));
    layout.length = sibling.length;
    layout.offsets = sibling.offsets;
    layout.nullOffsets = sibling.nullOffsets;
    return layout;
}

void InputMessages::Write(const Layout& layout, const std::vector<const TargetValue*>& values) {
    buffer_.resize(layout.length);
    unsigned char* const message = buffer_.data();
    for (std::size_t i = 0; i < values.size(); ++i) {
        unsigned char* const at = message + layout.offsets[i];
        if (kinds_[i] == Text) {
            const std::size_t length = textStarts_[i + 1] - textStarts_[i];
            std::memcpy(at + sizeof(quint16), utf8_.constData() + textStarts_[i], length);
            WriteTextLength(at, length);
        } else {
            WriteOtherThanText(at, kinds_[i], *values[i], exact_[i]);
        }
        WriteNullFlag(message + layout.nullOffsets[i], kinds_[i] == Null);
    }
}

} // namespace vorlanda
