// Text mode: reading never grows the data, and what is written reads back unchanged as long
// as it holds no 0x1A byte.
#include <cstdint>
#include <vector>

#include "fuzz_check.h"
#include "shared/text_mode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> bytes(data, data + size);
    FUZZ_CHECK(luna::DecodeTextMode(bytes).size() <= size);
    for (std::uint8_t& b : bytes) {
        if (b == 0x1A) {
            b = 0x1B;
        }
    }
    const std::vector<std::uint8_t> encoded = luna::EncodeTextMode(bytes);
    FUZZ_CHECK(luna::DecodeTextMode(encoded) == bytes);
    return 0;
}
