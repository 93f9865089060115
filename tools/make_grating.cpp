// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// Draws the fixed picture of white light split by a grating and writes it as
// a 24-bit BMP. The picture is committed (res/grating.bmp); this tool exists
// so that a change of geometry is a change of the tables below, not a
// hand-edit of pixels.
//
// Usage: make_grating OUT.bmp

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <vector>

namespace {

struct Rgb {
    std::uint8_t r, g, b;
};

constexpr Rgb kBackground{191, 192, 191};
constexpr Rgb kBar{31, 24, 16};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlue{0, 143, 223};
constexpr Rgb kGreen{176, 216, 127};
constexpr Rgb kRed{224, 119, 112};

constexpr int kWidth = 392;
constexpr int kHeight = 134;

// Inclusive pixel ranges, the way the picture is described and checked.
struct Span {
    int first, last;
};

struct Bar {
    Span rows, columns;
};

constexpr Bar kScreen{{54, 55}, {4, 387}};
constexpr Bar kGrating{{112, 118}, {23, 370}};
constexpr std::array<Span, 7> kSlits{
    {{157, 164}, {170, 176}, {183, 189}, {196, 202}, {209, 215}, {221, 227}, {234, 240}}};
constexpr Bar kIncomingLight{{119, 131}, {152, 249}};

// Every beam fans out from the middle opening, at the top edge of the
// grating, so that its tip is the row just above the grating bar, and runs up
// to the top edge of the screen bar, which hides its wide end.
constexpr int kFanColumn = 198;
constexpr int kFanEdgeRow = kGrating.rows.first;
constexpr int kBeamEndEdgeRow = kScreen.rows.first;
constexpr int kSpikeBaseEdgeRow = kScreen.rows.first;

// Widths are odd so that each spike and beam is symmetric about its column.
// Ordered from the outside in: where beams overlap near the grating, the less
// deviated one is drawn last and stays unbroken.
struct Maximum {
    int column;
    int apexRow;
    int spikeWidth;
    int beamWidth;
    Rgb colour;
};

constexpr std::array<Maximum, 7> kMaxima{{
    {36, 4, 13, 11, kRed},
    {360, 4, 13, 11, kRed},
    {90, 3, 15, 11, kGreen},
    {308, 3, 15, 11, kGreen},
    {137, 3, 15, 13, kBlue},
    {256, 3, 15, 13, kBlue},
    {198, 2, 17, 13, kWhite},
}};

class Picture
{
public:
    Picture()
        : pixels_(static_cast<std::size_t>(kWidth * kHeight), kBackground)
    {
    }

    void set(int x, int y, Rgb colour)
    {
        if (x >= 0 && x < kWidth && y >= 0 && y < kHeight)
            pixels_[static_cast<std::size_t>(y * kWidth + x)] = colour;
    }

    Rgb at(int x, int y) const { return pixels_[static_cast<std::size_t>(y * kWidth + x)]; }

    void fill(Span rows, Span columns, Rgb colour)
    {
        for (int y = rows.first; y <= rows.last; ++y)
            for (int x = columns.first; x <= columns.last; ++x)
                set(x, y, colour);
    }

