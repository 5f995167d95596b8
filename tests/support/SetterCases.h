#pragma once

#include <QString>
#include <gtest/gtest.h>
#include <string>

// A setter, its name for the trace, and the property it fills: the first members of a case of
// a setter table. The test file names the class of the setters Writer.
#define FIELD(setter, property) #setter, &Writer::setter, &Writer::property

// One case of a text setter table: the setter, its name for the trace, the property it
// fills, what goes in and what the property must hold afterwards.
template <class Writer> struct SetterCase {
    const char* name;
    void (Writer::*set)(const QString&);
    const QString& (Writer::*get)() const;
    QString in;
    QString out;
};

// Applies the cases in order to one writer, so a case may rely on the value a previous one
// left behind.
template <class Writer, std::size_t N>
void ExpectAll(Writer& writer, const SetterCase<Writer> (&cases)[N]) {
    for (const SetterCase<Writer>& c : cases) {
        SCOPED_TRACE(std::string(c.name) + "(" + c.in.toStdString() + ")");
        (writer.*c.set)(c.in);
        EXPECT_EQ((writer.*c.get)(), c.out);
    }
}
