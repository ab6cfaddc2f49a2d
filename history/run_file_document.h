// The run-file reader's two halves meet here: the text is parsed into a
// document, in steps where a front end needs them (run_file_reading.cpp),
// and the run is read from the document (run_file_reader.cpp).
#pragma once

#include <nlohmann/json.hpp>

#include "history/run_file.h"

namespace runfile::document {

using Json = nlohmann::ordered_json;

// The run the document holds; throws messages::Refusal with the sentence
// naming what is wrong, or a nlohmann exception for a value of the wrong kind.
RunScript readScript(const Json& root);

} // namespace runfile::document
