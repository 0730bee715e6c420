// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the bmp/ folder, drawn at build time beside the executables: every file the
// windows load exists, is a 24-bit Windows bitmap of the size its window expects, and carries a
// real drawing rather than a blank or a row of missing-character boxes.

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace {

// Reads the headers of an uncompressed bottom-up 24-bit BMP and gives its pixels.
class Bitmap {
public:
    explicit Bitmap(const std::string& name) {
        std::ifstream in(std::string(GAVROSIN_BINARY_DIR) + "/bmp/" + name, std::ios::binary);
        if (!in) {
            error_ = "cannot open bmp/" + name;
            return;
        }
        bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (bytes_.size() < 54 || bytes_[0] != 'B' || bytes_[1] != 'M') {
            error_ = "bmp/" + name + " is not a Windows bitmap";
            return;
        }
        offset_ = u32(10);
        width_ = static_cast<std::int32_t>(u32(18));
        height_ = static_cast<std::int32_t>(u32(22));
        bits_ = u16(28);
        compression_ = u32(30);
        stride_ = (width_ * 3 + 3) / 4 * 4;
        if (bits_ == 24 && height_ > 0 &&
            bytes_.size() < offset_ + static_cast<std::size_t>(stride_) * height_) {
            error_ = "bmp/" + name + " is shorter than its pixels";
        }
    }

    const std::string& error() const { return error_; }
    int width() const { return width_; }
    int height() const { return height_; }
    int bits() const { return bits_; }
    std::uint32_t compression() const { return compression_; }

    // 0xRRGGBB of a pixel, y counted from the top.
    std::uint32_t pixel(int x, int y) const {
        const std::size_t at =
            offset_ + static_cast<std::size_t>(height_ - 1 - y) * stride_ + 3 * x;
        return bytes_[at + 2] << 16 | bytes_[at + 1] << 8 | bytes_[at];
    }
    std::vector<std::uint32_t> pixels() const {
        std::vector<std::uint32_t> all;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) all.push_back(pixel(x, y));
        return all;
    }
    int inkedPixels() const {
        int count = 0;
        for (std::uint32_t p : pixels()) count += p != 0xFFFFFF;
        return count;
    }

private:
    std::uint32_t u32(std::size_t at) const {
        return bytes_[at] | bytes_[at + 1] << 8 | bytes_[at + 2] << 16 |
               static_cast<std::uint32_t>(bytes_[at + 3]) << 24;
    }
    std::uint16_t u16(std::size_t at) const {
        return static_cast<std::uint16_t>(bytes_[at] | bytes_[at + 1] << 8);
    }

    std::vector<std::uint8_t> bytes_;
    std::string error_;
    std::uint32_t offset_ = 0;
    int width_ = 0;
    int height_ = 0;
    int bits_ = 0;
    std::uint32_t compression_ = 0;
    int stride_ = 0;
};

struct Expected {
    std::string name;
    int width;
    int height;
};

std::vector<Expected> everyPicture() {
    std::vector<Expected> all = {
        {"diag.bmp", 426, 426},  {"lopan.bmp", 731, 731}, {"line.bmp", 432, 20},
        {"gan.bmp", 31, 310},    {"zhu.bmp", 31, 372},    {"diag1.bmp", 320, 320},
        {"diag3.bmp", 400, 400}, {"diag4.bmp", 420, 420},
    };
    for (int n = 1; n <= 10; ++n) all.push_back({"stvol" + std::to_string(n) + ".bmp", 20, 20});
    for (int n = 1; n <= 12; ++n) all.push_back({"vetv" + std::to_string(n) + ".bmp", 20, 20});
    for (int n : {1, 2, 3, 4, 6, 7, 8, 9}) all.push_back({std::to_string(n) + ".bmp", 436, 436});
    return all;
}

void PrintTo(const Expected& expected, std::ostream* out) {
    *out << expected.name << " " << expected.width << "x" << expected.height;
}

class PictureFile : public ::testing::TestWithParam<Expected> {};

