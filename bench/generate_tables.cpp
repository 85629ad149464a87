// Writes a generated ship table and fighter table for manual runs:
//   generate_tables <ship rows> <directory>
// The directory must exist; shiplist.txt and ftrlist.txt in it are replaced.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/table_generator.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <ship rows> <directory>\n", argv[0]);
        return 2;
    }
    char* end = nullptr;
    const long rows = std::strtol(argv[1], &end, 10);
    if (end == argv[1] || *end != '\0' || rows < 1 || rows > 1000000) {
        std::fprintf(stderr, "ship rows must be a number from 1 to 1000000\n");
        return 2;
    }
    bench::TableStats stats;
    if (!bench::WriteTables(static_cast<int>(rows), argv[2], stats)) {
        std::fprintf(stderr, "could not write the tables into %s\n", argv[2]);
        return 1;
    }
    std::printf("shiplist.txt: %d rows (%d PFs, %d with bays, %d Corvane warships), %llu bytes\n",
                stats.shipRows, stats.pfRows, stats.rowsWithBays, stats.corvaneWarships,
                static_cast<unsigned long long>(stats.shipTableBytes));
    std::printf("ftrlist.txt: %d rows, %llu bytes\n", stats.fighterRows,
                static_cast<unsigned long long>(stats.fighterTableBytes));
    return 0;
}
