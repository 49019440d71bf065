// Writes the order benchmark file: tabrix_gen_orders OUT [lines=1000000]
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "OrdersData.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s OUT [lines=1000000]\n", argv[0]);
        return 2;
    }
    char* end = nullptr;
    const unsigned long long lines = argc == 3 ? std::strtoull(argv[2], &end, 10) : 1000000ull;
    if (argc == 3 && (end == argv[2] || *end != '\0')) {
        std::fprintf(stderr, "lines must be a number: %s\n", argv[2]);
        return 2;
    }
    std::FILE* file = std::fopen(argv[1], "wb");
    if (!file) {
        std::fprintf(stderr, "cannot write %s: %s\n", argv[1], std::strerror(errno));
        return 1;
    }
    tabrix::bench::OrdersGenerator generator;
    std::string chunk;
    for (unsigned long long i = 0; i < lines; ++i) {
        generator.appendLine(chunk);
        if (chunk.size() >= (1u << 20) || i + 1 == lines) {
            if (std::fwrite(chunk.data(), 1, chunk.size(), file) != chunk.size()) {
                std::fprintf(stderr, "cannot write %s: %s\n", argv[1], std::strerror(errno));
                std::fclose(file);
                return 1;
            }
            chunk.clear();
        }
    }
    if (std::fclose(file) != 0) {
        std::fprintf(stderr, "cannot write %s: %s\n", argv[1], std::strerror(errno));
        return 1;
    }
    return 0;
}