    // A triangle with one horizontal side, in half-pixel units so that pixel
    // edges and pixel centres are both whole numbers: the centre of pixel
    // (x, y) is (2x+1, 2y+1). Everything is integer arithmetic, so the
    // result does not depend on floating-point rounding.
    //
    // A spike (wholeRows false) takes a pixel when its centre lies in the
    // half-open span [left edge, right edge) at the row's middle, for rows
    // whose middle lies in [apex, base), so adjacent shapes never share a
    // pixel. A beam leans far over, up to three pixels a row, and its tip is
    // narrower than a pixel: it takes every pixel whose centre lies in its
    // span anywhere over the row's height, and at least the pixel its middle
    // lies in, so that it is drawn unbroken from its tip.
    void wedge(int apexX, int apexY, int baseY, int baseLeft, int baseRight, Rgb colour, bool wholeRows)
    {
        const int minColumn = std::min(apexX, baseLeft) / 2;
        const int maxColumn = std::max(apexX, baseRight) / 2;
        const long long den = std::abs(baseY - apexY);
        // How far towards the base an edge or centre row lies, in 1/den.
        const auto along = [&](long long halfRow) { return baseY > apexY ? halfRow - apexY : apexY - halfRow; };
        const auto leftAt = [&](long long n) { return apexX * den + (baseLeft - apexX) * n; };
        const auto rightAt = [&](long long n) { return apexX * den + (baseRight - apexX) * n; };
        for (int y = 0; y < kHeight; ++y) {
            long long left = 0;
            long long right = 0;
            if (wholeRows) {
                const long long a = along(2 * y);
                const long long b = along(2 * y + 2);
                if (std::max(a, b) <= 0 || std::min(a, b) >= den)
                    continue;
                const long long from = std::clamp(std::min(a, b), 0LL, den);
                const long long to = std::clamp(std::max(a, b), 0LL, den);
                left = std::min(leftAt(from), leftAt(to));
                right = std::max(rightAt(from), rightAt(to));
            } else {
                const long long n = along(2 * y + 1);
                if (n < 0 || n >= den)
                    continue;
                left = leftAt(n);
                right = rightAt(n);
            }
            bool any = false;
            for (int x = minColumn; x <= maxColumn; ++x) {
                const long long centre = (2 * x + 1) * den;
                if (centre >= left && centre < right) {
                    set(x, y, colour);
                    any = true;
                }
            }
            if (wholeRows && !any)
                set(static_cast<int>((left + right) / (4 * den)), y, colour);
        }
    }

private:
    std::vector<Rgb> pixels_;
};

// The wedge's wide side covers the pixel columns column-half .. column+half.
void drawWedge(Picture &picture, int apexX, int apexY, int baseY, int column, int width, Rgb colour, bool wholeRows)
{
    const int half = (width - 1) / 2;
    picture.wedge(apexX, apexY, baseY, 2 * (column - half), 2 * (column + half + 1), colour, wholeRows);
}

Picture draw()
{
    Picture picture;
    for (const Maximum &m : kMaxima)
        drawWedge(picture, 2 * kFanColumn + 1, 2 * kFanEdgeRow, 2 * kBeamEndEdgeRow, m.column, m.beamWidth, m.colour,
                  true);
    picture.fill(kScreen.rows, kScreen.columns, kBar);
    for (const Maximum &m : kMaxima)
        drawWedge(picture, 2 * m.column + 1, 2 * m.apexRow, 2 * kSpikeBaseEdgeRow, m.column, m.spikeWidth, m.colour,
                  false);
    picture.fill(kGrating.rows, kGrating.columns, kBar);
    for (const Span &slit : kSlits)
        picture.fill(kGrating.rows, slit, kBackground);
    picture.fill(kIncomingLight.rows, kIncomingLight.columns, kWhite);
    return picture;
}

void put16(std::vector<std::uint8_t> &out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFFu));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFFu));
}

void put32(std::vector<std::uint8_t> &out, std::uint32_t value)
{
    put16(out, value & 0xFFFFu);
    put16(out, value >> 16);
}

// Uncompressed, bottom-up, 24 bits per pixel: the form every BMP reader
// accepts. A row of 392 pixels is 1176 bytes, already a multiple of four, so
// rows need no padding.
std::vector<std::uint8_t> encodeBmp(const Picture &picture)
{
    constexpr std::uint32_t kHeaderSize = 14 + 40;
    constexpr std::uint32_t kRowSize = kWidth * 3;
    static_assert(kRowSize % 4 == 0);
    constexpr std::uint32_t kImageSize = kRowSize * kHeight;
    constexpr std::uint32_t kPixelsPerMetre = 3780; // 96 dpi

    std::vector<std::uint8_t> out;
    out.reserve(kHeaderSize + kImageSize);
    out.push_back('B');
    out.push_back('M');
    put32(out, kHeaderSize + kImageSize);
    put32(out, 0); // reserved
    put32(out, kHeaderSize);

    put32(out, 40);
    put32(out, kWidth);
    put32(out, kHeight); // positive: bottom-up
    put16(out, 1);       // planes
    put16(out, 24);      // bits per pixel
    put32(out, 0);       // BI_RGB
    put32(out, kImageSize);
    put32(out, kPixelsPerMetre);
    put32(out, kPixelsPerMetre);
    put32(out, 0); // colours used
    put32(out, 0); // important colours

    for (int y = kHeight - 1; y >= 0; --y) {
        for (int x = 0; x < kWidth; ++x) {
            const Rgb c = picture.at(x, y);
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
        }
    }
    return out;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::cerr << "usage: make_grating OUT.bmp\n";
        return 2;
    }
    const std::vector<std::uint8_t> bytes = encodeBmp(draw());
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    if (!file) {
        std::cerr << "make_grating: cannot open " << argv[1] << " for writing\n";
        return 1;
    }
    file.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        std::cerr << "make_grating: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
