#include "TrialFixture.h"

#include "shell/HandlerGuard.h"

#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

TrialFixture::TrialFixture() : m_previousDirectory(QDir::currentPath())
{
    writeScheme("схема-1.jpg", {870, 232}, Qt::red);
    writeScheme("схема-2.jpg", {870, 232}, Qt::green);
    writeScheme("схема-3.jpg", {870, 232}, Qt::blue);
    QDir::setCurrent(schemes.path());
    form2->Timer1.stop();
}

TrialFixture::~TrialFixture()
{
    QDir::setCurrent(m_previousDirectory);
}

void TrialFixture::writeScheme(const char* fileName, QSize size, QColor colour)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    ASSERT_TRUE(picture.save(schemes.filePath(QString::fromUtf8(fileName)), "JPG"));
}

void TrialFixture::removeScheme(const char* fileName)
{
    QFile::remove(schemes.filePath(QString::fromUtf8(fileName)));
}

void TrialFixture::chooseMaterial(int number)
{
    QTest::mouseClick(form1->RadioButton(number), Qt::LeftButton);
}

void TrialFixture::startLoading()
{
    form1->Button1->click();
}

void TrialFixture::tickTo(int tickCount)
{
    while (trialState.TickCount < tickCount)
        Guarded([this] { form2->Timer1Timer(); });
}
