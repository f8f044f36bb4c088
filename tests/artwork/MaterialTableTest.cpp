// The material table picture as the setup window shows it: its grid lines, the
// colour of every treatment cell, and room for each material radio button inside
// the green cell of its catalogue entry.

#include "PixelColours.h"

#include "model/MaterialCatalogue.h"
#include "windows/MaterialButtonPlaces.h"

#include <QImage>
#include <array>
#include <gtest/gtest.h>
#include <vector>

namespace {

const QColor Green(189, 226, 146);
const QColor Red(255, 0, 0);
constexpr int ColourTolerance = 28;

// Where the table picture's top-left corner lies in the setup window.
constexpr QPoint PictureOrigin(552, 80);

// Grid lines: the columns' and rows' lines as the table is laid out, the three
// treatment columns between the last four vertical ones.
constexpr std::array<int, 5> VerticalLines = {7, 213, 316, 446, 557};
constexpr int TableTop = 7, TitleBottom = 32, SubtitleBottom = 57, HeaderBottom = 82;

std::vector<int> rowLines()
{
    std::vector<int> lines;
    for (int y = HeaderBottom; y <= 372; y += 29)
        lines.push_back(y);
    for (int y = 397; y <= 647; y += 25)
        lines.push_back(y);
    return lines;
}

class MaterialTableTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(m_table.size(), QSize(564, 654)); }

    // The cell of a material row (1 … 21) and a treatment, grid lines included.
    QRect cell(int row, HeatTreatment treatment) const
    {
        const std::vector<int> rows = rowLines();
        return QRect(QPoint(VerticalLines[1 + int(treatment)], rows[row - 1]),
                     QPoint(VerticalLines[2 + int(treatment)], rows[row]));
    }

    bool isGreen(QPoint p) const { return IsNear(m_table.pixel(p), Green, ColourTolerance); }

    const QImage m_table{QStringLiteral(":/pictures/material-table.jpg")};
};

TEST_F(MaterialTableTest, GridLinesAreDarkAlongTheirWholeLength)
{
    const std::vector<int> rows = rowLines();
    const int bottom = rows.back();
    struct Line {
        QPoint from, to;
    };
    std::vector<Line> lines = {
        {{7, TableTop}, {557, TableTop}},
        {{7, TitleBottom}, {557, TitleBottom}},
        {{213, SubtitleBottom}, {557, SubtitleBottom}},
        {{7, TableTop}, {7, bottom}},
        {{557, TableTop}, {557, bottom}},
        {{213, TitleBottom}, {213, bottom}},
        {{316, SubtitleBottom}, {316, bottom}},
        {{446, SubtitleBottom}, {446, bottom}},
    };
    for (int y : rows)
        lines.push_back({{7, y}, {557, y}});
    for (const Line& line : lines)
        for (QPoint p = line.from; p.x() <= line.to.x() && p.y() <= line.to.y();
             p += line.from.y() == line.to.y() ? QPoint(1, 0) : QPoint(0, 1))
            ASSERT_TRUE(IsDark(m_table.pixel(p)))
                << "(" << p.x() << ", " << p.y() << ") on the line from (" << line.from.x() << ", "
                << line.from.y() << ")";
}

// The name column is one blank cell in the two header rows under the title: no
// line at y = 57 there, and the treatment lines start at that line.
TEST_F(MaterialTableTest, NameColumnIsOneBlankCellUnderTheTitle)
{
    for (int x = 9; x < 212; ++x)
        for (int y = TitleBottom + 2; y < HeaderBottom - 1; ++y)
            ASSERT_TRUE(IsWhite(m_table.pixel(x, y))) << "(" << x << ", " << y << ")";
    EXPECT_TRUE(IsWhite(m_table.pixel(316, 40)));
    EXPECT_TRUE(IsWhite(m_table.pixel(446, 40)));
    EXPECT_TRUE(IsWhite(m_table.pixel(213, 9)));
}

TEST_F(MaterialTableTest, TreatmentCellsAreGreenExactlyForTheCatalogueEntries)
{
    int green = 0, red = 0;
    for (int row = 1; row <= MaterialTableRows; ++row)
        for (HeatTreatment treatment :
             {HeatTreatment::Annealing, HeatTreatment::Normalising, HeatTreatment::Hardening}) {
            const bool listed = std::any_of(
                MaterialCatalogue.begin(), MaterialCatalogue.end(), [&](const MaterialEntry& e) {
                    return e.tableRow == row && e.treatment == treatment;
                });
            const QRgb middle = m_table.pixel(cell(row, treatment).center());
            const bool isGreenCell = IsNear(middle, Green, ColourTolerance);
            const bool isRedCell = IsNear(middle, Red, ColourTolerance);
            EXPECT_EQ(isGreenCell, listed) << "row " << row << ", column " << int(treatment);
            EXPECT_EQ(isRedCell, !listed) << "row " << row << ", column " << int(treatment);
            green += isGreenCell;
            red += isRedCell;
        }
    EXPECT_EQ(green, 26);
    EXPECT_EQ(red, 37);
}

// Each row's name is written in its first cell: there is dark text there.
TEST_F(MaterialTableTest, EveryMaterialRowHasItsName)
{
    const std::vector<int> rows = rowLines();
    for (int row = 1; row <= MaterialTableRows; ++row) {
        int dark = 0;
        for (int y = rows[row - 1] + 3; y < rows[row] - 2; ++y)
            for (int x = 10; x < 200; ++x)
                dark += IsDark(m_table.pixel(x, y));
        EXPECT_GT(dark, 20) << "row " << row;
    }
}

// A button 50 × 17 covers its rectangle; around its corners, one pixel out, the cell
// must still be green, so the button lies wholly inside it.
TEST_F(MaterialTableTest, EachMaterialButtonLiesInsideItsGreenCell)
{
    for (const MaterialEntry& entry : MaterialCatalogue) {
        const MaterialButtonPlace place = MaterialButtonPlaces[entry.number - 1];
        const QRect button(QPoint(place.left, place.top) - PictureOrigin,
                           QSize(MaterialButtonWidth, MaterialButtonHeight));
        const QRect inside = cell(entry.tableRow, entry.treatment).adjusted(1, 1, -1, -1);
        EXPECT_TRUE(inside.contains(button)) << "button " << entry.number;
        const QRect around = button.adjusted(-1, -1, 1, 1);
        for (QPoint corner : {around.topLeft(), around.topRight(), around.bottomLeft(),
                              around.bottomRight(), button.topLeft(), button.bottomRight()})
            EXPECT_TRUE(isGreen(corner))
                << "button " << entry.number << " at (" << corner.x() << ", " << corner.y() << ")";
    }
}

} // namespace
