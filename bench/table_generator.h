#pragma once

#include <cstdint>
#include <string>

namespace bench {

// What a generated pair of tables holds, for labelling benchmark results.
struct TableStats {
    int shipRows = 0;         // data rows of the ship table
    int fighterRows = 0;      // data rows of the fighter table
    int pfRows = 0;           // ship rows of hull class PF (read in the first pass)
    int rowsWithBays = 0;     // ship rows with at least one bay in use
    int corvaneWarships = 0;  // rows that normal mode keeps (race Corvane, frigate to battleship)
    std::uint64_t shipTableBytes = 0;
    std::uint64_t fighterTableBytes = 0;
};

// Writes a ship table with `shipRows` data rows and a fighter table with a tenth as many (at
// least one) into `directory` as shiplist.txt and ftrlist.txt, in the game's format: header
// lines, the first data row starting with "Concordat", tab-separated columns (153 and 36), the
// end line, CR LF line ends. The content is deterministic for a given size and seed: races from
// the game's race keywords, mixed hull classes including PFs, weapon and arc keywords in the
// mounts, about a fifth of the ships with one or two bays naming fighters (and a few naming PFs
// that stand earlier in the table), unique class names of at most 15 characters.
// Returns false when a file cannot be written.
bool WriteTables(int shipRows, const std::string& directory, TableStats& stats,
                 std::uint64_t seed = 1);

}  // namespace bench
