// A JSON text read whole into a document, by the reader the run files go
// through. Everything that reads JSON (run files, the translation
// catalogues, the classroom's messages) shares the one parser and the one
// document type: the page carries each library template once.
#pragma once

#include <nlohmann/json.hpp>
#include <string_view>

namespace jsonsteps {

// Objects keep their fields in the order the text gives them; a field
// named twice keeps its last value.
using Document = nlohmann::ordered_json;

// The document `text` holds, or a discarded value when `text` is not one
// well-formed JSON document in UTF-8.
Document readDocument(std::string_view text);

} // namespace jsonsteps
