#include "key/AnswerKey.h"

#include "model/IndentDiameter.h"
#include "model/MaterialCatalogue.h"
#include "model/ProgramError.h"
#include "model/StrToInt.h"

#include <charconv>
#include <cstdio>
#include <ostream>
#include <stdexcept>

namespace {

struct KeyRow {
    const MaterialEntry& entry;
    std::optional<double> diameter; // nothing when the calculation failed
    std::string failure;
};

std::string Fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string Shortest(double value)
{
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

// Pads to a width counted in characters, not in the bytes of their UTF-8 encoding.
std::string Padded(std::string_view text, std::size_t width)
{
    std::size_t characters = 0;
    for (const char c : text)
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    std::string result(text);
    if (characters < width)
        result.append(width - characters, ' ');
    return result;
}

void WriteTableRow(std::ostream& out, const KeyRow& row)
{
    out << Padded(std::to_string(row.entry.number), 4)
        << Padded(MaterialTableRowNames[row.entry.tableRow - 1], 22)
        << Padded(HeatTreatmentName(row.entry.treatment), 14)
        << Padded(std::to_string(row.entry.hardness), 6);
    if (!row.diameter) {
        out << row.failure << '\n';
        return;
    }
    const double d = *row.diameter;
    out << Padded(Fixed(d, 4), 10) << Padded(std::to_string(IndentRadius(d, 10)), 8)
        << Padded(std::to_string(IndentRadius(d, 20)), 8) << Fixed(4 * d, 2) << '\n';
}

void WriteTsvRow(std::ostream& out, const KeyRow& row)
{
    out << row.entry.number << '\t' << MaterialTableRowNames[row.entry.tableRow - 1] << '\t'
        << HeatTreatmentName(row.entry.treatment) << '\t' << row.entry.hardness << '\t';
    if (!row.diameter) {
        out << row.failure << "\t\t\t\n";
        return;
    }
    const double d = *row.diameter;
    out << Shortest(d) << '\t' << IndentRadius(d, 10) << '\t' << IndentRadius(d, 20) << '\t'
        << Fixed(4 * d, 2) << '\n';
}

int ParseMaterialNumber(const std::string& text)
{
    const int number = StrToInt(text);
    if (!FindMaterial(number))
        throw std::invalid_argument("--material must be a catalogue number from 1 to 26, not '" +
                                    text + "'");
    return number;
}

} // namespace

AnswerKeyOptions ParseAnswerKeyArguments(const std::vector<std::string>& arguments)
{
    AnswerKeyOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= arguments.size())
                throw std::invalid_argument(argument + " needs a value");
            return arguments[++i];
        };
        if (argument == "--ball")
            options.ballDiameterText = value();
        else if (argument == "--load")
            options.loadText = value();
        else if (argument == "--material") {
            try {
                options.material = ParseMaterialNumber(value());
            } catch (const ProgramError& failure) {
                throw std::invalid_argument(ShownMessage(failure.what()));
            }
        } else if (argument == "--tsv")
            options.tabSeparated = true;
        else if (argument == "--help" || argument == "-h")
            options.help = true;
        else
            throw std::invalid_argument("unknown argument '" + argument + "'; see --help");
    }
    return options;
}

int WriteAnswerKey(const AnswerKeyOptions& options, std::ostream& out)
{
    const std::int32_t ballDiameter = StrToInt(options.ballDiameterText);
    const std::int32_t load = StrToInt(options.loadText);

    if (options.tabSeparated)
        out << "number\tmaterial\ttreatment\tHB\td_mm\tradius_px\tmagnified_radius_px\t"
               "grid_squares\n";
    else
        out << "D = " << ballDiameter << " мм, P = " << load << " кгс\n"
            << Padded("№", 4) << Padded("материал", 22) << Padded("термообработка", 14)
            << Padded("HB", 6) << Padded("d, мм", 10) << Padded("R, пкс", 8)
            << Padded("R×2, пкс", 8) << "d, клеток\n";

    int status = 0;
    for (const MaterialEntry& entry : MaterialCatalogue) {
        if (options.material && *options.material != entry.number)
            continue;
        KeyRow row{entry, std::nullopt, {}};
        try {
            row.diameter = ComputeIndentDiameter(load, entry.hardness, ballDiameter);
        } catch (const ProgramError& failure) {
            row.failure = ShownMessage(failure.what());
            status = 1;
        }
        if (options.tabSeparated)
            WriteTsvRow(out, row);
        else
            WriteTableRow(out, row);
    }
    return status;
}

void WriteAnswerKeyUsage(std::ostream& out)
{
    out << "Usage: brinell-key [--ball D] [--load P] [--material N] [--tsv]\n"
           "\n"
           "Prints, for every material of the simulator's table (or for entry N), the\n"
           "Brinell hardness and the indentation the simulator draws for a ball of D mm\n"
           "under a load of P kgf (defaults 10 and 3000, read as the simulator reads them):\n"
           "d in mm, the radius R = Round(10 d) in pixels of the growing indentation, the\n"
           "radius Round(20 d) of the magnified one, and d in squares of the measuring grid\n"
           "(4 d; one square is 0.25 mm of d).\n"
           "\n"
           "  --tsv   tab-separated rows under a header line, d as the shortest exact text\n"
           "\n"
           "Exit status: 0; 1 when a row's calculation fails (the row shows the\n"
           "simulator's message); 2 for bad arguments.\n";
}
