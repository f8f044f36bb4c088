#pragma once

// The fixed table of the 26 materials a student can test: for each catalogue number
// its Brinell hardness and, for the answer key and screen readers, the material and
// heat treatment as the table picture names them. The simulator never shows the
// hardness.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum class HeatTreatment { Annealing, Normalising, Hardening };

// The column heading of a heat treatment in the table picture.
std::string_view HeatTreatmentName(HeatTreatment treatment);

struct MaterialEntry {
    int number;              // 1 … 26
    int tableRow;            // row of the table picture, 1 … 21
    HeatTreatment treatment; // column of the table picture
    std::int32_t hardness;   // HB
};

inline constexpr int MaterialCount = 26;
inline constexpr int MaterialTableRows = 21;

// The material names of the table picture's rows, top to bottom.
extern const std::array<std::string_view, MaterialTableRows> MaterialTableRowNames;

extern const std::array<MaterialEntry, MaterialCount> MaterialCatalogue;

// The entry with this catalogue number, or nothing for a number outside 1 … 26.
std::optional<MaterialEntry> FindMaterial(int number);

// "сталь 45, улучшение": how the table picture names an entry.
std::string MaterialDescription(const MaterialEntry& entry);
