// Geometry of the main window in twips (1/1440 inch, 15 twips per logical pixel).
//
// The simulation itself reads and writes positions (a packet has arrived when
// its button has passed the receiver strip), so these numbers are behaviour,
// not decoration. Everything is measured from the top-left corner of the
// client area.
#pragma once

#include <cstdint>

namespace geometry {

inline constexpr int TwipsPerPixel = 15;
inline constexpr int ClientWidth = 12825;
inline constexpr int ClientHeight = 8925;

// Strips: 19 cells on a 660-twip pitch.
inline constexpr int CellCount = 19;
inline constexpr int LastCell = CellCount - 1;
inline constexpr int CellPitch = 660;
inline constexpr int CellLabelLeft = 150; // label of cell 0; 30 twips inside its box
inline constexpr int CellLabelWidth = 615;
inline constexpr int CellLabelHeight = 375;
inline constexpr int CellBoxLeft = 120;
inline constexpr int CellBoxWidth = 675;
inline constexpr int TxCellTop = 660;
inline constexpr int RxCellTop = 5460;
inline constexpr int TxBoxTop = 540;
inline constexpr int TxBoxHeight = 555;
inline constexpr int RxBoxTop = 5400;
inline constexpr int RxBoxHeight = 495;

constexpr int cellLabelLeft(int cell) { return CellLabelLeft + CellPitch * cell; }
constexpr int cellBoxLeft(int cell) { return CellBoxLeft + CellPitch * cell; }

// Timeout bars sit along the top edge of each sender cell box.
inline constexpr int TimeoutBarTop = 540;
inline constexpr int TimeoutBarHeight = 135;
inline constexpr int FullTimeout = 675;

// Window frames: 60 twips outside the first and last boxes they enclose.
inline constexpr int TxFrameTop = 480;
inline constexpr int TxFrameHeight = 675;
inline constexpr int RxFrameTop = 5340;
inline constexpr int RxFrameHeight = 615;
constexpr int frameLeft(int firstCell) { return 60 + CellPitch * firstCell; }
constexpr int frameWidth(int cells) { return 135 + CellPitch * cells; }
// A frame further right than this starts at cell 3 or later: time to slide.
inline constexpr int SlideThreshold = 1800;

// Flight lanes. Packets travel down the left half, ACKs up the right half.
inline constexpr int PacketLaunchTop = 1320;
inline constexpr int PacketLeft = 960;
inline constexpr int PacketWidth = 4995;
inline constexpr int PacketHeight = 495;
inline constexpr int FirstPacketHeight = 555; // element 0 was drawn a little taller
inline constexpr int PacketArrivalTop = 4920; // arrived once strictly below this
inline constexpr int AckLaunchTop = 4920;
inline constexpr int AckLeft = 6420;
inline constexpr int AckWidth = 6000;
inline constexpr int AckHeight = 375;
inline constexpr int AckArrivalTop = 1320; // arrived once strictly above this
inline constexpr int FlightStep = 50;      // per tick, both directions

} // namespace geometry
