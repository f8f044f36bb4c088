#include "model/MaterialCatalogue.h"

#include <string>

using enum HeatTreatment;

const std::array<std::string_view, MaterialTableRows> MaterialTableRowNames = {
    "сталь 5",        "сталь У7",        "сталь У9",
    "сталь У11",      "сталь У13",       "сталь 20",
    "сталь 35Л",      "сталь 40",        "сталь 45",
    "сталь 9ХС",      "сталь 40Х",       "сталь 40ХН",
    "сталь 50С2",     "сталь 60С3",      "сталь 65Г",
    "алюминий литье", "алюминий прокат", "железо",
    "медь",           "дюралюминий Д16", "латунь лит. ЛЦ40Мц3Ж",
};

const std::array<MaterialEntry, MaterialCount> MaterialCatalogue = {{
    {1, 1, Hardening, 190},     {2, 2, Annealing, 187},     {3, 2, Hardening, 612},
    {4, 3, Annealing, 192},     {5, 4, Annealing, 207},     {6, 5, Annealing, 217},
    {7, 6, Normalising, 145},   {8, 7, Normalising, 185},   {9, 8, Normalising, 190},
    {10, 8, Hardening, 210},    {11, 9, Normalising, 197},  {12, 9, Hardening, 235},
    {13, 10, Annealing, 219},   {14, 11, Normalising, 207}, {15, 11, Hardening, 245},
    {16, 12, Normalising, 217}, {17, 12, Hardening, 285},   {18, 13, Hardening, 391},
    {19, 14, Hardening, 433},   {20, 15, Annealing, 211},   {21, 16, Annealing, 20},
    {22, 17, Annealing, 40},    {23, 18, Annealing, 65},    {24, 19, Annealing, 40},
    {25, 20, Annealing, 120},   {26, 21, Annealing, 90},
}};

std::string_view HeatTreatmentName(HeatTreatment treatment)
{
    switch (treatment) {
    case Annealing:
        return "отжиг";
    case Normalising:
        return "нормализация";
    case Hardening:
        return "улучшение";
    }
    return {};
}

std::optional<MaterialEntry> FindMaterial(int number)
{
    if (number < 1 || number > MaterialCount)
        return std::nullopt;
    return MaterialCatalogue[number - 1];
}

std::string MaterialDescription(const MaterialEntry& entry)
{
    std::string text(MaterialTableRowNames[entry.tableRow - 1]);
    text += ", ";
    text += HeatTreatmentName(entry.treatment);
    return text;
}
