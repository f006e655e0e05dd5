// vemora-skinbuild: builds the stored skin's compressed block from a skin description and the
// bitmap files beside it.
//
//   vemora-skinbuild [--skn | --container] <description.ini> <output>
//
// The output is the block exactly as the executable stores it; --skn writes a compressed skin
// file instead (version, length, block) and --container the inflated container, for looking
// inside. Exit code 1 with a message on any error; the output is then left as it was.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "skin/data/skin_error.h"
#include "skin/data/stored_skin.h"

namespace {

using vemora::skin::SkinError;
using vemora::skin::TspCompressedStoredSkin;

enum class Output { kBlock, kSkn, kContainer };

void Put32(std::vector<uint8_t>& out, int32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(uint32_t(value) >> (8 * i)));
}

// Through a temporary beside it, so a failed write never leaves half a file for the build.
void WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::filesystem::path temp = path;
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temp, ignored);
            throw SkinError("cannot write \"" + path.string() + "\"");
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        throw SkinError("cannot write \"" + path.string() + "\"");
    }
}

std::vector<uint8_t> Build(const std::filesystem::path& description, Output output) {
    TspCompressedStoredSkin skin;
    if (!skin.BuildFromSkinIni(description)) {
        throw SkinError("\"" + description.string() +
                        "\" lacks one of the sections [VERSION], [PICTURES], [FORMINFO], [SKINOBJECTS], "
                        "[SKINCONTROLS] (each needs at least one key)");
    }
    const std::vector<uint8_t>& block = skin.CompressedStream();
    switch (output) {
        case Output::kBlock:
            return block;
        case Output::kSkn: {
            std::vector<uint8_t> file;
            Put32(file, 2);  // the container version BuildFromSkinIni writes
            Put32(file, int32_t(block.size()));
            file.insert(file.end(), block.begin(), block.end());
            return file;
        }
        case Output::kContainer: {
            std::vector<uint8_t> inflated;
            skin.Decompress(inflated);
            return inflated;
        }
    }
    return {};
}

int Usage() {
    std::fputs("usage: vemora-skinbuild [--skn | --container] <description.ini> <output>\n", stderr);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    Output output = Output::kBlock;
    int arg = 1;
    if (arg < argc && std::strcmp(argv[arg], "--skn") == 0) {
        output = Output::kSkn;
        ++arg;
    } else if (arg < argc && std::strcmp(argv[arg], "--container") == 0) {
        output = Output::kContainer;
        ++arg;
    }
    if (argc - arg != 2) return Usage();
    try {
        WriteFile(argv[arg + 1], Build(argv[arg], output));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vemora-skinbuild: %s\n", e.what());
        return 1;
    }
    return 0;
}
