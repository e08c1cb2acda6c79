#pragma once

#include <array>
#include <cstddef>

namespace zqf {

// The register families. Family::none stands for a name outside the catalogue.
enum class Family { none, four_register, five_register, dual };

// Every family, in the order of the per-family tables.
inline constexpr std::array<Family, 3> families{Family::four_register, Family::five_register,
                                                Family::dual};

// What differs between families is kept in tables of one row per family, each
// row naming its family, instead of in switches over the family: a new family
// is a new row in each table, and a table that lacks it fails the check below
// where it is defined.
template <typename Row> using FamilyTable = std::array<Row, families.size()>;

// Whether each family has its row, in the order of `families`.
template <typename Row> constexpr bool has_every_family(const FamilyTable<Row>& rows) {
    for (std::size_t i = 0; i < families.size(); ++i) {
        if (rows[i].family != families[i]) {
            return false;
        }
    }
    return true;
}

// The family's row; nullptr for Family::none.
template <typename Row>
constexpr const Row* family_row(const FamilyTable<Row>& rows, Family family) {
    for (const Row& row : rows) {
        if (row.family == family) {
            return &row;
        }
    }
    return nullptr;
}

} // namespace zqf
