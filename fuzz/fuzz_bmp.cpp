// Bitmap files as a stored skin or a skin folder may hold them.
#include <cstddef>
#include <cstdint>
#include <span>

#include "skin/data/bmp_codec.h"
#include "skin/data/skin_error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vemora::skin;
    const std::span<const uint8_t> file(data, size);
    try {
        BmpFileSize(file);
    } catch (const SkinError&) {
    }
    try {
        // A few RLE bytes can claim the largest allowed image, and zero-filling 200 MB per run
        // would starve the search. Either side may still be the largest allowed; only their
        // product is kept small here (the native tests cover the size limits).
        const BmpDimensions d = ReadBmpDimensions(file);
        if (int64_t{d.width} * d.height > (int64_t{1} << 22)) return 0;
        const Image24 image = DecodeBmp(file);
        // Whatever decodes survives being written and read again.
        if (image.ByteSize() <= (size_t{1} << 20) && DecodeBmp(EncodeBmp(image)) != image) __builtin_trap();
    } catch (const SkinError&) {
    }
    return 0;
}
