#pragma once
// Little-endian fields of the fixed-size records of the mark files.

#include <cstdint>
#include <string>
#include <string_view>

namespace sk {

// Reads fields of one record; bytes past the end of a short record read as 0.
class RecordReader {
public:
    explicit RecordReader(std::string_view bytes) : bytes_(bytes) {}
    std::uint8_t U8(std::size_t offset) const {
        return offset < bytes_.size() ? static_cast<std::uint8_t>(bytes_[offset]) : 0;
    }
    std::uint32_t U32(std::size_t offset) const {
        return U8(offset) | std::uint32_t{U8(offset + 1)} << 8 | std::uint32_t{U8(offset + 2)} << 16 |
               std::uint32_t{U8(offset + 3)} << 24;
    }

private:
    std::string_view bytes_;
};

inline void AppendU32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

}  // namespace sk
