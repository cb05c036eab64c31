#include "random_sources.h"

#include <stdexcept>

namespace quorbel::test {

double ScriptedRandom::next() {
    if (next_ == script_.size() && atEnd_ == Wrap) next_ = 0;
    if (next_ == script_.size())
        throw std::logic_error("the dice drew more numbers than were scripted");
    ++taken;
    return script_[next_++];
}

void ScriptedRandom::dropTaken() {
    if (atEnd_ == Throw && next_ == script_.size()) {
        script_.clear();
        next_ = 0;
    }
}

void ScriptedRandom::queueDraws(std::initializer_list<double> draws) {
    dropTaken();
    script_.insert(script_.end(), draws);
}

void ScriptedRandom::queueFaces(const std::vector<int>& faces) {
    dropTaken();
    for (int face : faces) script_.push_back((face - 0.5) / 6.0);
}

void ScriptedRandom::restart(std::span<const double> draws) {
    script_.assign(draws.begin(), draws.end());
    next_ = 0;
}

void RepeatableRandom::seedFromClock() {
    if (kind_ == EveryGameAlike) engine_.seed(seed_);
}

double RepeatableRandom::next() {
    if (kind_ == Sticky && std::bernoulli_distribution(0.5)(engine_)) return last_;
    last_ = uniform01(engine_);
    return last_;
}

double uniform01(std::mt19937_64& engine) {
    return static_cast<double>(engine() >> 11) * 0x1.0p-53;
}

}  // namespace quorbel::test
