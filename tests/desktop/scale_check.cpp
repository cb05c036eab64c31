// Compares two screenshots of the window, at scale 1 and at scale 2, taken in the
// same state (dice 1 and 4 held, nothing rolled). Passes when the 2x window is laid
// out exactly like the 1x one and is drawn anew at the finer pixels, not blown up.
// usage: scale_check <1x.png> <2x.png>
#include <QImage>
#include <cstdio>
#include <map>
#include <random>

#include "harness.h"

namespace {

using quorbel::Geometry;

int failures = 0;
void expect(bool ok, const char* what) {
    std::printf("%s: %s\n", ok ? "ok" : "FAIL", what);
    if (!ok) ++failures;
}

bool uniformAround(const QImage& image, int x, int y, int radius) {
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (image.pixel(x + dx, y + dy) != image.pixel(x, y)) return false;
    return true;
}

// Pixels in no colour that fills a large area: the blend along every edge of text
// and shapes. Drawn anew at twice the size, edges grow twice as long and stay one
// device pixel wide; blown up, they would also grow twice as wide.
int blendedPixels(const QImage& image, int minimumArea) {
    std::map<QRgb, int> area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ++area[image.pixel(x, y)];
    int blended = 0;
    for (const auto& [colour, count] : area)
        if (count < minimumArea) blended += count;
    return blended;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <1x.png> <2x.png>\n", argv[0]);
        return 2;
    }
    const QImage one = QImage(argv[1]).convertToFormat(QImage::Format_RGB32);
    const QImage two = QImage(argv[2]).convertToFormat(QImage::Format_RGB32);
    if (one.isNull() || two.isNull()) {
        std::fprintf(stderr, "cannot read the screenshots\n");
        return 2;
    }

    // Where things are, from the game's own records.
    const quorbel::test::Harness started;
    const Geometry square = started.game.form.Rect(1).geometry;
    const Geometry hold = started.game.form.hold(1).geometry;

    std::printf("1x %dx%d, 2x %dx%d\n", one.width(), one.height(), two.width(), two.height());
    expect(one.width() == quorbel::kWindowWidth && one.height() == quorbel::kWindowHeight,
           "the 1x window has its design size");
    expect(two.size() == one.size() * 2, "the 2x window is twice as wide and high");
    if (failures) return 1;

    // Same layout: points in flat areas at 1x have their colour at the same place at 2x.
    std::mt19937 pick(20261208);
    int sampled = 0, matched = 0;
    while (sampled < 200) {
        const int x = 2 + static_cast<int>(pick() % static_cast<unsigned>(one.width() - 4));
        const int y = 2 + static_cast<int>(pick() % static_cast<unsigned>(one.height() - 4));
        if (!uniformAround(one, x, y, 2)) continue;  // near text or an edge
        ++sampled;
        if (two.pixel(2 * x + 1, 2 * y + 1) == one.pixel(x, y)) ++matched;
    }
    std::printf("layout: %d of %d sampled points match\n", matched, sampled);
    expect(matched >= 196, "at least 98% of sampled points match");

    // The HOLD picture: each of its pixels becomes a 2x2 block of the same colour.
    int blocks = 0, sharpBlocks = 0, inkPixels = 0;
    for (int y = hold.top; y < hold.top + hold.height; ++y)
        for (int x = hold.left; x < hold.left + hold.width; ++x) {
            ++blocks;
            const QRgb c = one.pixel(x, y);
            inkPixels += qGray(c) < 64;
            if (two.pixel(2 * x, 2 * y) == c && two.pixel(2 * x + 1, 2 * y) == c &&
                two.pixel(2 * x, 2 * y + 1) == c && two.pixel(2 * x + 1, 2 * y + 1) == c)
                ++sharpBlocks;
        }
    std::printf("HOLD: %d of %d pixels doubled without blending\n", sharpBlocks, blocks);
    expect(sharpBlocks == blocks, "the HOLD picture is scaled pixel for pixel");
    expect(inkPixels > 20, "the HOLD picture is on view");

    // The die's outline at 2x: straight from the window's yellow through the black
    // line to the die's white, with no blended pixel on the way.
    const int column = 2 * (square.left + square.width / 2);
    int blurred = 0;
    for (int y = 2 * square.top - 4; y < 2 * square.top + 6; ++y) {
        const QRgb c = two.pixel(column, y);
        if (c != qRgb(255, 255, 0) && c != qRgb(0, 0, 0) && c != qRgb(255, 255, 255)) ++blurred;
    }
    std::printf("die outline: %d blended pixels across its top edge at 2x\n", blurred);
    expect(blurred == 0, "the die's outline is drawn at 2x, not blown up");

    // Text and round edges: about twice as many blended pixels at 2x, not four times.
    const int blendedOne = blendedPixels(one, 400);
    const int blendedTwo = blendedPixels(two, 1600);
    const double growth = static_cast<double>(blendedTwo) / blendedOne;
    std::printf("edges: %d blended pixels at 1x, %d at 2x (x%.2f)\n", blendedOne, blendedTwo,
                growth);
    expect(growth < 3.0, "text and shapes are drawn at 2x, not blown up");

    return failures ? 1 : 0;
}