TEST_P(PictureFile, IsA24BitBitmapOfItsWindowsSize) {
    const Expected& expected = GetParam();
    const Bitmap bmp(expected.name);
    ASSERT_EQ(bmp.error(), "");
    EXPECT_EQ(bmp.width(), expected.width) << expected.name;
    EXPECT_EQ(bmp.height(), expected.height) << expected.name;
    EXPECT_EQ(bmp.bits(), 24) << expected.name;
    EXPECT_EQ(bmp.compression(), 0u) << expected.name;
    EXPECT_GT(bmp.inkedPixels(), 0) << expected.name << " is blank";
}

INSTANTIATE_TEST_SUITE_P(Bmp, PictureFile, ::testing::ValuesIn(everyPicture()),
                         [](const ::testing::TestParamInfo<Expected>& info) {
                             std::string name =
                                 info.param.name.substr(0, info.param.name.find('.'));
                             return name[0] >= '0' && name[0] <= '9' ? "house" + name : name;
                         });

// Every stem and branch has its own character: identical glyphs would mean the Chinese font was
// missing and every picture shows the same empty box.
TEST(SignGlyphs, AreTwentyTwoDifferentCharacters) {
    std::vector<std::string> names;
    for (int n = 1; n <= 10; ++n) names.push_back("stvol" + std::to_string(n) + ".bmp");
    for (int n = 1; n <= 12; ++n) names.push_back("vetv" + std::to_string(n) + ".bmp");
    std::vector<std::vector<std::uint32_t>> drawn;
    for (const std::string& name : names) {
        const Bitmap bmp(name);
        ASSERT_EQ(bmp.error(), "");
        drawn.push_back(bmp.pixels());
    }
    for (std::size_t a = 0; a < drawn.size(); ++a)
        for (std::size_t b = a + 1; b < drawn.size(); ++b)
            EXPECT_NE(drawn[a], drawn[b]) << names[a] << " and " << names[b] << " look the same";
}

// Each house places the eight sectors in its own way, so no two house diagrams coincide.
TEST(BaZhaiDiagrams, DifferForEveryHouse) {
    std::vector<std::vector<std::uint32_t>> drawn;
    const std::vector<int> palaces = {1, 2, 3, 4, 6, 7, 8, 9};
    for (int palace : palaces) {
        const Bitmap bmp(std::to_string(palace) + ".bmp");
        ASSERT_EQ(bmp.error(), "");
        drawn.push_back(bmp.pixels());
    }
    for (std::size_t a = 0; a < drawn.size(); ++a)
        for (std::size_t b = a + 1; b < drawn.size(); ++b)
            EXPECT_NE(drawn[a], drawn[b]) << "houses " << palaces[a] << " and " << palaces[b];
}

// The ruler's shading follows the fortune of its 32 segments: the top pixel row in the middle
// of every fortunate segment has one colour, of every unfortunate one another.
TEST(Ruler, ShadesFortunateAndUnfortunateSegmentsApart) {
    struct Segment {
        int first, last;  // millimetres, one pixel each
        bool fortunate;
    };
    // Wealth, illness, parting, justice, office, robbery, harm, origin: four segments each.
    const int bounds[33] = {0,   13,  27,  40,  54,  68,  81,  95,  108, 122, 135,
                            149, 162, 175, 189, 202, 215, 229, 243, 256, 270, 284,
                            297, 311, 324, 338, 351, 365, 378, 392, 405, 419, 432};
    const bool groupFortunate[8] = {true, false, false, true, true, false, false, true};
    const Bitmap bmp("line.bmp");
    ASSERT_EQ(bmp.error(), "");
    ASSERT_EQ(bmp.width(), 432);
    const std::uint32_t fortunate = bmp.pixel((bounds[0] + bounds[1]) / 2, 0);
    const std::uint32_t unfortunate = bmp.pixel((bounds[4] + bounds[5]) / 2, 0);
    ASSERT_NE(fortunate, unfortunate);
    for (int i = 0; i < 32; ++i) {
        const int middle = (bounds[i] + bounds[i + 1]) / 2;  // pixel column of a millimetre inside
        EXPECT_EQ(bmp.pixel(middle, 0), groupFortunate[i / 4] ? fortunate : unfortunate)
            << "segment " << i + 1 << " (" << bounds[i] + 1 << "-" << bounds[i + 1] << " mm)";
    }
}

}  // namespace
