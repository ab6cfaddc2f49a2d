#include "ui/web/window_json.h"

#include <optional>
#include <string_view>
#include <type_traits>

#include "frontend/flight_picking.h"
#include "ui/web/json_text.h"

namespace web {

namespace {

// Room for the longest of the small texts below (a flight with its caption).
constexpr std::size_t FragmentBytes = 128;

enum class Group { Array, Object, Single };

struct GroupName {
    const char* name;
    Group shape;
};

// The groups in the order they are written.
constexpr GroupName Groups[] = {
    {"lblTx", Group::Array},        {"lblRx", Group::Array},    {"shpTimeOut", Group::Array},
    {"cmdPacket", Group::Array},    {"cmdACK", Group::Array},   {"shpTxWindow", Group::Single},
    {"shpRxWindow", Group::Single}, {"labels", Group::Object},  {"buttons", Group::Object},
    {"checks", Group::Object},      {"sliders", Group::Object}, {"run", Group::Single},
};

std::string labelText(const Label& label)
{
    JsonText json(FragmentBytes);
    json.beginObject().key("caption").value(label.Caption).key("colour").colour(label.ForeColor);
    json.key("left").value(label.Left).key("top").value(label.Top).key("visible").value(label.Visible);
    return json.endObject().take();
}

// A flight's members the page draws: all of them, or with `was` (the button
// as the page last saw it) only those that differ, "{}" when none does. A
// moving button changes its top alone: its caption, the longest text of a
// tick, is not written, sent, decoded and parsed again twenty times a second.
std::string flightMembers(const FlightButton& button, const FlightButton* was)
{
    JsonText json(FragmentBytes);
    json.beginObject();
    const bool whole = was == nullptr;
    if (whole || button.Caption != was->Caption) json.key("caption").value(button.Caption);
    if (whole || button.Left != was->Left) json.key("left").value(button.Left);
    if (whole || button.Top != was->Top) json.key("top").value(button.Top);
    if (whole || button.Width != was->Width) json.key("width").value(button.Width);
    if (whole || button.Visible != was->Visible) json.key("visible").value(button.Visible);
    const bool held = button.TravelMarker == colours::Held;
    if (whole || held != (was->TravelMarker == colours::Held)) json.key("held").value(held);
    return json.endObject().take();
}

std::string flightText(const FlightButton& button) { return flightMembers(button, nullptr); }

std::string checkText(const CheckBox& box)
{
    JsonText json(FragmentBytes);
    json.beginObject().key("caption").value(box.Caption).key("value").value(box.Value == 1);
    return json.key("enabled").value(box.Enabled).endObject().take();
}

std::string sliderText(const ScrollBar& bar)
{
    JsonText json(FragmentBytes);
    json.beginObject().key("value").value(bar.value()).key("min").value(bar.Min);
    return json.key("max").value(bar.Max).key("step").value(bar.SmallChange).endObject().take();
}

std::string frameText(const Frame& frame)
{
    JsonText json(FragmentBytes);
    json.beginObject().key("left").value(frame.Left).key("width").value(frame.Width);
    return json.key("visible").value(frame.Visible).endObject().take();
}

std::string quoted(const Button& button)
{
    JsonText json;
    return json.value(button.Caption).take();
}

std::string barText(const TimeoutBar& bar) { return std::to_string(bar.Width); }

std::string runText(const RunState& run)
{
    JsonText json;
    json.beginObject().key("tick").value(run.tick).key("clockOn").value(run.clockOn);
    json.key("speed").value(run.speed).key("canStepBack").value(run.canStepBack);
    return json.key("lessonEnd").value(run.lessonEnd).endObject().take();
}

// An element's name in its group: a fixed name, a numbered one
// ("lblTxWindow_3"), or an array's index. Written only when the element is.
struct ElementName {
    const char* prefix;
    int index = -1;

