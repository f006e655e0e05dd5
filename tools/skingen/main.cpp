// vemora-skingen: draws the pictures of Vemora's own skin and writes them as the bitmap
// files skin/vemora.ini names. Everything is drawn from code, so the output is the same
// on every run and the pictures are reviewed like any other source.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "pictures.h"
#include "skin/data/bmp_codec.h"

namespace {

using vemora::skin::gen::Canvas;
namespace gen = vemora::skin::gen;

struct PictureFile {
    const char* name;
    int bitCount;
    Canvas (*draw)();
};

Canvas ActiveFrame() {
    return gen::DrawFramePicture(gen::kActiveFrame);
}
Canvas InactiveFrame() {
    return gen::DrawFramePicture(gen::kInactiveFrame);
}

// The frame pictures first, then the active pictures in index order. Depths are the
// smallest that hold each picture's colours, except where a picture has too many.
const PictureFile kPictures[] = {
    {"picture.bmp", 24, ActiveFrame},
    {"inactive.bmp", 24, InactiveFrame},
    {"mask.bmp", 4, gen::DrawFrameMask},
    {"active.BMP", 24, gen::DrawCaptionButtons},
    {"buttons.bmp", 8, gen::DrawPushButtons},
    {"checks.bmp", 24, gen::DrawCheckMarks},
    {"panels.bmp", 8, gen::DrawPanels},
    {"tabs.bmp", 24, gen::DrawPageControl},
    {"harrows.bmp", 24, gen::DrawHorizontalArrows},
    {"varrows.bmp", 24, gen::DrawVerticalArrows},
    {"fields.bmp", 24, gen::DrawFields},
    {"gauges.bmp", 24, gen::DrawGauges},
    {"menu.bmp", 24, gen::DrawMenuWindow},
    {"menumask.bmp", 1, gen::DrawMenuWindowMask},
    {"hint.bmp", 4, gen::DrawHintWindow},
    {"hintmask.bmp", 1, gen::DrawHintWindowMask},
    {"bars.bmp", 24, gen::DrawBars},
    {"expanel.bmp", 8, gen::DrawExPanel},
};

void WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argc > 0 ? argv[0] : "vemora-skingen");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    for (const PictureFile& file : kPictures) {
        try {
            std::filesystem::create_directories(dir);
            WriteFile(dir / file.name, vemora::skin::EncodeBmp(file.draw().Image(), file.bitCount));
        } catch (const std::exception& e) {
            std::fprintf(stderr, "vemora-skingen: %s: %s\n", file.name, e.what());
            return 1;
        }
    }
    return 0;
}
