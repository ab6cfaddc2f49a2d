// Prints the state digests of a seeded stream of random events, one per
// batch, comma-separated: what the page's WebAssembly engine must print for
// the same arguments.
//   web_digest_reference SEED BATCHES BATCH_SIZE
#include <cstdlib>
#include <iostream>

#include "ui/web/web_session.h"

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: web_digest_reference SEED BATCHES BATCH_SIZE\n";
        return 2;
    }
    std::cout << web::randomEventDigests(std::strtod(argv[1], nullptr), std::atoi(argv[2]),
                                         std::atoi(argv[3]))
              << '\n';
    return 0;
}
