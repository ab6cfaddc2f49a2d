// The simulation's own texts: the captions, figure names, state names,
// commentary lines and message box that the original program shows, in
// English as the model writes them, and the patterns its composed lines
// are filled from. They stay as written by default (runs, digests and
// lessons depend on them); View > Translate the simulation's texts shows
// them translated, in the view only (texts::Catalogue::simulationText).
//
// The texts the window adds to the model (the options the original window
// has no box for, the notice at the packet-number limit) are the program's
// own and always translated.
#pragma once

#include <span>
#include <string_view>

namespace simulation_texts {

// Every text and pattern, for the catalogue and the test that holds the
// model to them.
std::span<const std::string_view> all();

} // namespace simulation_texts
