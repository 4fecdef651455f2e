#include "reverb.h"

#include <array>
#include <vector>

namespace
{

// A delay line that feeds back through a one-pole low-pass, so high frequencies die away first.
class Comb
{
public:
    explicit Comb(std::size_t length) : line_(length, 0.0f) {}

    float process(float in)
    {
        const float out = line_[pos_];
        filtered_ = out * (1.0f - kDamping) + filtered_ * kDamping;
        line_[pos_] = in + filtered_ * kFeedback;
        pos_ = (pos_ + 1) % line_.size();
        return out;
    }

private:
    static constexpr float kFeedback = 0.8f;
    static constexpr float kDamping = 0.3f;
    std::vector<float> line_;
    std::size_t pos_ = 0;
    float filtered_ = 0.0f;
};

// Smears echoes in time without colouring the sound.
class AllPass
{
public:
    explicit AllPass(std::size_t length) : line_(length, 0.0f) {}

    float process(float in)
    {
        const float delayed = line_[pos_];
        line_[pos_] = in + delayed * 0.5f;
        pos_ = (pos_ + 1) % line_.size();
        return delayed - in;
    }

private:
    std::vector<float> line_;
    std::size_t pos_ = 0;
};

// One channel's room; `spread` lengthens every delay a little so the two channels decorrelate.
class Room
{
public:
    explicit Room(std::size_t spread)
        : combs_{Comb(1116 + spread), Comb(1188 + spread), Comb(1277 + spread), Comb(1356 + spread)},
          allPasses_{AllPass(556 + spread), AllPass(441 + spread)}
    {
    }

    float process(float in)
    {
        float sum = 0.0f;
        for (Comb& comb : combs_)
            sum += comb.process(in);
        for (AllPass& allPass : allPasses_)
            sum = allPass.process(sum);
        return sum * 0.25f;
    }

private:
    std::array<Comb, 4> combs_;
    std::array<AllPass, 2> allPasses_;
};

} // namespace

void addRoom(synth::Buffer& left, synth::Buffer& right, double wet)
{
    Room leftRoom(0);
    Room rightRoom(23);
    for (std::size_t i = 0; i < left.size(); ++i)
    {
        const float in = 0.5f * (left[i] + right[i]);
        left[i] += static_cast<float>(wet * leftRoom.process(in));
        right[i] += static_cast<float>(wet * rightRoom.process(in));
    }
}
