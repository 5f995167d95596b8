#pragma once

#include <QString>

namespace vorlanda {

// A number typed into a legacy text column. NULL or blank is 0; blanks, tabs and other control
// characters around it are ignored. "." or "," is the decimal separator; when both occur, the
// last one is, and the others must group the whole part by threes ("1.234,56" and "1,234.56"
// are 1234.56). Anything else raises Error naming the value as read, so a guess never reaches
// the target.
double LegacyNumber(const QString& text);

} // namespace vorlanda
