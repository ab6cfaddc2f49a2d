// The protocol presets and the status line in the page: the same presets
// and the same words as the desktop's Options -> Protocol and status bar.
#include "frontend/protocol_presets.h"
#include "frontend/run_status.h"
#include "ui/web/json_text.h"
#include "ui/web/web_session.h"

namespace web {

std::string WebSession::protocolsJson() const
{
    JsonText json;
    json.beginArray();
    for (const presets::ProtocolPreset& preset : presets::protocolPresets())
        json.beginObject().key("name").value(preset.name).key("title").value(preset.title).endObject();
    json.endArray();
    return json.take();
}

std::string WebSession::protocolInForce() const
{
    const presets::ProtocolPreset* preset = presets::presetInForce(form_);
    return preset == nullptr ? std::string() : std::string(preset->name);
}

bool WebSession::applyProtocol(const std::string& name)
{
    const presets::ProtocolPreset* preset = presets::findPreset(name);
    if (preset == nullptr || messageOpen_) return false;
    // Worked out once, before the first click: each click changes the next.
    for (const UserEvent& event : presets::presetEvents(form_, *preset))
        apply(static_cast<int>(event.kind), event.target, event.value);
    return true;
}

// The losses, when any are dealt, end the shared line as they do on the desktop.
std::string WebSession::statusLine() const
{
    return run_status::line(
        run_status::describe(form_, *history_, run_clock::Speeds[static_cast<std::size_t>(speed_)]));
}

} // namespace web
