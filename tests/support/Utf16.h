#pragma once

#include <QString>

// The QString of a char16_t literal. Case tables hold plain char16_t pointers so that they stay
// lists of literals; the checks compare QStrings.
inline QString Q(const char16_t* text) {
    return QString::fromUtf16(text);
}
