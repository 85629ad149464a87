// Find Ship's costs on generated tables of 2,000 and 20,000 ship rows: making the rows when the
// dialog opens, the filter run on each keystroke, and a sort by a column. The sequence is either
// the one normal mode offers (sequence:normal) or every row of the ordered ship table
// (sequence:all), more than any mode offers. See bench/README.md.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/catalogue_setup.h"
#include "app/ship_catalogue.h"
#include "bench/scratch_space.h"
#include "bench/table_generator.h"
#include "gamedata/table_reader.h"
#include "picker/ship_finder.h"

namespace {

[[noreturn]] void Fail(const std::string& message) {
    std::fprintf(stderr, "find_ship_benchmark: %s\n", message.c_str());
    std::exit(1);
}

bench::ScratchSpace& Scratch() {
    static bench::ScratchSpace scratch;
    if (!scratch.ok())
        Fail("cannot make a scratch directory with a Wine prefix");
    return scratch;
}

// The ship sequence after start-up: every row of the ordered table, or normal mode's.
const std::list<ShipSpec>& SequenceFor(int rows, bool normalMode) {
    static std::map<std::pair<int, bool>, ShipCatalogue> cache;
    const auto key = std::make_pair(rows, normalMode);
    const auto found = cache.find(key);
    if (found != cache.end())
        return found->second.mainList;
    const std::string directory = Scratch().path() + "/tables-" + std::to_string(rows);
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    bench::TableStats stats;
    if (error || !bench::WriteTables(rows, directory, stats))
        Fail("cannot write tables into " + directory);
    ShipCatalogue ships;
    ShipCatalogue fighters;
    if (!ReadTables(ships, bench::ScratchSpace::WindowsPathOf(directory + "/shiplist.txt"),
                    bench::ScratchSpace::WindowsPathOf(directory + "/ftrlist.txt")))
        Fail("ReadTables failed in " + directory);
    OrderCatalogues(ships, fighters);
    if (normalMode)
        NarrowToMode(ships, false);
    return cache.emplace(key, std::move(ships)).first->second.mainList;
}

const std::vector<FinderRow>& RowsFor(int rows, bool normalMode) {
    static std::map<std::pair<int, bool>, std::vector<FinderRow>> cache;
    const auto key = std::make_pair(rows, normalMode);
    auto found = cache.find(key);
    if (found == cache.end())
        found = cache.emplace(key, FinderRows(SequenceFor(rows, normalMode))).first;
    return found->second;
}

std::vector<size_t> SequenceOrder(size_t count) {
    std::vector<size_t> order(count);
    for (size_t i = 0; i < count; ++i)
        order[i] = i;
    return order;
}

// What opening Find Ship computes: the rows of the sequence and the order it opens in.
void BM_FinderOpen(benchmark::State& state) {
    const auto& sequence = SequenceFor(static_cast<int>(state.range(0)), state.range(1) == 1);
    for (auto _ : state) {
        std::vector<FinderRow> rows = FinderRows(sequence);
        std::vector<size_t> order = SequenceOrder(rows.size());
        benchmark::DoNotOptimize(order.data());
    }
    state.counters["ships"] = static_cast<double>(sequence.size());
}

// One keystroke: the whole order narrowed anew to the text typed so far. "e" keeps most rows;
// "corvane cruiser" needs two words found.
const char* const kTyped[] = {"e", "cv-", "corvane cruiser", "zzz"};

void BM_FinderKeystroke(benchmark::State& state) {
    const auto& rows = RowsFor(static_cast<int>(state.range(0)), state.range(1) == 1);
    const std::vector<size_t> order = SequenceOrder(rows.size());
    const char* typed = kTyped[state.range(2)];
    size_t shown = 0;
    for (auto _ : state) {
        std::vector<size_t> kept = FilterRows(rows, order, typed);
        shown = kept.size();
        benchmark::DoNotOptimize(kept.data());
    }
    state.SetLabel(std::string("\"") + typed + "\"");
    state.counters["shown"] = static_cast<double>(shown);
}

// A click on a column's header: the sort, then the filter of what is typed ("cv-").
void BM_FinderSort(benchmark::State& state) {
    const auto& rows = RowsFor(static_cast<int>(state.range(0)), state.range(1) == 1);
    const auto column = static_cast<FinderColumn>(state.range(2));
    for (auto _ : state) {
        std::vector<size_t> kept = FilterRows(rows, SortedRows(rows, column, true), "cv-");
        benchmark::DoNotOptimize(kept.data());
    }
}

// Both sizes, both sequences, and each case of the benchmark (none: an empty list).
void Sizes(benchmark::internal::Benchmark* b, const char* caseName, std::vector<int> cases) {
    if (cases.empty())
        b->ArgNames({"rows", "sequence_normal"});
    else
        b->ArgNames({"rows", "sequence_normal", caseName});
    for (int rows : {2000, 20000}) {
        for (int normal : {1, 0}) {
            if (cases.empty())
                b->Args({rows, normal});
            for (int c : cases)
                b->Args({rows, normal, c});
        }
    }
    b->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_FinderOpen)->Apply([](auto* b) { Sizes(b, nullptr, {}); });
BENCHMARK(BM_FinderKeystroke)->Apply([](auto* b) { Sizes(b, "typed", {0, 1, 2, 3}); });
// Class name (text) and BPV (number).
BENCHMARK(BM_FinderSort)->Apply([](auto* b) { Sizes(b, "column", {0, 3}); });

}  // namespace

BENCHMARK_MAIN();
