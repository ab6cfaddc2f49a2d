#include "history/losses.h"

#include <algorithm>
#include <charconv>

#include "history/translatable.h"

using texts::fill;
using texts::translatable;

namespace {

// SplitMix64's finaliser: every input bit reaches every output bit, so
// neighbouring packet numbers draw unrelated values.
std::uint64_t mix(std::uint64_t x)
{
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

bool readWhole(std::string_view text, int low, int high, int& value)
{
    if (text.empty() || text.size() > 6) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= low && value <= high;
}

} // namespace

bool LossSettings::loses(PlannedLoss::What what, int number, int transmission) const
{
    if (std::find(planned.begin(), planned.end(),
                  PlannedLoss{what, static_cast<std::int16_t>(number),
                              static_cast<std::int16_t>(transmission)}) != planned.end())
        return true;
    const int percent = what == PlannedLoss::What::Packet ? packetPercent : ackPercent;
    if (percent <= 0) return false;
    const std::uint64_t trip = (static_cast<std::uint64_t>(what == PlannedLoss::What::Ack) << 48) ^
                               (static_cast<std::uint64_t>(static_cast<std::uint16_t>(number)) << 16) ^
                               static_cast<std::uint16_t>(transmission);
    const std::uint64_t draw = mix(mix(seed) ^ trip);
    return draw % 10'000 < static_cast<std::uint64_t>(percent) * 100;
}

bool LossSettings::plan(const PlannedLoss& loss)
{
    if (planned.size() >= MaxPlanned || std::find(planned.begin(), planned.end(), loss) != planned.end())
        return false;
    planned.push_back(loss);
    return true;
}

namespace losses {

std::string planText(const std::vector<PlannedLoss>& planned)
{
    std::string text;
    for (const PlannedLoss& loss : planned) {
        if (!text.empty()) text += ',';
        text += loss.what == PlannedLoss::What::Packet ? 'p' : 'a';
        text += std::to_string(loss.number);
        if (loss.transmission != 1) text += '.' + std::to_string(loss.transmission);
    }
    return text;
}

std::optional<std::vector<PlannedLoss>> readPlan(std::string_view text, std::string* error)
{
    std::vector<PlannedLoss> planned;
    if (text.empty()) return planned;
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t comma = std::min(text.find(',', at), text.size());
        const std::string_view entry = text.substr(at, comma - at);
        at = comma + 1;
        PlannedLoss loss;
        const std::size_t dot = entry.find('.');
        int number = 0;
        int transmission = 1;
        const bool known = entry.size() >= 2 && (entry[0] == 'p' || entry[0] == 'a');
        const bool good = known &&
                          readWhole(entry.substr(1, dot == std::string_view::npos ? dot : dot - 1), 0,
                                    PacketNumberLimitForPlans, number) &&
                          (dot == std::string_view::npos ||
                           readWhole(entry.substr(dot + 1), 1, MaxTransmissionForPlans, transmission));
        if (!good || planned.size() >= LossSettings::MaxPlanned) {
            if (error) {
                *error =
                    planned.size() >= LossSettings::MaxPlanned
                        ? fill(translatable("losses", "A plan holds at most %1 losses."),
                               LossSettings::MaxPlanned)
                        : fill(translatable("losses",
                                            "The planned loss \"%1\" is not p or a with a packet number, "
                                            "such as p5, p7.2 or a9."),
                               entry.substr(0, 20));
            }
            return std::nullopt;
        }
        loss.what = entry[0] == 'p' ? PlannedLoss::What::Packet : PlannedLoss::What::Ack;
        loss.number = static_cast<std::int16_t>(number);
        loss.transmission = static_cast<std::int16_t>(transmission);
        if (std::find(planned.begin(), planned.end(), loss) == planned.end()) planned.push_back(loss);
    }
    return planned;
}

std::string describe(const PlannedLoss& loss)
{
    const bool packet = loss.what == PlannedLoss::What::Packet;
    if (loss.transmission == 1) {
        return packet ? fill(translatable("losses", "packet %1"), loss.number)
                      : fill(translatable("losses", "the ACK for packet %1"), loss.number);
    }
    return packet
               ? fill(translatable("losses", "packet %1 (transmission %2)"), loss.number, loss.transmission)
               : fill(translatable("losses", "the ACK for packet %1 (transmission %2)"), loss.number,
                      loss.transmission);
}

std::string summary(const LossSettings& settings)
{
    if (!settings.any()) return std::string(translatable("losses", "No losses"));
    std::string rates;
    if (settings.packetPercent > 0 && settings.ackPercent > 0) {
        rates = fill(translatable("losses", "%1 % of packets, %2 % of ACKs"), settings.packetPercent,
                     settings.ackPercent);
    } else if (settings.packetPercent > 0) {
        rates = fill(translatable("losses", "%1 % of packets"), settings.packetPercent);
    } else if (settings.ackPercent > 0) {
        rates = fill(translatable("losses", "%1 % of ACKs"), settings.ackPercent);
    }
    if (rates.empty()) return fill(translatable("losses", "Losses: %1 planned"), settings.planned.size());
    if (settings.planned.empty())
        return fill(translatable("losses", "Losses: %1 (seed %2)"), rates, settings.seed);
    return fill(translatable("losses", "Losses: %1 (seed %2), %3 planned"), rates, settings.seed,
                settings.planned.size());
}

} // namespace losses
