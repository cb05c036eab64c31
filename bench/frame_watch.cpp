// Waits for the first frame of a window on an Xvfb screen. Xvfb started with -fbdir
// keeps its screen in a file in XWD format; this maps the file and polls one pixel
// until it shows the expected colour, then prints the time (microseconds since the
// epoch) and exits. Polling memory costs the measured program no round trips.
//
//   quorbel_frame_watch SCREEN-FILE X Y RRGGBB [TIMEOUT-MS]
// Prints "ready" once it watches; exits 1 on timeout, 2 if the colour is there already.
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <bit>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

// The header of an XWD file: 25 unsigned 32-bit fields, most significant byte first.
enum Field {
    HeaderSize = 0,
    ByteOrder = 7,
    BitsPerPixel = 11,
    BytesPerLine = 12,
    RedMask = 14,
    GreenMask = 15,
    BlueMask = 16,
    ColourCount = 19,
    FieldCount = 25,
};

std::uint32_t bigEndian(const unsigned char* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 |
           std::uint32_t{p[3]};
}

std::uint32_t channel(std::uint32_t pixel, std::uint32_t mask) {
    return mask ? (pixel & mask) >> std::countr_zero(mask) : 0;
}

long long nowMicros() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s SCREEN-FILE X Y RRGGBB [TIMEOUT-MS]\n", argv[0]);
        return 64;
    }
    const long x = std::strtol(argv[2], nullptr, 10);
    const long y = std::strtol(argv[3], nullptr, 10);
    const unsigned long wanted = std::strtoul(argv[4], nullptr, 16);
    const long timeoutMs = argc > 5 ? std::strtol(argv[5], nullptr, 10) : 20000;

    const int fd = open(argv[1], O_RDONLY);
    struct stat info {};
    if (fd < 0 || fstat(fd, &info) != 0) {
        std::perror(argv[1]);
        return 66;
    }
    const auto size = static_cast<std::size_t>(info.st_size);
    void* mapped = mmap(nullptr, size, PROT_READ, MAP_SHARED, fd, 0);
    if (mapped == MAP_FAILED) {
        std::perror("mmap");
        return 66;
    }
    const auto* bytes = static_cast<const unsigned char*>(mapped);
    std::array<std::uint32_t, FieldCount> header{};
    for (int i = 0; i < FieldCount; ++i) header[i] = bigEndian(bytes + 4 * i);
    if (header[BitsPerPixel] != 32) {
        std::fprintf(stderr, "only 32-bit screens are handled\n");
        return 65;
    }
    const std::size_t offset = header[HeaderSize] + 12 * header[ColourCount] +
                               static_cast<std::size_t>(y) * header[BytesPerLine] +
                               static_cast<std::size_t>(x) * 4;
    if (offset + 4 > size) {
        std::fprintf(stderr, "the point is off the screen\n");
        return 65;
    }
    const bool lsbFirst = header[ByteOrder] == 0;
    const volatile unsigned char* pixelBytes = bytes + offset;  // the server writes it
    const auto matches = [&] {
        std::uint32_t pixel = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint32_t byte = pixelBytes[lsbFirst ? i : 3 - i];
            pixel |= byte << (8 * i);
        }
        const std::uint32_t rgb = channel(pixel, header[RedMask]) << 16 |
                                  channel(pixel, header[GreenMask]) << 8 |
                                  channel(pixel, header[BlueMask]);
        return rgb == wanted;
    };
    if (matches()) return 2;
    std::puts("ready");
    std::fflush(stdout);

    const long long deadline = nowMicros() + timeoutMs * 1000;
    while (!matches()) {
        if (nowMicros() > deadline) return 1;
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    std::printf("%lld\n", nowMicros());
    return 0;
}
