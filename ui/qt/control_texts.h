// The words the window shows and announces about its controls: tooltips,
// and the accessible names and descriptions a screen reader reads out.
// They only describe; the model's own captions are shown as they are.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "core/colours.h"
#include "frontend/cell_states.h"

namespace control_texts {

// The tooltip of a control, by its object name ("cmdReset", "lblTxWindow_3", "cmdPacket_0").
QString toolTip(std::string_view objectName);

// "sender cell 5: in flight, retransmitted"
QString cellName(cell_states::Strip strip, const std::string& caption, Colour colour);
// The legend's line for the cell's state.
QString cellDescription(cell_states::Strip strip, Colour colour);

// "packet 7, sequence number 7, travelling"; an ACK names what it asks for.
QString flightName(bool ack, const std::string& caption, bool held);
// What a click on a travelling packet or ACK does.
QString flightRule();

// The slider's name ("Tx Window Size") and what it is set to ("4 packets").
QString sliderName(std::string_view objectName);
QString sliderDescription(std::string_view objectName, const std::string& figure);

// The flight area, when it has the keyboard focus.
QString flightAreaName();
QString flightAreaDescription();

// What the mouse finds at a point of the client area where no control
// answers for itself: timeout bars, window frames, cell boxes, the arrows.
QString backgroundToolTip(int xTwips, int yTwips);

} // namespace control_texts
