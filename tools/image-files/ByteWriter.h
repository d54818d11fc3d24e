#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// Appends fixed-width integers to a byte buffer in the byte order each file format wants.
class ByteWriter {
public:
    void u8(std::uint32_t v) { bytes_.push_back(std::uint8_t(v)); }
    void le16(std::uint32_t v) {
        for (int i = 0; i < 2; ++i)
            u8(v >> (8 * i));
    }
    void le32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            u8(v >> (8 * i));
    }
    void be32(std::uint32_t v) {
        for (int i = 3; i >= 0; --i)
            u8(v >> (8 * i));
    }
    void append(const std::uint8_t* data, std::size_t size) {
        bytes_.insert(bytes_.end(), data, data + size);
    }

    std::size_t size() const { return bytes_.size(); }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};
