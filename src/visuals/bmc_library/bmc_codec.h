#pragma once
// The .bmc file format (see docs/bmc_format.md): a 24-byte header followed by
// one zlib stream of the picture's RGB bytes, optionally delta-filtered along
// each row. Shared by the picture library (reading) and the packing tools
// (writing); plain C++ and zlib, no Qt.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace qor::bmc {

inline constexpr std::size_t kHeaderSize = 24;
inline constexpr std::uint8_t kVersion = 1;
inline constexpr std::uint8_t kChannels = 3;
// Limits checked before anything is allocated: a picture of at most
// kMaxPixels pixels (64 MiB decoded) and sides of at most kMaxSide.
inline constexpr std::int32_t kMaxSide = 65536;
inline constexpr std::int64_t kMaxPixels = 16 * 1024 * 1024;
inline constexpr std::int64_t kMaxFileSize = 80 * 1024 * 1024;

enum class Filter : std::uint8_t { None = 0, LeftDelta = 1 };

struct Header {
    std::int32_t width = 0;
    std::int32_t height = 0;
    Filter filter = Filter::None;
    std::uint32_t payloadSize = 0;
    std::uint32_t payloadCrc = 0;
};

// Checks a whole file image (header, sizes against the limits, the payload's
// length and CRC). On failure returns false with a reason in error.
bool parseFile(std::span<const std::uint8_t> file, Header &header, std::string &error);

// Inflates and unfilters the payload of a checked file into pixels
// (width * height entries, 0xFFRRGGBB). Fails when the stream is corrupt or
// holds more or fewer bytes than the picture needs.
bool decodePixels(std::span<const std::uint8_t> file, const Header &header, std::span<std::uint32_t> pixels,
                  std::string &error);

// Builds a file image from pixels (0xAARRGGBB; alpha is ignored).
bool encodeFile(std::int32_t width, std::int32_t height, std::span<const std::uint32_t> pixels, Filter filter,
                std::vector<std::uint8_t> &file, std::string &error);

// Little-endian helpers for unaligned fields.
std::int32_t readInt32(const std::uint8_t *p);
void writeInt32(std::uint8_t *p, std::int32_t v);

} // namespace qor::bmc
