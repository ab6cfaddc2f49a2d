#include "history/json_document.h"

#include <limits>

#include "history/display_text.h"
#include "history/json_steps.h"

namespace jsonsteps {

Document readDocument(std::string_view text)
{
    // The reader takes well-formed UTF-8 only, as nlohmann's parser does.
    if (displaytext::malformedUtf8At(text) != std::string_view::npos) return Document::value_t::discarded;
    Document root;
    nlohmann::detail::json_sax_dom_parser<Document> builder(root, false);
    Reader reader(text);
    if (reader.step(builder, std::numeric_limits<std::size_t>::max()) != Outcome::Whole)
        return Document::value_t::discarded;
    return root;
}

} // namespace jsonsteps
