// Appends little-endian numbers to a byte array, as the Windows picture formats store them.
#pragma once

#include <QByteArray>
#include <cstdint>

namespace le {

class Writer {
public:
    explicit Writer(QByteArray &target) : target_(target) {}
    void u8(std::uint8_t v) { target_.append(char(v)); }
    void u16(std::uint16_t v)
    {
        u8(std::uint8_t(v));
        u8(std::uint8_t(v >> 8));
    }
    void u32(std::uint32_t v)
    {
        u16(std::uint16_t(v));
        u16(std::uint16_t(v >> 16));
    }
    void i32(std::int32_t v) { u32(std::uint32_t(v)); }
    void bytes(const char *text) { target_.append(text); }

private:
    QByteArray &target_;
};

}  // namespace le
