#include "support/scripted_random.h"

ScriptedRandom::ScriptedRandom(std::vector<double> script, std::uint64_t seedAfter)
    : script_(std::move(script)), after_(seedAfter), seedAfter_(seedAfter)
{
}

void ScriptedRandom::reseed(double)
{
    next_ = 0;
    after_.seedWith(seedAfter_);
}

double ScriptedRandom::next()
{
    if (next_ < script_.size())
        return script_[next_++];
    ++next_;
    return after_.next();
}