    std::string text() const { return index < 0 ? prefix : prefix + std::to_string(index); }
};

// Calls emit(group, name, model, format) for every element, group by group
// in the order of Groups; format(model) gives the element's JSON text.
template <class Emit> void forEachElement(const Form1& form, const RunState& run, Emit&& emit)
{
    const auto indexed = [&](int group, const auto& controls, auto format) {
        for (std::size_t i = 0; i < controls.size(); ++i)
            emit(group, ElementName{"", static_cast<int>(i)}, controls[i], format);
    };
    indexed(0, form.lblTx, labelText);
    indexed(1, form.lblRx, labelText);
    indexed(2, form.shpTimeOut, barText);
    indexed(3, form.cmdPacket, flightText);
    indexed(4, form.cmdACK, flightText);
    emit(5, ElementName{""}, form.shpTxWindow, frameText);
    emit(6, ElementName{""}, form.shpRxWindow, frameText);

    const auto label = [&](ElementName name, const Label& model) { emit(7, name, model, labelText); };
    label({"lblTxInfo"}, form.lblTxInfo);
    label({"lblRxInfo"}, form.lblRxInfo);
    label({"lblState"}, form.lblState);
    for (std::size_t i = 0; i < form.lblTxWindow.size(); ++i)
        label({"lblTxWindow_", static_cast<int>(i)}, form.lblTxWindow[i]);
    label({"lblRxWindow_", 0}, form.lblRxWindow[0]);
    label({"lblRxWindow_", 1}, form.lblRxWindow[1]);
    label({"lblTimeOut_", 0}, form.lblTimeOut[0]);
    label({"lblTimeOut_", 1}, form.lblTimeOut[1]);
    label({"lblSequences_", 0}, form.lblSequences[0]);
    label({"lblSequences_", 1}, form.lblSequences[1]);
    label({"lblDupACKs"}, form.lblDupACKs);
    label({"lblSSThresh"}, form.lblSSThresh);

    emit(8, ElementName{"cmdReset"}, form.cmdReset, quoted);
    emit(8, ElementName{"cmdPause"}, form.cmdPause, quoted);
    for (const auto& [name, box] :
         {std::pair{"chkSlowStart", &form.chkSlowStart}, std::pair{"chkAvoidance", &form.chkAvoidance},
          std::pair{"chkFastRetransmit", &form.chkFastRetransmit},
          std::pair{"chkSelective", &form.chkSelective}, std::pair{"chkDelayedACK", &form.chkDelayedACK},
          std::pair{"chkAutoRTT", &form.chkAutoRTT}, std::pair{"chkSlide", &form.chkSlide},
          std::pair{"chkInOrderReceiver", &form.chkInOrderReceiver},
          std::pair{"chkGoBackN", &form.chkGoBackN}, std::pair{"chkTahoeRule", &form.chkTahoeRule}})
        emit(9, ElementName{name}, *box, checkText);
    for (const auto& [name, bar] :
         {std::pair{"HScroll1", &form.HScroll1}, std::pair{"VScroll1", &form.VScroll1},
          std::pair{"VScroll2", &form.VScroll2}, std::pair{"VScroll3", &form.VScroll3}})
        emit(10, ElementName{name}, *bar, sliderText);
    emit(11, ElementName{""}, run, runText);
}

// Joins the emitted fragments into one document; `keyed` writes arrays as
// objects keyed by index, for a document that may leave elements out.
class Assembler {
public:
    explicit Assembler(bool keyed) : keyed_(keyed) {}

    void add(int group, const ElementName& name, const std::string& fragment)
    {
        if (group != open_) {
            closeGroup();
            open_ = group;
            text_ += text_.size() > 1 ? ",\"" : "\"";
            text_ += Groups[group].name;
            text_ += "\":";
            if (Groups[group].shape != Group::Single) text_ += bracket(group, true);
            firstInGroup_ = true;
        }
        if (Groups[group].shape != Group::Single) {
            if (!firstInGroup_) text_ += ',';
            if (keyed_ || Groups[group].shape == Group::Object) text_ += "\"" + name.text() + "\":";
        }
        text_ += fragment;
        firstInGroup_ = false;
    }

    std::string finish()
    {
        closeGroup();
        text_ += '}';
        return std::move(text_);
    }

private:
    char bracket(int group, bool opening) const
    {
        const bool array = Groups[group].shape == Group::Array && !keyed_;
        return opening ? (array ? '[' : '{') : (array ? ']' : '}');
    }
    void closeGroup()
    {
        if (open_ >= 0 && Groups[open_].shape != Group::Single) text_ += bracket(open_, false);
    }

    bool keyed_;
    std::string text_ = "{";
    int open_ = -1;
    bool firstInGroup_ = true;
};

} // namespace

std::string windowJson(const Form1& form, const RunState& run)
{
    Assembler document(false);
    forEachElement(form, run, [&](int group, const ElementName& name, const auto& model, auto format) {
        document.add(group, name, format(model));
    });
    return document.finish();
}

std::string WindowChanges::take(const Form1& form, const RunState& run)
{
    Assembler document(true);
    std::size_t element = 0;
    std::apply([](auto&... kinds) { ((kinds.next = 0), ...); }, models_);
    forEachElement(form, run, [&](int group, const ElementName& name, const auto& model, auto format) {
        auto& seen = std::get<Seen<std::decay_t<decltype(model)>>>(models_);
        const std::size_t n = seen.next++;
        const std::size_t at = element++;
        // A tick changes a few elements of a hundred: the others are told
        // apart from what was sent by their model values, without being written.
        if (n < seen.values.size() && seen.values[n] == model) return;
        if constexpr (std::is_same_v<std::decay_t<decltype(model)>, FlightButton>) {
            if (n < seen.values.size()) {
                std::string fragment = flightMembers(model, &seen.values[n]);
                seen.values[n] = model;
                if (fragment.size() > 2) document.add(group, name, fragment);
                return;
            }
        }
        if (n == seen.values.size()) {
            seen.values.push_back(model);
            sent_.emplace_back();
        } else {
            seen.values[n] = model;
        }
        // A change the page does not draw (a packet's tag, say) sends nothing.
        std::string fragment = format(model);
        if (fragment == sent_[at]) return;
        document.add(group, name, fragment);
        sent_[at] = std::move(fragment);
    });
    return document.finish();
}

std::string nextPickJson(const Form1& form, bool ack, int slot, const std::string& arrow)
{
    const std::optional<flight_picking::Arrow> direction = flight_picking::arrowNamed(arrow);
    if (!direction) return "null";
    std::optional<flight_picking::Pick> current;
    if (slot >= 0) current = flight_picking::Pick{ack, slot};
    const std::optional<flight_picking::Pick> next = flight_picking::next(form, current, *direction);
    if (!next) return "null";
    JsonText json;
    json.beginObject().key("ack").value(next->ack).key("slot").value(next->slot).endObject();
    return json.take();
}

} // namespace web
