// Feeds the game any sequence of events and dice draws, and aborts on the first event that
// breaks one of its rules. Input, event by event (a missing byte reads as 0):
//   op % 8 = 0, 1  Roll; six draw bytes follow
//            2, 3  a category label; one byte picks it (% 16, Aces first, Chance last)
//            4     a mouse press: button, shift, then x and y as two bytes each
//            5     a HOLD picture; one byte picks it (% 6)
//            6     one byte: Exit when it is a multiple of 8, else Restart
//            7     any control at all; one byte picks it
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "harness.h"
#include "walk.h"

namespace {

using namespace quorbel;
using namespace quorbel::robustness;

class Bytes {
  public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return size_ == 0; }
    std::uint8_t take() {
        if (size_ == 0) return 0;
        --size_;
        return *data_++;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
};

// 0..239 spread evenly over [0, 1), forty to a face; 240..255 the edges of the faces.
double drawFrom(std::uint8_t b) {
    // clang-format off
    static const std::array<double, 16> kEdges = {
        0.0, 1.0 / 6, 2.0 / 6, 3.0 / 6, 4.0 / 6, 5.0 / 6,
        std::nextafter(1.0 / 6, 0.0), std::nextafter(2.0 / 6, 0.0), std::nextafter(3.0 / 6, 0.0),
        std::nextafter(4.0 / 6, 0.0), std::nextafter(5.0 / 6, 0.0), std::nextafter(1.0, 0.0),
        std::numeric_limits<double>::denorm_min(), std::nextafter(0.5, 1.0), 0.999, 1e-300,
    };
    // clang-format on
    return b < 240 ? b / 240.0 : kEdges[b - 240u];
}

// Steps of 1/128 pixel from -32, so that every edge and gap is exactly reachable.
float coordinateFrom(std::uint8_t high, std::uint8_t low) {
    static const std::array<float, 8> kOdd = {
        std::numeric_limits<float>::quiet_NaN(),  std::numeric_limits<float>::infinity(),
        -std::numeric_limits<float>::infinity(),  std::numeric_limits<float>::max(),
        -std::numeric_limits<float>::max(),       -0.0f,
        std::numeric_limits<float>::denorm_min(), 1e9f};
    const unsigned v = static_cast<unsigned>(high) << 8 | low;
    if (v >= 0xFFF8) return kOdd[v - 0xFFF8];
    return static_cast<float>(v) / 128.0f - 32.0f;
}

Event decode(Bytes& in) {
    Event e;
    const auto click = [&](ControlId id) { e.target = id; };
    switch (in.take() % 8) {
        case 0:
        case 1:
            click({ControlName::press, 0});
            for (double& d : e.draws) d = drawFrom(in.take());
            break;
        case 2:
        case 3:
            click(test::categoryLabels()[in.take() % 16u]);
            break;
        case 4: {
            e.kind = Event::Kind::MouseDown;
            const std::uint8_t button = in.take();
            e.button = button == 0 ? 0 : button < 32 ? 1 << (button - 1) : button;
            e.shift = in.take();
            const std::uint8_t xHigh = in.take();
            e.x = coordinateFrom(xHigh, in.take());
            const std::uint8_t yHigh = in.take();
            e.y = coordinateFrom(yHigh, in.take());
            break;
        }
        case 5:
            click({ControlName::hold, in.take() % 6 + 1});
            break;
        case 6:
            click(in.take() % 8 == 0 ? ControlId{ControlName::exitgame, 0}
                                     : ControlId{ControlName::restart, 0});
            break;
        default:
            click(allControls()[in.take() % allControls().size()]);
            break;
    }
    return e;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    Session session;
    for (std::size_t i = 0; !in.empty(); ++i) {
        const Event event = decode(in);
        if (const std::string broken = session.apply(event); !broken.empty()) {
            std::fprintf(stderr, "event %zu (%s) broke a rule: %s\n", i, describe(event).c_str(),
                         broken.c_str());
            std::abort();
        }
    }
    return 0;
}
