#include "ui/web/network_json.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "ui/web/json_text.h"

namespace web {

std::string lossesJson(const LossSettings& losses)
{
    JsonText json;
    json.beginObject().key("packetPercent").value(losses.packetPercent);
    json.key("ackPercent").value(losses.ackPercent);
    json.key("seed").value(static_cast<std::int64_t>(losses.seed));
    json.key("maxPercent").value(LossSettings::MaxPercent);
    json.key("maxPlanned").value(static_cast<int>(LossSettings::MaxPlanned));
    json.key("planned").beginArray();
    for (const PlannedLoss& loss : losses.planned) {
        json.beginObject().key("ack").value(loss.what == PlannedLoss::What::Ack);
        json.key("number").value(loss.number).key("transmission").value(loss.transmission);
        json.key("text").value(losses::describe(loss)).endObject();
    }
    json.endArray();
    json.key("summary").value(losses::summary(losses)).key("any").value(losses.any());
    json.endObject();
    return json.take();
}

LossSettings withRates(LossSettings losses, int packetPercent, int ackPercent, double seed)
{
    losses.packetPercent = std::clamp(packetPercent, 0, LossSettings::MaxPercent);
    losses.ackPercent = std::clamp(ackPercent, 0, LossSettings::MaxPercent);
    // A field left empty or holding nonsense keeps the seed it had.
    constexpr double largest = std::numeric_limits<std::uint32_t>::max();
    if (std::isfinite(seed))
        losses.seed = static_cast<std::uint32_t>(std::clamp(std::floor(seed), 0.0, largest));
    return losses;
}

bool addPlanned(LossSettings& losses, bool ack, int number, int transmission)
{
    constexpr int largest = std::numeric_limits<std::int16_t>::max();
    if (number < 0 || number > largest || transmission < 1 || transmission > largest) return false;
    return losses.plan(PlannedLoss{ack ? PlannedLoss::What::Ack : PlannedLoss::What::Packet,
                                   static_cast<std::int16_t>(number),
                                   static_cast<std::int16_t>(transmission)});
}

void removePlanned(LossSettings& losses, int index)
{
    if (index < 0 || index >= static_cast<int>(losses.planned.size())) return;
    losses.planned.erase(losses.planned.begin() + index);
}

std::string figuresJson(std::int32_t tick, const std::vector<std::string>& labels,
                        const std::vector<RunFigures>& figures)
{
    JsonText json;
    json.beginObject().key("tick").value(static_cast<std::int64_t>(tick)).key("rows").beginArray();
    for (const char* title : figures::RowTitles)
        json.value(title);
    json.endArray().key("labels").beginArray();
    for (const std::string& label : labels)
        json.value(label);
    json.endArray().key("cells").beginArray();
    for (std::size_t row = 0; row < figures::RowTitles.size(); ++row) {
        json.beginArray();
        for (const RunFigures& f : figures)
            json.value(figures::cell(f, row));
        json.endArray();
    }
    json.endArray().key("values").beginArray();
    for (const RunFigures& f : figures) {
        json.beginObject().key("delivered").value(static_cast<std::int64_t>(f.delivered));
        json.key("retransmissions").value(static_cast<std::int64_t>(f.retransmissions));
        json.key("timeouts").value(static_cast<std::int64_t>(f.timeouts));
        json.key("drops").value(static_cast<std::int64_t>(f.drops));
        json.key("goodput").value(f.goodput).key("recentGoodput").value(f.recentGoodput).endObject();
    }
    json.endArray().endObject();
    return json.take();
}

} // namespace web
