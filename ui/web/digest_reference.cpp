// Prints what the page's WebAssembly engine must print for the same
// arguments, computed by the native build:
//   web_digest_reference SEED BATCHES BATCH_SIZE
//     the state digests of a seeded stream of random events, one per batch,
//     comma-separated;
//   web_digest_reference --steps QUERY STEPS
//     the state digest of a page opened with the link QUERY after STEPS
//     presses of Step (a lesson's link plays the lesson).
#include <cstdlib>
#include <iostream>
#include <string_view>

#include "ui/web/web_session.h"

int main(int argc, char** argv)
{
    if (argc == 4 && std::string_view(argv[1]) == "--steps") {
        web::WebSession session(argv[2]);
        for (int i = std::atoi(argv[3]); i > 0; --i)
            session.step();
        std::cout << session.digest() << '\n';
        return 0;
    }
    if (argc != 4) {
        std::cerr << "usage: web_digest_reference SEED BATCHES BATCH_SIZE\n"
                     "       web_digest_reference --steps QUERY STEPS\n";
        return 2;
    }
    std::cout << web::randomEventDigests(std::strtod(argv[1], nullptr), std::atoi(argv[2]),
                                         std::atoi(argv[3]))
              << '\n';
    return 0;
}
