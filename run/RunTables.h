#pragma once

#include <array>

namespace vorlanda {

// One table a run can convert: its selection key, its name on the window's box, the legacy
// table it reads and the column that tells its rows apart, the target table whose rows tell
// what a run left and every target table its conversion empties, separated by commas.
struct RunTable {
    const char16_t* key;
    const char16_t* name;
    const char16_t* legacyTable;
    const char16_t* legacyKey;
    const char16_t* targetTable;
    const char16_t* emptiedTables;
};

// The five, in run order.
const std::array<RunTable, 5>& RunTables();

} // namespace vorlanda
