#pragma once

#include <QDate>

namespace vorlanda {

// Today's date on this machine. Asking the system costs a look at its time-zone file, and a
// conversion asks for several fields of every row, so the answer is kept for a second.
QDate Today();

} // namespace vorlanda
