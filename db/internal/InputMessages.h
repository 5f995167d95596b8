#pragma once

// Internal to db/: the input messages of one prepared statement, built from the values bound.

#include "db/TargetValue.h"
#include "db/internal/FirebirdApi.h"

#include <QByteArray>
#include <unordered_map>
#include <vector>

namespace vorlanda {

// Each value travels in a type of its own kind (text as UTF-8, whole numbers, floating-point
// numbers, time stamps), so the server converts it to the column as it would convert a literal
// of that kind. A statement sends the same few combinations of kinds for all its rows, so the
// layout of each combination is built once and kept with the statement, and a row is written
// straight into the layout of the row before whenever its values fit there.
//
// Exact numbers bound where the server expects a floating-point number are the exception that
// keeps the combinations few: a price of 12 on one row, 12.5 on the next and 12.25 on the
// third would need three layouts for that column alone. The server reads an exact number
// there as its digits divided by the power of ten of its scale, one correctly rounded
// division; with trailing zeros added to digits and scale alike, both stay exact doubles and
// the division gives the same double. So such a number is sent at the largest scale the
// parameter has seen, whenever its digits stay within 2^53 that way.
class InputMessages {
public:
    explicit InputMessages(Firebird::IMessageMetadata* described);
    InputMessages(const InputMessages&) = delete;
    InputMessages& operator=(const InputMessages&) = delete;

    // Encodes one message; it stays valid until the next call. Text the server cannot receive
    // whole raises Error.
    void Encode(const std::vector<const TargetValue*>& values);
    Firebird::IMessageMetadata* Metadata() const noexcept {
        return current_->second.metadata.get();
    }
    unsigned char* Buffer() noexcept { return buffer_.data(); }

private:
    enum class Kind : char { Null, Text, Integer, Real, Moment, Exact };

    // How one value travels: its kind, and the room of a text or the scale of an exact number.
    struct Slot {
        Kind kind = Kind::Null;
        unsigned room = 0;
        int scale = 0;
        bool operator==(const Slot&) const = default;
    };
    using Shape = std::vector<Slot>;
    struct ShapeHash {
        std::size_t operator()(const Shape& shape) const noexcept;
    };

    struct Layout {
        fb::Handle<Firebird::IMessageMetadata> metadata;
        unsigned length = 0;
        std::vector<unsigned> offsets;
        std::vector<unsigned> nullOffsets;
    };

    using Entry = std::pair<const Shape, Layout>;

    Kind Classify(std::size_t i, const TargetValue& value, ExactDecimal& exact);
    Shape ShapeOf(const std::vector<const TargetValue*>& values);
    const Entry& LayoutFor(Shape shape);
    Layout Built(const Shape& shape) const;
    bool Write(const Entry& entry, const std::vector<const TargetValue*>& values);

    Firebird::IMessageMetadata* described_;
    std::vector<unsigned> describedTextBytes_; // the least room a text gets at each parameter
    std::vector<bool> describedFloating_;      // whether the server expects a floating-point number
    std::vector<int> floatingScales_;          // the scale exact numbers are sent with there
    std::unordered_map<Shape, Layout, ShapeHash> layouts_;
    const Entry* current_ = nullptr;
    std::vector<unsigned char> buffer_;
    QByteArray utf8_; // a text whose UTF-8 length must be known before it is written
};

} // namespace vorlanda
