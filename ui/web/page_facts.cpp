#include "ui/web/page_facts.h"

#include <cstdint>
#include <string>

#include "frontend/qr_code.h"
#include "frontend/run_clock.h"
#include "history/run_file.h"
#include "ui/web/json_text.h"

namespace web {

std::string pageFactsJson()
{
    JsonText json;
    json.beginObject().key("speeds").beginArray();
    for (int index = 0; index < static_cast<int>(run_clock::Speeds.size()); ++index)
        json.value(run_clock::speedName(index));
    json.endArray();
    // A linked run is inflated by the browser, never past what a file may hold.
    json.key("runFileLimitBytes").value(static_cast<std::int64_t>(runfile::MaxFileBytes));
    json.key("qr").beginObject().key("errorCorrection").value(std::string(1, qr::ErrorCorrectionLevel));
    json.key("quietZone").value(qr::QuietZone).endObject();
    json.endObject();
    return json.take();
}

} // namespace web
