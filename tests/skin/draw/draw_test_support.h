// Small images built in code for the drawing tests.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "skin/draw/image.h"

namespace vemora::skin::test {

// One grey level per pixel, all three channels equal; rows top to bottom.
inline Image24 GreyImage(std::initializer_list<std::initializer_list<int>> rows) {
    const int h = int(rows.size());
    const int w = h ? int(rows.begin()->size()) : 0;
    Image24 image(w, h);
    int y = 0;
    for (const auto& row : rows) {
        int x = 0;
        for (int v : row) {
            image.SetPixel(x++, y, PixelColor(v) * 0x010101u);
        }
        ++y;
    }
    return image;
}

// The blue channel of every pixel, row by row.
inline std::vector<std::vector<int>> Blues(const Image24& image) {
    std::vector<std::vector<int>> rows(size_t(image.Height()));
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) rows[size_t(y)].push_back(int(image.GetPixel(x, y) & 0xFF));
    }
    return rows;
}

// A picture of characters: '#' is `ink`, '.' is `paper`, letters are distinct colours (used
// to tell pieces of a composition apart).
inline PixelColor LetterColor(char c) {
    return PixelColor(uint8_t(c)) | PixelColor(uint8_t(c) ^ 0x55) << 8 | PixelColor(0x80) << 16;
}

inline Image24 Picture(const std::vector<std::string>& rows, PixelColor ink = 0,
                       PixelColor paper = 0xFFFFFF) {
    const int h = int(rows.size());
    const int w = h ? int(rows[0].size()) : 0;
    Image24 image(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const char c = rows[size_t(y)][size_t(x)];
            image.SetPixel(x, y, c == '#' ? ink : c == '.' ? paper : LetterColor(c));
        }
    }
    return image;
}

// The inverse of Picture for images drawn from letter pictures: unknown colours read '?'.
inline std::vector<std::string> Letters(const Image24& image, PixelColor ink = 0,
                                        PixelColor paper = 0xFFFFFF) {
    std::vector<std::string> rows(size_t(image.Height()));
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const PixelColor p = image.GetPixel(x, y);
            char c = '?';
            if (p == ink) {
                c = '#';
            } else if (p == paper) {
                c = '.';
            } else {
                for (char l : std::string_view("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ")) {
                    if (LetterColor(l) == p) c = l;
                }
            }
            rows[size_t(y)] += c;
        }
    }
    return rows;
}

}  // namespace vemora::skin::test
