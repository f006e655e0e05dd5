// The stored skin: one zlib block holding the container of pictures and description.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "skin/draw/image.h"

namespace vemora::skin {

// The inflated container.
struct SkinContainer {
    int32_t version = 0;
    Image24 picture;            // "picture"
    Image24 inactivePicture;    // "inactivepicture", versions 2 and 3
    Image24 maskPicture;        // "mask"
    Image24 rollUpPicture;      // "rolluppicture", versions 1 and 2
    Image24 rollUpMaskPicture;  // "rollupmask", versions 1 and 2
    std::vector<Image24> activePictures;
    std::string description;  // ANSI text, everything after the last active picture
};

// Pictures of one container hold at most this many pixels together.
inline constexpr int64_t kMaxContainerPixels = Image24::kMaxPixels;

// Reads an inflated container. A version above 3 gives nullopt (nothing else is read).
// Throws SkinError for a container that ends early, holds a bitmap that does not decode, or
// whose pictures exceed kMaxContainerPixels.
std::optional<SkinContainer> ReadSkinContainer(std::span<const uint8_t> inflated);

class TspCompressedStoredSkin {
  public:
    const std::string& Description() const { return description_; }
    void SetDescription(std::string value) { description_ = std::move(value); }
    // At run time the two names are only kept.
    const std::string& FileName() const { return fileName_; }
    void SetFileName(std::string value) { fileName_ = std::move(value); }
    const std::string& CompressedFileName() const { return compressedFileName_; }
    void SetCompressedFileName(std::string value) { compressedFileName_ = std::move(value); }

    // The compressed block exactly as stored.
    const std::vector<uint8_t>& CompressedStream() const { return compressedStream_; }
    // The "CompressedData" read hook: replaces the block.
    void SetCompressedData(std::span<const uint8_t> block) {
        compressedStream_.assign(block.begin(), block.end());
    }

    bool IsEmpty() const { return compressedStream_.empty(); }
    // A block that inflates to more is refused: a hostile block must not exhaust memory.
    static constexpr size_t kMaxInflatedSize = size_t{64} << 20;

    // Inflates the whole block, appending to target in pieces of up to 4,096 bytes.
    // Throws SkinError("compression error") for damaged data, also for a block that ends
    // before its zlib stream does, and SkinError for one that inflates beyond
    // kMaxInflatedSize; target keeps its old content then.
    void Decompress(std::vector<uint8_t>& target) const;

    // Design-time path. Builds a version-2 block from a description file and the bitmap
    // files beside it; returns false and changes nothing when [VERSION], [PICTURES],
    // [FORMINFO], [SKINOBJECTS] or [SKINCONTROLS] is missing. Throws SkinError naming a
    // file that cannot be read or a bitmap that does not decode; the block is unchanged then.
    bool BuildFromSkinIni(const std::filesystem::path& path);
    // Takes the block out of a compressed skin file (version, length, block); a version
    // above 3 leaves the block empty. Throws SkinError when the file cannot be read or ends
    // early; the block is unchanged then.
    void LoadCompressedFile(const std::filesystem::path& path);

  private:
    std::string description_;
    std::string fileName_;
    std::string compressedFileName_;
    std::vector<uint8_t> compressedStream_;
};

}  // namespace vemora::skin
