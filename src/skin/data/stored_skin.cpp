#include "skin/data/stored_skin.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>

#include "skin/data/bmp_codec.h"
#include "skin/data/skin_error.h"
#include "skin/data/skin_ini.h"

namespace vemora::skin {

namespace {

constexpr size_t kPieceSize = 4096;
constexpr int32_t kBuiltVersion = 2;
constexpr int32_t kNewestVersion = 3;

// ---------------------------------------------------------------------------------------------
// Reading the container

// Bitmap errors say which picture failed.
template <class F>
auto Named(const std::string& what, F read) {
    try {
        return read();
    } catch (const SkinError& e) {
        throw SkinError(what + ": " + e.what());
    }
}

class ContainerReader {
  public:
    explicit ContainerReader(std::span<const uint8_t> data) : data_(data) {}

    int32_t ReadInt32() {
        Need(4);
        const uint8_t* p = data_.data() + pos_;
        pos_ += 4;
        return int32_t(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
    }

    // A flag byte, then a bitmap file only when the flag is 0.
    Image24 ReadPictureRecord(const char* key) {
        Need(1);
        if (data_[pos_++] != 0) return {};
        return ReadBmp(std::string("skin picture \"") + key + "\"");
    }

    Image24 ReadBmp(const std::string& what) {
        // The bitmap's own header gives its length; the next item starts right after it.
        Need(14);
        const std::span<const uint8_t> rest = data_.subspan(pos_);
        const size_t size = Named(what, [&] { return BmpFileSize(rest); });
        Need(size);
        const std::span<const uint8_t> file = rest.first(size);
        const BmpDimensions d = Named(what, [&] { return ReadBmpDimensions(file); });
        pixels_ += int64_t{d.width} * d.height;
        if (pixels_ > kMaxContainerPixels) {
            throw SkinError("skin container: its pictures hold more than " +
                            std::to_string(kMaxContainerPixels) + " pixels");
        }
        Image24 image = Named(what, [&] { return DecodeBmp(file); });
        pos_ += size;
        return image;
    }

    std::string ReadRest() {
        const std::span<const uint8_t> rest = data_.subspan(pos_);
        pos_ = data_.size();
        return std::string(rest.begin(), rest.end());
    }

  private:
    void Need(size_t n) const {
        if (data_.size() - pos_ < n) throw SkinError("skin container ends early");
    }

    std::span<const uint8_t> data_;
    size_t pos_ = 0;
    int64_t pixels_ = 0;
};

// ---------------------------------------------------------------------------------------------
// zlib and files

struct InflateStream {
    z_stream z{};
    bool open = false;
    InflateStream() {
        if (inflateInit(&z) != Z_OK) throw SkinError("compression error");
        open = true;
    }
    ~InflateStream() {
        if (open) inflateEnd(&z);
    }
    InflateStream(const InflateStream&) = delete;
    InflateStream& operator=(const InflateStream&) = delete;
};

struct DeflateStream {
    z_stream z{};
    bool open = false;
    DeflateStream() {
        if (deflateInit2(&z, 9, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
            throw SkinError("compression error");
        }
        open = true;
    }
    ~DeflateStream() {
        if (open) deflateEnd(&z);
    }
    DeflateStream(const DeflateStream&) = delete;
    DeflateStream& operator=(const DeflateStream&) = delete;
};

std::vector<uint8_t> Compress(std::span<const uint8_t> data) {
    DeflateStream s;
    std::vector<uint8_t> out(deflateBound(&s.z, uLong(data.size())));
    s.z.next_in = const_cast<Bytef*>(data.data());
    s.z.avail_in = uInt(data.size());
    s.z.next_out = out.data();
    s.z.avail_out = uInt(out.size());
    if (deflate(&s.z, Z_FINISH) != Z_STREAM_END) throw SkinError("compression error");
    out.resize(s.z.total_out);
    return out;
}

void Put32(std::vector<uint8_t>& out, int32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(uint32_t(value) >> (8 * i)));
}

std::vector<uint8_t> ReadWholeFile(const std::filesystem::path& path, const std::string& what) {
    std::error_code ec;
    std::ifstream in;
    if (!std::filesystem::is_directory(path, ec)) in.open(path, std::ios::binary);
    if (!in.is_open()) throw SkinError("cannot open " + what + " \"" + path.string() + "\"");
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw SkinError("cannot read " + what + " \"" + path.string() + "\"");
    return bytes;
}

// Picture names are written with Windows separators.
std::filesystem::path PicturePath(const std::filesystem::path& base, std::string name) {
    for (char& c : name) {
        if (c == '\\') c = '/';
    }
    return base / std::filesystem::path(name).make_preferred();
}

// The bytes a bitmap file contributes to the container: the file itself when its header's
// size is its length (so the reader can chain it), otherwise the decoded image written anew.
// Empty when the image is.
std::vector<uint8_t> LoadBitmapFile(const std::filesystem::path& path) {
    std::vector<uint8_t> bytes = ReadWholeFile(path, "bitmap file");
    const Image24 image = Named("bitmap file \"" + path.string() + "\"", [&] { return DecodeBmp(bytes); });
    if (image.IsEmpty()) return {};
    const uint32_t headerSize =
        uint32_t(bytes[2]) | uint32_t(bytes[3]) << 8 | uint32_t(bytes[4]) << 16 | uint32_t(bytes[5]) << 24;
    if (headerSize == bytes.size()) return bytes;
    return EncodeBmp(image);
}

// Every line followed by CR LF; CR LF, CR and LF all end a line.
void AppendLines(std::vector<uint8_t>& out, std::span<const uint8_t> text) {
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = pos;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
        out.insert(out.end(), text.begin() + pos, text.begin() + end);
        out.push_back('\r');
        out.push_back('\n');
        pos = end;
        if (pos < text.size() && text[pos] == '\r') ++pos;
        if (pos < text.size() && text[pos] == '\n') ++pos;
    }
}

}  // namespace

std::optional<SkinContainer> ReadSkinContainer(std::span<const uint8_t> inflated) {
    ContainerReader reader(inflated);
    SkinContainer c;
    c.version = reader.ReadInt32();
    if (c.version > kNewestVersion) return std::nullopt;
    // Versions other than 1, 2 and 3 carry neither of the optional pictures.
    const bool hasInactive = c.version == 2 || c.version == 3;
    const bool hasRollUp = c.version == 1 || c.version == 2;
    c.picture = reader.ReadPictureRecord("picture");
    if (hasInactive) c.inactivePicture = reader.ReadPictureRecord("inactivepicture");
    c.maskPicture = reader.ReadPictureRecord("mask");
    if (hasRollUp) {
        c.rollUpPicture = reader.ReadPictureRecord("rolluppicture");
        c.rollUpMaskPicture = reader.ReadPictureRecord("rollupmask");
    }
    const int32_t count = reader.ReadInt32();
    for (int32_t i = 0; i < count; ++i) {
        c.activePictures.push_back(reader.ReadBmp("skin active picture " + std::to_string(i)));
    }
    c.description = reader.ReadRest();
    return c;
}

void TspCompressedStoredSkin::Decompress(std::vector<uint8_t>& target) const {
    const size_t start = target.size();
    try {
        InflateStream s;
        s.z.next_in = const_cast<Bytef*>(compressedStream_.data());
        s.z.avail_in = uInt(compressedStream_.size());
        std::array<uint8_t, kPieceSize> piece;
        while (true) {
            s.z.next_out = piece.data();
            s.z.avail_out = uInt(piece.size());
            const int rc = inflate(&s.z, Z_NO_FLUSH);
            const size_t produced = piece.size() - s.z.avail_out;
            if (target.size() - start + produced > kMaxInflatedSize) {
                throw SkinError("compression error: the skin inflates to more than " +
                                std::to_string(kMaxInflatedSize >> 20) + " MiB");
            }
            target.insert(target.end(), piece.begin(), piece.begin() + produced);
            if (rc == Z_STREAM_END) return;
            // Z_BUF_ERROR with no output: the block ended inside the stream.
            if (rc != Z_OK) throw SkinError("compression error");
        }
    } catch (...) {
        target.resize(start);
        throw;
    }
}

bool TspCompressedStoredSkin::BuildFromSkinIni(const std::filesystem::path& path) {
    const std::vector<uint8_t> text = ReadWholeFile(path, "skin description");
    const SkinIni ini(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
    for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"}) {
        if (!ini.HasSection(section)) return false;
    }
    const std::filesystem::path base = path.parent_path();

    std::vector<uint8_t> container;
    Put32(container, kBuiltVersion);
    for (const char* key : {"picture", "inactivepicture", "mask", "rolluppicture", "rollupmask"}) {
        const std::string name = ini.ReadString("PICTURES", key);
        const std::vector<uint8_t> bmp =
            name.empty() ? std::vector<uint8_t>{} : LoadBitmapFile(PicturePath(base, name));
        container.push_back(bmp.empty() ? 1 : 0);
        container.insert(container.end(), bmp.begin(), bmp.end());
    }
    const int32_t count = std::max(ini.ReadInteger("PICTURES", "activepicturescount"), 0);
    Put32(container, count);
    for (int32_t i = 0; i < count; ++i) {
        const std::filesystem::path file = PicturePath(base, ini.ReadString("PICTURES", std::to_string(i)));
        std::vector<uint8_t> bmp = LoadBitmapFile(file);
        // An active picture has no flag byte, so an empty one is still written as a file.
        if (bmp.empty()) bmp = EncodeBmp(Image24());
        container.insert(container.end(), bmp.begin(), bmp.end());
    }
    AppendLines(container, text);
    compressedStream_ = Compress(container);
    return true;
}

void TspCompressedStoredSkin::LoadCompressedFile(const std::filesystem::path& path) {
    const std::vector<uint8_t> file = ReadWholeFile(path, "compressed skin file");
    auto int32At = [&](size_t at) {
        if (file.size() < at + 4)
            throw SkinError("compressed skin file \"" + path.string() + "\" ends early");
        return int32_t(uint32_t(file[at]) | uint32_t(file[at + 1]) << 8 | uint32_t(file[at + 2]) << 16 |
                       uint32_t(file[at + 3]) << 24);
    };
    if (int32At(0) > kNewestVersion) {
        compressedStream_.clear();
        return;
    }
    const int32_t length = int32At(4);
    if (length < 0 || size_t(length) > file.size() - 8) {
        throw SkinError("compressed skin file \"" + path.string() + "\" ends early");
    }
    compressedStream_.assign(file.begin() + 8, file.begin() + 8 + length);
}

}  // namespace vemora::skin
