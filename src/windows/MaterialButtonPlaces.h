#pragma once

// Where the 26 material radio buttons sit in the setup window's client area: each
// lies wholly inside the green cell of its catalogue entry on the table picture,
// whose top-left corner is at (552, 80).

#include <array>

struct MaterialButtonPlace {
    int left;
    int top;
};

inline constexpr int MaterialButtonWidth = 50;
inline constexpr int MaterialButtonHeight = 17;

// Indexed by catalogue number − 1.
inline constexpr std::array<MaterialButtonPlace, 26> MaterialButtonPlaces = {{
    {1010, 168}, {770, 196}, {1010, 196}, {770, 226},  {770, 256},  {770, 284}, {880, 313},
    {880, 342},  {880, 371}, {1010, 371}, {880, 400},  {1010, 400}, {770, 430}, {880, 456},
    {1010, 456}, {880, 480}, {1010, 480}, {1010, 506}, {1010, 530}, {770, 556}, {770, 580},
    {770, 605},  {770, 630}, {770, 655},  {770, 680},  {770, 705},
}};
