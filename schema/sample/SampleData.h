#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlanda::sample {

// The five legacy tables, in the order the script loads them.
enum class Table { Clients, Suppliers, Groups, FiscalCodes, Products };

inline constexpr Table kTables[] = {Table::Clients, Table::Suppliers, Table::Groups,
                                    Table::FiscalCodes, Table::Products};

struct RowCounts {
    int clients = 0;
    int suppliers = 0;
    int groups = 0;
    int fiscalCodes = 0;
    int products = 0;

    int Of(Table table) const;
    int Total() const { return clients + suppliers + groups + fiscalCodes + products; }
};

// Largest scale accepted: beyond it the product codes, which the conversion cuts to six
// digits, could no longer stay distinct.
inline constexpr int kMaxScale = 10;

// Row counts for a scale written as a plain decimal with "." ("0.1", "2", "0.025"), computed
// exactly so that every machine gets the same counts; nullopt when the text is not such a
// number or lies outside (0, kMaxScale].
std::optional<RowCounts> CountsForScale(std::string_view scale);

// A seed written as a decimal integer of at most 64 bits; nullopt otherwise.
std::optional<std::uint64_t> ParseSeed(std::string_view text);

// One value of a legacy row as the script writes it.
struct Value {
    enum class Kind { Null, Text, Number };
    Kind kind = Kind::Null;
    // UTF-8; for Text the value itself, unquoted; for Number its SQL form.
    std::string text;
};

using Row = std::vector<Value>;

struct Column {
    std::string_view name;
    // Longest text the legacy column holds, in characters; 0 for numbers and dates.
    int maxChars;
};

// A deterministic legacy pharmacy: the same counts and seed give the same rows, byte for
// byte, on every machine. Each row is computed from the seed and its own position alone, so
// any row can be produced without the ones before it.
class SampleData {
public:
    SampleData(RowCounts counts, std::uint64_t seed);

    const RowCounts& Counts() const noexcept { return counts_; }

    static std::string_view TableName(Table table);
    static const std::vector<Column>& Columns(Table table);

    // Row `index` (0 to Counts().Of(table) - 1) of a table, in the order of Columns(table).
    Row RowAt(Table table, int index) const;
    void FillRow(Table table, int index, Row& row) const;

    // The whole loading script: character set, emptying of the five tables, then multi-row
    // INSERTs of at most kRowsPerInsert rows.
    void Write(std::ostream& out) const;
    std::string Script() const;

    static constexpr int kRowsPerInsert = 500;

private:
    void FillClient(int index, Row& row) const;
    void FillSupplier(int index, Row& row) const;
    void FillGroup(int index, Row& row) const;
    void FillFiscalCode(int index, Row& row) const;
    void FillProduct(int index, Row& row) const;

    // Fiscal codes: which legacy row holds the NCM that row `code` repeats; the key behind a
    // code's own NCM and back; the NCM a row holds; an NCM of the table under a heading.
    int NcmSourceRow(int code) const;
    int KeyOfCode(int code) const;
    int CodeOfKey(int key) const;
    std::string NcmDigitsOfCode(int code) const;
    std::string ExistingNcmForProduct(std::uint64_t pick, int heading) const;

    RowCounts counts_;
    std::uint64_t seed_;
    // Fiscal code rows whose CONTROLE is the code itself (1 to directCodes_); the rest repeat
    // the number of one of them under a longer CONTROLE.
    int directCodes_;
    std::int64_t keyMultiplier_;
    std::int64_t keyInverse_;
    std::int64_t keyOffset_;
};

} // namespace vorlanda::sample
