#include "MaterialTablePicture.h"

#include "model/MaterialCatalogue.h"

#include <QFont>
#include <QPainter>
#include <array>

namespace {

constexpr QSize TableSize(564, 654);
const QColor Available(189, 226, 146);
const QColor Unavailable(255, 0, 0);

constexpr int Left = 7;
constexpr int NameRight = 213; // the name column's right line, where the three treatments begin
constexpr int Right = 557;
constexpr int Top = 7;
constexpr int TitleBottom = 32;
constexpr int SubtitleBottom = 57;
constexpr int HeaderBottom = 82;

// The treatment columns' left and right lines, in the order of HeatTreatment.
constexpr std::array<std::array<int, 2>, 3> TreatmentColumns = {
    {{213, 316}, {316, 446}, {446, 557}}};

// Rows 1 … 10 are 29 pixels high, rows 11 … 21 are 25: the grid line above row r is
// RowLine(r − 1), the one below it RowLine(r).
constexpr int RowLine(int row)
{
    return row <= 10 ? HeaderBottom + 29 * row : HeaderBottom + 29 * 10 + 25 * (row - 10);
}

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

void fillCells(QPainter& painter)
{
    std::array<std::array<bool, 3>, MaterialTableRows> available{};
    for (const MaterialEntry& entry : MaterialCatalogue)
        available[entry.tableRow - 1][int(entry.treatment)] = true;
    for (int row = 1; row <= MaterialTableRows; ++row)
        for (int column = 0; column < 3; ++column) {
            const auto [left, right] = TreatmentColumns[column];
            painter.fillRect(QRect(QPoint(left, RowLine(row - 1)), QPoint(right, RowLine(row))),
                             available[row - 1][column] ? Available : Unavailable);
        }
}

// Grid lines are single pixels, ends included.
void drawGrid(QPainter& painter)
{
    const auto horizontal = [&](int y, int from, int to) {
        painter.fillRect(from, y, to - from + 1, 1, Qt::black);
    };
    const auto vertical = [&](int x, int from, int to) {
        painter.fillRect(x, from, 1, to - from + 1, Qt::black);
    };
    const int bottom = RowLine(MaterialTableRows);
    horizontal(Top, Left, Right);
    horizontal(TitleBottom, Left, Right);
    horizontal(SubtitleBottom, NameRight, Right);
    for (int row = 0; row <= MaterialTableRows; ++row)
        horizontal(RowLine(row), Left, Right);
    vertical(Left, Top, bottom);
    vertical(Right, Top, bottom);
    vertical(NameRight, TitleBottom, bottom);
    for (int column = 1; column < 3; ++column)
        vertical(TreatmentColumns[column][0], SubtitleBottom, bottom);
}

// Text inside the cell between grid lines left … right and top … bottom.
void drawCellText(QPainter& painter, int left, int top, int right, int bottom,
                  Qt::Alignment alignment, const QString& text)
{
    constexpr int Padding = 5;
    painter.drawText(QRect(QPoint(left + Padding, top + 1), QPoint(right - Padding, bottom - 1)),
                     alignment | Qt::AlignVCenter, text);
}

void drawTexts(QPainter& painter)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(15);
    painter.setFont(font);
    painter.setPen(Qt::black);
    drawCellText(painter, Left, Top, Right, TitleBottom, Qt::AlignHCenter,
                 QStringLiteral("Материал для испытания"));
    drawCellText(painter, NameRight, TitleBottom, Right, SubtitleBottom, Qt::AlignHCenter,
                 QStringLiteral("после термообработки"));
    for (HeatTreatment treatment :
         {HeatTreatment::Annealing, HeatTreatment::Normalising, HeatTreatment::Hardening}) {
        const auto [left, right] = TreatmentColumns[int(treatment)];
        drawCellText(painter, left, SubtitleBottom, right, HeaderBottom, Qt::AlignHCenter,
                     fromUtf8(HeatTreatmentName(treatment)));
    }
    for (int row = 1; row <= MaterialTableRows; ++row)
        drawCellText(painter, Left, RowLine(row - 1), NameRight, RowLine(row), Qt::AlignLeft,
                     fromUtf8(MaterialTableRowNames[row - 1]));
}

} // namespace

QImage MaterialTablePicture()
{
    QImage picture(TableSize, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    fillCells(painter);
    drawGrid(painter);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawTexts(painter);
    return picture;
}
