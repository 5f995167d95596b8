#include "db/internal/SendableText.h"

#include "db/Error.h"

namespace vorlanda {

namespace {

[[noreturn]] void Refuse(QStringView text, qsizetype at) {
    throw Error(QStringLiteral("Texto com caractere inválido (U+%1) não pode ser enviado ao "
                               "banco de dados: %2")
                    .arg(text[at].unicode(), 4, 16, QLatin1Char('0'))
                    .arg(text.left(at).right(60).toString()));
}

} // namespace

void AppendSendableUtf8(QByteArray& out, QStringView text) {
    const qsizetype start = out.size();
    // The room is left as it is, not cleared first: every byte used is written.
    out.resize(start + text.size() * 3);
    char* const end = WriteSendableUtf8(out.data() + start, text);
    out.resize(end - out.data());
}

char* WriteSendableUtf8(char* o, QStringView text) {
    const char16_t* const begin = text.utf16();
    const char16_t* const end = begin + text.size();
    for (const char16_t* p = begin; p < end; ++p) {
        const char16_t c = *p;
        if (c < 0x80) {
            if (c == 0)
                Refuse(text, p - begin);
            *o++ = static_cast<char>(c);
        } else if (c < 0x800) {
            *o++ = static_cast<char>(0xC0 | (c >> 6));
            *o++ = static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0xD800 || c > 0xDFFF) {
            *o++ = static_cast<char>(0xE0 | (c >> 12));
            *o++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            *o++ = static_cast<char>(0x80 | (c & 0x3F));
        } else {
            if (c > 0xDBFF || p + 1 == end || p[1] < 0xDC00 || p[1] > 0xDFFF)
                Refuse(text, p - begin);
            const char32_t u = 0x10000 + ((char32_t(c) - 0xD800) << 10) + (char32_t(p[1]) - 0xDC00);
            ++p;
            *o++ = static_cast<char>(0xF0 | (u >> 18));
            *o++ = static_cast<char>(0x80 | ((u >> 12) & 0x3F));
            *o++ = static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            *o++ = static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return o;
}

} // namespace vorlanda
