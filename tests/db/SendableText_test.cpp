#include "db/Error.h"
#include "db/internal/SendableText.h"
#include "support/ExpectError.h"

#include <gtest/gtest.h>

using namespace vorlanda;

TEST(AppendSendableUtf8, WritesWhatQtWritesForEveryLengthOfCharacter) {
    const QString texts[] = {
        QString(),
        QStringLiteral("plain ASCII 123 '\"~"),
        QStringLiteral("ação, Müller"),       // two bytes
        QStringLiteral("€ 10 – “x”"),         // three bytes
        QString::fromUtf8("a\xF0\x9F\x98\x80" // a pair of surrogates: four bytes
                          "b\xF0\x90\x80\x80"),
        QString(QChar(0x7FF)) + QChar(0x800) + QChar(0xFFFF) + QChar(0xE000),
    };
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        QByteArray out = "kept";
        AppendSendableUtf8(out, text);
        EXPECT_EQ(out, "kept" + text.toUtf8());
    }
}

TEST(AppendSendableUtf8, RefusesANulAndLoneSurrogates) {
    const QString texts[] = {
        QStringLiteral("abc") + QChar(0) + QStringLiteral("def"),
        QStringLiteral("abc") + QChar(0xD800),
        QStringLiteral("abc") + QChar(0xD800) + QStringLiteral("d"),
        QChar(0xDC00) + QStringLiteral("abc"),
    };
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        QByteArray out;
        const std::optional<Error> error = CaughtError([&] { AppendSendableUtf8(out, text); });
        if (error) {
            EXPECT_TRUE(error->Message().startsWith(u"Texto com caractere inválido (U+"))
                << error->what();
            EXPECT_TRUE(error->Message().endsWith(text.startsWith(u"abc") ? u": abc" : u": "))
                << error->what();
        }
    }
}
