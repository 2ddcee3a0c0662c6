#pragma once
// Odd-set cuts for the plan's packing program: max c·x subject to
// Σ_{r uses i} x_r ≤ b_i, 0 ≤ x_r ≤ u_r integer, every recipe using each of
// its ingredients once. Half the stock rows of an ingredient set S plus half
// the bound rows of some recipes F, rounded down, give
//     Σ_r ⌊(|r∩S| + [r∈F]) / 2⌋ x_r ≤ ⌊(b(S) + u(F)) / 2⌋,
// which every integer plan keeps; it cuts off a fractional plan when
// b(S) + u(F) is odd and the slack lost in rounding is below one. Three
// ingredients of stock 5 each shared by three pairs brewed 2.5 times each is
// the typical case the linear relaxation allows and no plan does.

#include <cstdint>
#include <span>
#include <vector>

namespace qor {

struct OddSetCut {
    std::vector<std::int32_t> rows;         // the ingredient set S
    std::vector<std::int32_t> boundColumns; // the bound set F
    std::vector<std::int32_t> columns;      // columns with a positive coefficient
    std::vector<double> coefficients;       // whole numbers, parallel to columns
    double rhs = 0.0;
    double violation = 0.0; // by how much the plan separated against breaks it
    // What the rows' sum is divided by before rounding: 2 for an odd-set
    // cut, 3 for a triple-set cut (see triple_set_cuts.h).
    std::int32_t modulus = 2;
};

class OddSetSeparator {
  public:
    // columnRows[c] lists the rows (ingredients) column c uses, each once;
    // stock[i] is row i's capacity, upper[c] column c's bound. All whole numbers.
    OddSetSeparator(std::vector<std::vector<std::int32_t>> columnRows, std::vector<std::int64_t> stock,
                    std::vector<std::int64_t> upper);

    // Cuts violated by at least minViolation by the fractional plan x, most
    // violated first, at most maxCuts.
    std::vector<OddSetCut> separate(std::span<const double> x, std::size_t maxCuts,
                                    double minViolation = 0.02) const;

    // The cut of ingredient set `rows` and bound set `boundColumns`.
    OddSetCut cutOf(std::span<const std::int32_t> rows, std::span<const std::int32_t> boundColumns) const;

    std::size_t rowCount() const { return m_stock.size(); }
    std::size_t columnCount() const { return m_columnRows.size(); }

  private:
    std::vector<std::vector<std::int32_t>> m_columnRows;
    std::vector<std::vector<std::int32_t>> m_rowColumns;
    std::vector<std::int64_t> m_stock;
    std::vector<std::int64_t> m_upper;
};

} // namespace qor
