// The bytes of the handshake and of the download's framing. Both directions
// of transfer use the same values.
#pragma once

#include <cstdint>

namespace Protocol {

inline constexpr std::uint8_t SYNC = 0x5A;  // receiver: ready
inline constexpr std::uint8_t ACK = 0x12;  // PC: hello; receiver: small image, or done
inline constexpr std::uint8_t REPLY_LARGE = 0x13;  // receiver: large image; an ACK follows
inline constexpr std::uint8_t REPLY_REFUSED = 0x34;  // receiver: system code refused
inline constexpr std::uint8_t CMD_SEND_IMAGE = 0xF2;  // PC: upload, send the image now
inline constexpr std::uint8_t CMD_REGION = 0x78;  // PC: download, a region header follows
inline constexpr std::uint8_t BLOCK_MAIN = 0x05;  // PC: a block of the main region
inline constexpr std::uint8_t BLOCK_TAIL = 0x06;  // PC: a block of the tail region

}  // namespace Protocol
