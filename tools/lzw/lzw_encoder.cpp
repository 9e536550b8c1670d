#include "lzw/lzw_encoder.h"

#include "rom/lzw.h"

#include <vector>

namespace tikaroo {
namespace {

class CodeWriter {
public:
    explicit CodeWriter(Bytes& out) : out_(out) {}

    void Put(unsigned code) {
        buffer_ = (buffer_ << kLzwCodeBits) | code;
        count_ += kLzwCodeBits;
        while (count_ >= 8) {
            count_ -= 8;
            out_.push_back(static_cast<std::uint8_t>(buffer_ >> count_));
        }
    }

    void Flush() {
        if (count_ > 0) out_.push_back(static_cast<std::uint8_t>(buffer_ << (8 - count_)));
        count_ = 0;
    }

private:
    Bytes& out_;
    std::uint32_t buffer_ = 0;
    unsigned count_ = 0;
};

} // namespace

Bytes LzwEncode(std::span<const std::uint8_t> data) {
    Bytes out;
    CodeWriter writer(out);
    if (!data.empty()) {
        // extensions[code * 256 + byte] is the code of that string followed by the byte, 0 when undefined.
        std::vector<std::uint16_t> extensions(std::size_t{kLzwEndCode} * 256, 0);
        unsigned nextFree = kLzwFirstFreeCode;
        unsigned current = data[0];
        for (const std::uint8_t byte : data.subspan(1)) {
            std::uint16_t& extension = extensions[current * 256 + byte];
            if (extension != 0) {
                current = extension;
                continue;
            }
            writer.Put(current);
            if (nextFree < kLzwEndCode) extension = static_cast<std::uint16_t>(nextFree++);
            current = byte;
        }
        writer.Put(current);
    }
    writer.Put(kLzwEndCode);
    writer.Flush();
    return out;
}

} // namespace tikaroo
