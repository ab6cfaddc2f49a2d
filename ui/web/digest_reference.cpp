// Prints what the page's WebAssembly engine must print for the same
// arguments, computed by the native build:
//   web_digest_reference SEED BATCHES BATCH_SIZE
//     the state digests of a seeded stream of random events, one per batch,
//     comma-separated;
//   web_digest_reference --steps QUERY STEPS
//     the state digest of a page opened with the link QUERY after STEPS
//     presses of Step (a lesson's link plays the lesson);
//   web_digest_reference --ladder QUERY STEPS
//     the time-sequence diagram's description of that run, as ladderJson.
#include <cstdlib>
#include <iostream>
#include <string_view>

#include "ui/web/web_session.h"

int main(int argc, char** argv)
{
    const std::string_view mode = argc == 4 ? argv[1] : "";
    if (mode == "--steps" || mode == "--ladder") {
        web::WebSession session(argv[2]);
        for (int i = std::atoi(argv[3]); i > 0; --i)
            session.step();
        std::cout << (mode == "--steps" ? session.digest() : session.ladderJson(0, -1)) << '\n';
        return 0;
    }
    if (argc != 4) {
        std::cerr << "usage: web_digest_reference SEED BATCHES BATCH_SIZE\n"
                     "       web_digest_reference --steps QUERY STEPS\n"
                     "       web_digest_reference --ladder QUERY STEPS\n";
        return 2;
    }
    std::cout << web::randomEventDigests(std::strtod(argv[1], nullptr), std::atoi(argv[2]),
                                         std::atoi(argv[3]))
              << '\n';
    return 0;
}
