#include "test_pictures.h"

#include <QBuffer>
#include <algorithm>
#include <stdexcept>

namespace vex::test {

std::string imageBytes(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format)) throw std::runtime_error("cannot encode the picture");
    return bytes.toStdString();
}

std::string gifBytes(int width, int height, const std::vector<QColor>& palette, const std::vector<uint8_t>& indices,
                     int transparentIndex) {
    std::string out = "GIF89a";
    auto word = [&](int v) {
        out += static_cast<char>(v & 0xFF);
        out += static_cast<char>((v >> 8) & 0xFF);
    };
    word(width);
    word(height);
    out += static_cast<char>(0x81);  // a global table of 4 colours
    out += '\0';
    out += '\0';
    for (int i = 0; i < 4; ++i) {
        const QColor c = i < static_cast<int>(palette.size()) ? palette[static_cast<size_t>(i)] : QColor(Qt::black);
        out += static_cast<char>(c.red());
        out += static_cast<char>(c.green());
        out += static_cast<char>(c.blue());
    }
    out += "\x21\xF9\x04\x01";  // graphic control: transparency on
    word(0);
    out += static_cast<char>(transparentIndex);
    out += '\0';
    out += ',';
    word(0);
    word(0);
    word(width);
    word(height);
    out += '\0';
    out += static_cast<char>(2);  // code size 2: clear 4, end 5, codes of 3 bits

    // Literal codes only, with a clear code after every two, so the codes stay 3 bits wide.
    std::string data;
    uint32_t bits = 0;
    int count = 0;
    auto putCode = [&](int code) {
        bits |= static_cast<uint32_t>(code) << count;
        count += 3;
        while (count >= 8) {
            data += static_cast<char>(bits & 0xFF);
            bits >>= 8;
            count -= 8;
        }
    };
    for (size_t i = 0; i < indices.size(); ++i) {
        if (i % 2 == 0) putCode(4);
        putCode(indices[i]);
    }
    putCode(5);
    if (count > 0) data += static_cast<char>(bits & 0xFF);
    for (size_t at = 0; at < data.size(); at += 255) {
        const size_t n = std::min<size_t>(255, data.size() - at);
        out += static_cast<char>(n);
        out += data.substr(at, n);
    }
    out += '\0';
    out += ';';
    return out;
}

}  // namespace vex::test
