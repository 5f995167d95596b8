#pragma once

// Internal to db/: the input messages of one prepared statement, built from the values bound.

#include "db/TargetValue.h"
#include "db/internal/FirebirdApi.h"

#include <QByteArray>
#include <string>
#include <unordered_map>
#include <vector>

namespace vorlanda {

// Each value travels in a type of its own kind (text as UTF-8, whole numbers, floating-point
// numbers, time stamps), so the server converts it to the column as it would convert a literal
// of that kind. A statement sends the same few combinations of kinds for all its rows, so the
// layout of each combination is built once and kept with the statement.
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
    struct Layout {
        fb::Handle<Firebird::IMessageMetadata> metadata;
        unsigned length = 0;
        std::vector<unsigned> offsets;
        std::vector<unsigned> nullOffsets;
        std::string kinds;
        std::vector<unsigned> textCapacities;
        std::vector<int> scales;
    };

    char Classify(std::size_t i, const TargetValue& value, ExactDecimal& exact);
    bool WriteInCurrent(const std::vector<const TargetValue*>& values);
    void Describe(const std::vector<const TargetValue*>& values);
    // These build from what Describe found for the values being encoded.
    Layout Described() const;
    Layout BuildLayout() const;
    Layout Rescaled(const Layout& sibling) const;
    void Write(const Layout& layout, const std::vector<const TargetValue*>& values);

    Firebird::IMessageMetadata* described_;
    std::vector<unsigned> describedTextBytes_; // the least room a text gets at each parameter
    std::vector<bool> describedFloating_;      // whether the server expects a floating-point number
    std::vector<int> floatingScales_;          // the scale exact numbers are sent with there
    std::unordered_map<std::string, Layout> layouts_;
    // A layout for each signature without the decimals' scales, to derive the others from.
    std::unordered_map<std::string, const Layout*> byKinds_;
    const std::pair<const std::string, Layout>* current_ = nullptr;
    // What Describe found for the values being encoded, kept from message to message so that
    // encoding a row allocates nothing: the signature of their layout, their texts as UTF-8
    // one after another, and where each value's text starts in there and the room it gets.
    std::string signature_;
    QByteArray utf8_;
    std::vector<std::size_t> textStarts_;
    std::vector<unsigned> textCapacities_;
    // The kind each value travels as and, for an exact number, the digits and scale it is sent
    // with.
    std::string kinds_;
    std::vector<ExactDecimal> exact_;
    std::vector<unsigned char> buffer_;
};

} // namespace vorlanda
