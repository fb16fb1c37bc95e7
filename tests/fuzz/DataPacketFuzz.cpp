// The variant and data-packet decoders, fed arbitrary bytes. Malformed bytes may only be refused
// with EVariantError. What decodes must encode, and the encoding must decode to a value that
// encodes to the very same bytes: the form that crosses the wire is stable.
#include "FuzzCheck.h"

#include "DataPacket.h"
#include "SysUtils.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

template <typename Decode, typename Encode>
void RoundTrip(std::string_view bytes, Decode decode, Encode encode) {
    std::string encoded;
    try {
        encoded = encode(decode(bytes));
    } catch (const EVariantError&) {
        return;
    }
    std::string reencoded;
    try {
        reencoded = encode(decode(encoded));
    } catch (const EVariantError& error) {
        std::fprintf(stderr, "refused its own encoding: %s\n", error.what());
        FuzzCheck(false, "an encoding decodes again");
    }
    FuzzCheck(encoded == reencoded, "decode and encode again give the same bytes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    RoundTrip(bytes, DecodeVariant, EncodeVariant);
    RoundTrip(bytes, DataPacket::Decode, [](const DataPacket& packet) { return packet.Encode(); });
    return 0;
}
