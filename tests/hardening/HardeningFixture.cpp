#include "HardeningFixture.h"

#include "pictures/PictureBox.h"
#include "windows/SpeedButton.h"

#include <QApplication>
#include <QFile>
#include <QTest>

#include <cstdlib>

namespace {

bool Near(QColor colour, QColor plain)
{
    return std::abs(colour.red() - plain.red()) < 40 &&
           std::abs(colour.green() - plain.green()) < 40 &&
           std::abs(colour.blue() - plain.blue()) < 40;
}

} // namespace

void HardeningFixture::clickStart()
{
    QTest::mouseClick(form2->SpeedButton1, Qt::LeftButton);
}

QColor HardeningFixture::schemeColour()
{
    QApplication::processEvents();
    // Taken from the window, so that where the box paints nothing its background shows.
    const QImage box = form2->client()->grab(form2->Image1->geometry()).toImage();
    const QColor colour = box.pixelColor(400, 8);
    for (const QColor plain : {QColor(Qt::red), QColor(Qt::green), QColor(Qt::blue)}) {
        if (Near(colour, plain))
            return plain;
    }
    return colour;
}

QString HardeningFixture::schemePath(const char* fileName) const
{
    return schemes.filePath(QString::fromUtf8(fileName));
}

void HardeningFixture::writeSchemeBytes(const char* fileName, const QByteArray& bytes)
{
    QFile file(schemePath(fileName));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray HardeningFixture::schemeBytes(const char* fileName) const
{
    QFile file(schemePath(fileName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
