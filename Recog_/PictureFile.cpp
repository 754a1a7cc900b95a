#include "Recog_/PictureFile.h"

#include "Recog_/RleBitmap.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <cstring>
#include <new>

namespace lodrin {

namespace {

const char* QtFormatName(PictureFormat format) {
    switch (format) {
    case PictureFormat::Jpeg:
        return "jpeg";
    case PictureFormat::Bmp:
        return "bmp";
    case PictureFormat::Png:
        return "png";
    }
    return "";
}

PictureLoadResult Failure(PictureProblem problem) {
    return {RgbPicture(), problem};
}

// The size problem of what the decoder's own header reading found.
PictureProblem DecoderSizeProblem(const QSize& size) {
    return size.isValid() ? PictureSizeProblem(size.width(), size.height())
                          : PictureProblem::Corrupt;
}

std::uint8_t Over(int colour, int alpha, int background) {
    return static_cast<std::uint8_t>((colour * alpha + background * (255 - alpha) + 127) / 255);
}

RgbPicture FromOpaque(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    RgbPicture picture(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        std::memcpy(picture.Row(y), rgb.constScanLine(y),
                    static_cast<std::size_t>(rgb.width()) * 3);
    }
    return picture;
}

RgbPicture FromTransparent(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    RgbPicture picture(argb.width(), argb.height());
    const Rgb bg = TransparentBackground;
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        std::uint8_t* out = picture.Row(y);
        for (int x = 0; x < argb.width(); ++x, out += 3) {
            const int a = qAlpha(line[x]);
            out[0] = Over(qRed(line[x]), a, bg.R);
            out[1] = Over(qGreen(line[x]), a, bg.G);
            out[2] = Over(qBlue(line[x]), a, bg.B);
        }
    }
    return picture;
}

PictureLoadResult Decode(PictureFormat format, const QByteArray& bytes) {
    const PictureHeader header = CheckPictureData(
        format, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (header.Problem != PictureProblem::None) {
        return Failure(header.Problem);
    }
    QBuffer buffer;
    buffer.setData(bytes);
    if (format == PictureFormat::Bmp) {
        // Qt leaves the pixels run-length codes skip unwritten: expanded here instead.
        const std::optional<std::string> expanded = ExpandRleBitmap(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        if (expanded && expanded->empty()) {
            return Failure(PictureProblem::Corrupt);
        }
        if (expanded) {
            buffer.setData(expanded->data(), static_cast<qsizetype>(expanded->size()));
        }
    }
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, QtFormatName(format));
    reader.setAutoDetectImageFormat(false);
    QImageReader::setAllocationLimit(PictureAllocationLimitMb);
    const PictureProblem sizeProblem = DecoderSizeProblem(reader.size());
    if (sizeProblem != PictureProblem::None) {
        return Failure(sizeProblem);
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        return Failure(PictureProblem::Corrupt);
    }
    RgbPicture picture = RgbPictureFromImage(image);
    if (picture.IsEmpty()) {
        return Failure(PictureProblem::OutOfMemory);
    }
    return {std::move(picture), PictureProblem::None};
}

} // namespace

PictureLoadResult DecodePictureData(PictureFormat format, const QByteArray& bytes) {
    try {
        return Decode(format, bytes);
    } catch (const std::bad_alloc&) {
        return Failure(PictureProblem::OutOfMemory);
    }
}

PictureLoadResult LoadPictureFile(const std::string& path) {
    const std::optional<PictureFormat> format = PictureFormatOfName(path);
    if (!format) {
        return Failure(PictureProblem::UnknownFormat);
    }
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return Failure(PictureProblem::Unreadable);
    }
    if (file.size() > MaxPictureFileBytes) {
        return Failure(PictureProblem::TooLarge);
    }
    try {
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            return Failure(PictureProblem::Unreadable);
        }
        return DecodePictureData(*format, bytes);
    } catch (const std::bad_alloc&) {
        return Failure(PictureProblem::OutOfMemory);
    }
}

PictureProblem OpenPictureFile(TRecogState& state, const std::string& path) {
    PictureLoadResult loaded = LoadPictureFile(path);
    if (loaded.Ok() && !state.OpenPicture(std::move(loaded.Picture))) {
        return PictureProblem::ZeroSize;
    }
    return loaded.Problem;
}

RgbPicture RgbPictureFromImage(const QImage& image) {
    if (image.isNull()) {
        return {};
    }
    return image.hasAlphaChannel() ? FromTransparent(image) : FromOpaque(image);
}

QImage WrapPicture(const RgbPicture& picture) {
    if (picture.IsEmpty()) {
        return {};
    }
    return QImage(picture.Data(), picture.Width(), picture.Height(), picture.Width() * 3,
                  QImage::Format_RGB888);
}

} // namespace lodrin
