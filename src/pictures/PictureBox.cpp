#include "pictures/PictureBox.h"

#include "model/ProgramError.h"
#include "pictures/PictureFile.h"
#include "pictures/ProportionalFit.h"
#include "shell/HandlerGuard.h"

#include <QFile>
#include <QPainter>

#include <utility>

namespace {

std::vector<unsigned char> ReadBuiltInPicture(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ProgramError("Cannot read built-in picture \"" + path.toStdString() + "\". " +
                           file.errorString().toStdString());
    const QByteArray bytes = file.readAll();
    return {bytes.begin(), bytes.end()};
}

void DeletePixels(void* pixels)
{
    delete[] static_cast<unsigned char*>(pixels);
}

// The decoded pixels as an image that takes them over without a copy: opaque where
// decoded, transparent (all zero) in the rows a fault left undecoded.
QImage ToImage(DecodedPicture& picture)
{
    if (picture.width == 0 || picture.height == 0)
        return {};
    unsigned char* pixels = picture.pixels.release();
    return QImage(pixels, picture.width, picture.height,
                  qsizetype(picture.width) * DecodedPicture::BytesPerPixel,
                  QImage::Format_ARGB32_Premultiplied, DeletePixels, pixels);
}

} // namespace

PictureBox::PictureBox(QWidget* parent, Fitting fitting) : QWidget(parent), m_fitting(fitting) {}

void PictureBox::setBuiltInPicture(const QString& resourcePath)
{
    dropPicture();
    m_builtInPath = resourcePath;
}

void PictureBox::LoadFromFile(std::string_view bareName)
{
    RequireJpegExtension(bareName);
    JpegPicture picture(ReadPictureFile(bareName));
    dropPicture();
    m_picture.emplace(std::move(picture));
}

void PictureBox::dropPicture()
{
    m_builtInPath.clear();
    m_picture.reset();
    m_decoded = QImage();
    m_scaled = QImage();
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    decodeWaitingPicture();
    if (m_decoded.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, m_fitting == Fitting::Proportional ? scaledPicture() : m_decoded);
}

// A paint must not open a box, so its failures go to the error box queued for later.
void PictureBox::decodeWaitingPicture()
{
    try {
        if (!m_builtInPath.isEmpty())
            m_picture.emplace(ReadBuiltInPicture(std::exchange(m_builtInPath, QString())));
        if (!m_picture)
            return;
        DecodedPicture picture = std::exchange(m_picture, std::nullopt)->decode();
        m_decoded = ToImage(picture);
        if (!picture.failure.empty())
            ReportFailure(picture.failure.c_str());
    } catch (const ProgramError& failure) {
        ReportFailure(failure.what());
    }
}

// Whole rows and columns are dropped or repeated, never blended.
const QImage& PictureBox::scaledPicture()
{
    const QSize target = ProportionalSize(m_decoded.size(), size());
    if (m_scaled.size() != target)
        m_scaled = m_decoded.scaled(target, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return m_scaled;
}
