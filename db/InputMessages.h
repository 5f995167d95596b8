#pragma once

// Internal to db/: the input messages of one prepared statement, built from the values bound.

#include "db/FirebirdApi.h"
#include "db/TargetValue.h"

#include <QByteArray>
#include <string>
#include <unordered_map>
#include <vector>

namespace vorlanda {

// Refuses text the client library cannot send as it is: it stops at a NUL, and a lone
// surrogate has no UTF-8 form, so either would reach the server as something else.
void RequireSendableText(const QString& text);

// Each value travels in a type of its own kind (text as UTF-8, whole numbers, floating-point
// numbers, time stamps), so the server converts it to the column as it would convert a literal
// of that kind. A statement sends the same few combinations of kinds for all its rows, so the
// layout of each combination is built once and kept with the statement.
class InputMessages {
public:
    explicit InputMessages(Firebird::IMessageMetadata* described);
    InputMessages(const InputMessages&) = delete;
    InputMessages& operator=(const InputMessages&) = delete;

    // Encodes one message; it stays valid until the next call.
    void Encode(const std::vector<const TargetValue*>& values);
    Firebird::IMessageMetadata* Metadata() const noexcept { return current_->metadata.get(); }
    unsigned char* Buffer() noexcept { return buffer_.data(); }

private:
    struct Layout {
        fb::Handle<Firebird::IMessageMetadata> metadata;
        unsigned length = 0;
        std::vector<unsigned> offsets;
        std::vector<unsigned> nullOffsets;
    };

    std::string Signature(const std::vector<const TargetValue*>& values);
    Layout BuildLayout(const std::vector<const TargetValue*>& values) const;
    void Write(const Layout& layout, const std::vector<const TargetValue*>& values);

    Firebird::IMessageMetadata* described_;
    std::vector<unsigned> describedTextBytes_; // the least room a text gets at each parameter
    std::unordered_map<std::string, Layout> layouts_;
    const Layout* current_ = nullptr;
    std::vector<QByteArray> texts_; // the UTF-8 form of the text values being encoded
    std::vector<unsigned> textCapacities_;
    std::vector<unsigned char> buffer_;
};

} // namespace vorlanda
