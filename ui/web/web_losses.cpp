// The network's losses and the run's figures in the page: the Network
// panel's settings go to the history, which deals them as the model's own
// loss clicks; the figures are the ones the desktop's table shows.
#include "ui/web/network_json.h"
#include "ui/web/web_session.h"

namespace web {

std::string WebSession::lossesJson() const { return web::lossesJson(history_->losses()); }

void WebSession::setLossRates(int packetPercent, int ackPercent, double seed)
{
    history_->setLosses(withRates(history_->losses(), packetPercent, ackPercent, seed));
}

bool WebSession::addPlannedLoss(bool ack, int number, int transmission)
{
    LossSettings losses = history_->losses();
    if (!addPlanned(losses, ack, number, transmission)) return false;
    history_->setLosses(losses);
    return true;
}

void WebSession::removePlannedLoss(int index)
{
    LossSettings losses = history_->losses();
    removePlanned(losses, index);
    history_->setLosses(losses);
}

std::string WebSession::figuresJson() const
{
    const std::array<std::size_t, 3> at = {static_cast<std::size_t>(history_->ticks()), history_->runCount(),
                                           history_->trace().log().size()};
    if (figures_.empty() || at != figuresAt_) {
        figures_ = web::figuresJson(history_->ticks(), {std::string()}, {figuresOf(*history_)});
        figuresAt_ = at;
    }
    return figures_;
}

} // namespace web
