#include "ico_container.h"

#include <QBuffer>
#include <QDataStream>

namespace mensurix {
namespace {

constexpr int HeaderSize = 6;
constexpr int EntrySize = 16;

QByteArray pngStream(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

// Directory entries give width and height in one byte each; 0 stands for 256.
quint8 dimensionByte(int pixels) {
    return static_cast<quint8>(pixels >= 256 ? 0 : pixels);
}

} // namespace

QByteArray icoContainer(const std::vector<QImage>& images) {
    std::vector<QByteArray> streams;
    streams.reserve(images.size());
    for (const QImage& image : images)
        streams.push_back(pngStream(image));

    QByteArray ico;
    QDataStream out(&ico, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = HeaderSize + EntrySize * static_cast<quint32>(images.size());
    for (std::size_t index = 0; index < images.size(); ++index) {
        const QImage& image = images[index];
        const auto length = static_cast<quint32>(streams[index].size());
        out << dimensionByte(image.width()) << dimensionByte(image.height()) << quint8(0)
            << quint8(0) << quint16(1) << quint16(32) << length << offset;
        offset += length;
    }
    for (const QByteArray& stream : streams)
        out.writeRawData(stream.constData(), static_cast<int>(stream.size()));
    return ico;
}

} // namespace mensurix
