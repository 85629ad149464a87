// Start-up, picker and fleet-file costs on generated tables of 2,000, 20,000 and 200,000 ship rows
// (a tenth as many fighters). See bench/README.md for what each benchmark measures.
//
// The program also runs itself as a child process, once per size, to measure the peak resident
// memory of a start-up in a fresh process: startup_benchmark --rss-probe <ship table>
// <fighter table> <prefix> <output file>.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include "app/catalogue_order.h"
#include "app/catalogue_setup.h"
#include "app/ship_catalogue.h"
#include "bench/allocation_counter.h"
#include "bench/compact_record.h"
#include "bench/process_memory.h"
#include "bench/scratch_space.h"
#include "bench/table_generator.h"
#include "fleet/fleet_file_codec.h"
#include "gamedata/line_reader.h"
#include "gamedata/number_text.h"
#include "gamedata/row_tokenizer.h"
#include "gamedata/table_reader.h"
#include "picker/loadout.h"
#include "platform/file_system.h"
#include "tool/table_log.h"

namespace {

// Phases are timed in processor time, like the benchmarks' CPU column: the machine's cores are
// shared, and wall-clock time would count the waits for them.
struct Clock {
    using time_point = std::clock_t;
    static time_point now() { return std::clock(); }
};

constexpr bool kNormalMode = false;

double SecondsSince(Clock::time_point start) {
    return static_cast<double>(Clock::now() - start) / CLOCKS_PER_SEC;
}

[[noreturn]] void Fail(const std::string& message) {
    std::fprintf(stderr, "startup_benchmark: %s\n", message.c_str());
    std::exit(1);
}

// ---------------------------------------------------------------------------------------------
// Generated tables, once per size, in one scratch directory for the whole run.

struct TableFiles {
    std::string shipHostPath;
    std::string fighterHostPath;
    std::string shipPath;  // Windows paths, as the program opens them
    std::string fighterPath;
    bench::TableStats stats;
};

bench::ScratchSpace& Scratch() {
    static bench::ScratchSpace scratch;
    if (!scratch.ok())
        Fail("cannot make a scratch directory with a Wine prefix");
    return scratch;
}

const TableFiles& TablesFor(int rows) {
    static std::map<int, TableFiles> cache;
    const auto found = cache.find(rows);
    if (found != cache.end())
        return found->second;
    const std::string directory = Scratch().path() + "/tables-" + std::to_string(rows);
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    TableFiles files;
    if (error || !bench::WriteTables(rows, directory, files.stats))
        Fail("cannot write tables into " + directory);
    files.shipHostPath = directory + "/shiplist.txt";
    files.fighterHostPath = directory + "/ftrlist.txt";
    files.shipPath = bench::ScratchSpace::WindowsPathOf(files.shipHostPath);
    files.fighterPath = bench::ScratchSpace::WindowsPathOf(files.fighterHostPath);
    return cache.emplace(rows, files).first->second;
}

// Everything the application object and InitInstance do to the catalogues, normal mode.
void StartUp(const TableFiles& files, ShipCatalogue& ships, ShipCatalogue& fighters) {
    if (!ReadTables(ships, files.shipPath, files.fighterPath))
        Fail("ReadTables failed on " + files.shipHostPath);
    OrderCatalogues(ships, fighters);
    NarrowToMode(ships, kNormalMode);
}

// The generated tables are meant to be read whole: a row the reader drops would make the
// benchmark measure less than it claims.
void CheckEveryRowAccepted(const CatalogueLists& lists, const bench::TableStats& stats) {
    const auto rows = static_cast<std::size_t>(stats.fighterRows + stats.shipRows);
    const auto crafts = static_cast<std::size_t>(stats.fighterRows + stats.pfRows);
    if (lists.mainList.size() != rows || lists.craftList.size() != crafts)
        Fail("the reader accepted " + std::to_string(lists.mainList.size()) + " of " +
             std::to_string(rows) + " rows and " + std::to_string(lists.craftList.size()) + " of " +
             std::to_string(crafts) + " crafts");
}

// Catalogues after start-up, kept for the picker benchmarks of each size.
struct StartedUp {
    ShipCatalogue ships;
    ShipCatalogue fighters;
    std::shared_ptr<const ShipCatalogue> snapshot;  // the same ships, shared read-only
};

const StartedUp& StartedUpFor(int rows) {
    static std::map<int, std::unique_ptr<StartedUp>> cache;
    std::unique_ptr<StartedUp>& entry = cache[rows];
    if (!entry) {
        entry = std::make_unique<StartedUp>();
        StartUp(TablesFor(rows), entry->ships, entry->fighters);
        entry->snapshot = std::make_shared<const ShipCatalogue>(entry->ships);
    }
    return *entry;
}

void SetRowCounters(benchmark::State& state, const TableFiles& files) {
    state.SetComplexityN(files.stats.shipRows);
    state.counters["ship_rows"] = files.stats.shipRows;
    state.counters["rows_per_s"] =
        benchmark::Counter(files.stats.shipRows + files.stats.fighterRows,
                           benchmark::Counter::kIsIterationInvariantRate);
}

// ---------------------------------------------------------------------------------------------
// Peak resident memory of a start-up, measured in a fresh process per size.

struct MemoryProbe {
    long long startKib = -1;   // VmHWM before anything is read
    long long readKib = -1;    // VmHWM after ReadTables
    long long peakKib = -1;    // VmHWM after the whole start-up
    long long retainKib = -1;  // VmRSS after the whole start-up
};

int RunMemoryProbe(const char* shipTable, const char* fighterTable, const char* prefix,
                   const char* output) {
    if (!bench::ScratchSpace::UsePrefix(prefix))
        return 1;
    TableFiles files;
    files.shipHostPath = shipTable;
    files.shipPath = bench::ScratchSpace::WindowsPathOf(shipTable);
    files.fighterPath = bench::ScratchSpace::WindowsPathOf(fighterTable);
    MemoryProbe probe;
    probe.startKib = bench::PeakResidentKib();
    ShipCatalogue ships;
    ShipCatalogue fighters;
    if (!ReadTables(ships, files.shipPath, files.fighterPath))
        return 1;
    probe.readKib = bench::PeakResidentKib();
    OrderCatalogues(ships, fighters);
    NarrowToMode(ships, kNormalMode);
    probe.peakKib = bench::PeakResidentKib();
    probe.retainKib = bench::CurrentResidentKib();
    std::ofstream out(output);
    out << probe.startKib << ' ' << probe.readKib << ' ' << probe.peakKib << ' ' << probe.retainKib
        << '\n';
    return out ? 0 : 1;
}

const MemoryProbe& MemoryProbeFor(int rows) {
    static std::map<int, MemoryProbe> cache;
    const auto found = cache.find(rows);
    if (found != cache.end())
        return found->second;
    const TableFiles& files = TablesFor(rows);
    std::error_code error;
    const std::string self = std::filesystem::read_symlink("/proc/self/exe", error).string();
    MemoryProbe probe;
    if (!error) {
        const std::string output = Scratch().path() + "/memory-" + std::to_string(rows);
        const std::string command = "'" + self + "' --rss-probe '" + files.shipHostPath + "' '" +
                                    files.fighterHostPath + "' '" + Scratch().prefixPath() + "' '" +
                                    output + "'";
        if (std::system(command.c_str()) == 0) {
            std::ifstream in(output);
            in >> probe.startKib >> probe.readKib >> probe.peakKib >> probe.retainKib;
        }
    }
    return cache.emplace(rows, probe).first->second;
}

// ---------------------------------------------------------------------------------------------
// Start-up

// The floor for any reader: the same files read with the same LineReader, every line touched.
// Argument 1 is the number of passes over the ship table (the reader makes two).
void BM_ReadLinesBaseline(benchmark::State& state) {
    const TableFiles& files = TablesFor(static_cast<int>(state.range(0)));
    const int shipPasses = static_cast<int>(state.range(1));
    std::uint64_t touched = 0;
    for (auto _ : state) {
        std::FILE* fighterTable = platform::OpenFile(files.fighterPath, "rb");
        std::FILE* shipTable = platform::OpenFile(files.shipPath, "rb");
        if (fighterTable == nullptr || shipTable == nullptr)
            Fail("cannot open the tables");
        std::string line;
        LineReader fighterLines(fighterTable);
        while (fighterLines.readLine(line))
            touched += line.size() + static_cast<unsigned char>(line[0]);
        LineReader shipLines(shipTable);
        for (int pass = 0; pass < shipPasses; ++pass) {
            shipLines.rewind();
            while (shipLines.readLine(line))
                touched += line.size() + static_cast<unsigned char>(line[0]);
        }
        std::fclose(shipTable);
        std::fclose(fighterTable);
        benchmark::DoNotOptimize(touched);
    }
    SetRowCounters(state, files);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(files.stats.fighterTableBytes +
                                                 shipPasses * files.stats.shipTableBytes));
}

// A floor for any reader that splits the rows with RowTokenizer: the baseline's two passes over
// the ship table and one over the fighter table, every row split into all its columns and every
// column read as a number, but no record built.
void BM_TokenizeBaseline(benchmark::State& state) {
    const TableFiles& files = TablesFor(static_cast<int>(state.range(0)));
    std::int64_t sum = 0;
    const auto splitRow = [&sum](const std::string& line, int columnCount) {
        RowTokenizer columns(line);
        for (int column = 0; column < columnCount; ++column)
            sum += ParseInt(columns.nextView());
    };
    for (auto _ : state) {
        std::FILE* fighterTable = platform::OpenFile(files.fighterPath, "rb");
        std::FILE* shipTable = platform::OpenFile(files.shipPath, "rb");
        if (fighterTable == nullptr || shipTable == nullptr)
            Fail("cannot open the tables");
        std::string line;
        LineReader fighterLines(fighterTable);
        while (fighterLines.readLine(line))
            splitRow(line, 36);
        LineReader shipLines(shipTable);
        for (int pass = 0; pass < 2; ++pass) {
            shipLines.rewind();
            while (shipLines.readLine(line))
                splitRow(line, 153);
        }
        std::fclose(shipTable);
        std::fclose(fighterTable);
        benchmark::DoNotOptimize(sum);
    }
    SetRowCounters(state, files);
}

// The whole start-up: ReadTables, OrderCatalogues, NarrowToMode (normal). Destroying the two
// catalogues afterwards is not timed; the records that narrowing and the fighter filter drop are
// destroyed inside the timed steps, as at start-up.
void BM_Startup(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const TableFiles& files = TablesFor(rows);
    const MemoryProbe& memory = MemoryProbeFor(rows);
    double readSeconds = 0;
    double orderSeconds = 0;
    double narrowSeconds = 0;
    std::uint64_t allocations = 0;
    std::size_t offered = 0;
    for (auto _ : state) {
        auto ships = std::make_unique<ShipCatalogue>();
        auto fighters = std::make_unique<ShipCatalogue>();
        const std::uint64_t allocationsBefore = bench::AllocationCount();
        Clock::time_point start = Clock::now();
        if (!ReadTables(*ships, files.shipPath, files.fighterPath))
            Fail("ReadTables failed");
        readSeconds += SecondsSince(start);
        CheckEveryRowAccepted(*ships, files.stats);
        start = Clock::now();
        OrderCatalogues(*ships, *fighters);
        orderSeconds += SecondsSince(start);
        start = Clock::now();
        NarrowToMode(*ships, kNormalMode);
        narrowSeconds += SecondsSince(start);
        allocations += bench::AllocationCount() - allocationsBefore;
        offered = ships->mainList.size();
        if (offered != static_cast<std::size_t>(files.stats.corvaneWarships))
            Fail("normal mode offers " + std::to_string(offered) + " ships, the tables hold " +
                 std::to_string(files.stats.corvaneWarships) + " Corvane warships");

        state.PauseTiming();
        ships.reset();
        fighters.reset();
        state.ResumeTiming();
    }
    SetRowCounters(state, files);
    state.SetBytesProcessed(
        static_cast<int64_t>(state.iterations()) *
        static_cast<int64_t>(files.stats.fighterTableBytes + files.stats.shipTableBytes));
    const auto average = benchmark::Counter::kAvgIterations;
    state.counters["read_ms"] = benchmark::Counter(readSeconds * 1e3, average);
    state.counters["order_ms"] = benchmark::Counter(orderSeconds * 1e3, average);
    state.counters["narrow_ms"] = benchmark::Counter(narrowSeconds * 1e3, average);
    const double allRows = files.stats.shipRows + files.stats.fighterRows;
    state.counters["allocs_per_row"] =
        benchmark::Counter(static_cast<double>(allocations) / allRows, average);
    state.counters["offered"] = static_cast<double>(offered);
    if (memory.peakKib >= 0) {
        state.counters["peak_rss_B_per_row"] =
            static_cast<double>(memory.peakKib - memory.startKib) * 1024.0 / allRows;
        state.counters["read_rss_B_per_row"] =
            static_cast<double>(memory.readKib - memory.startKib) * 1024.0 / allRows;
        state.counters["kept_rss_MiB"] = static_cast<double>(memory.retainKib) / 1024.0;
    }
}

// An observer that only counts what it is told: the readers' own cost of observing.
class CountingObserver : public TableObserver {
  public:
    std::uint64_t events = 0;
    void LineRead(const LineReport&) override { ++events; }
    void KeywordUnknown(GameTable, int, const UnknownKeyword&) override { ++events; }
};

// The whole start-up as BM_Startup times it, with no observer (observer:0), an observer that
// only counts (observer:1), and kvtool's TableLog, which keeps a record of every line
// (observer:2): what an attached observer costs, measured within one run.
void BM_StartupObserver(benchmark::State& state) {
    const TableFiles& files = TablesFor(static_cast<int>(state.range(0)));
    const int kind = static_cast<int>(state.range(1));
    std::uint64_t events = 0;
    for (auto _ : state) {
        auto ships = std::make_unique<ShipCatalogue>();
        auto fighters = std::make_unique<ShipCatalogue>();
        CountingObserver counting;
        auto log = std::make_unique<TableLog>();
        TableObserver* observer = kind == 0   ? nullptr
                                  : kind == 1 ? static_cast<TableObserver*>(&counting)
                                              : log.get();
        if (!ReadTables(*ships, files.shipPath, files.fighterPath, observer))
            Fail("ReadTables failed");
        CheckEveryRowAccepted(*ships, files.stats);
        OrderCatalogues(*ships, *fighters);
        NarrowToMode(*ships, kNormalMode);
        events += counting.events + log->lines.size();

        state.PauseTiming();
        log.reset();
        ships.reset();
        fighters.reset();
        state.ResumeTiming();
    }
    SetRowCounters(state, files);
    state.counters["reports_per_start"] =
        benchmark::Counter(static_cast<double>(events), benchmark::Counter::kAvgIterations);
}

// ReadTables alone, the part the readers own; destroying the lists is not timed.
void BM_ReadTables(benchmark::State& state) {
    const TableFiles& files = TablesFor(static_cast<int>(state.range(0)));
    std::uint64_t allocations = 0;
    for (auto _ : state) {
        auto lists = std::make_unique<CatalogueLists>();
        const std::uint64_t allocationsBefore = bench::AllocationCount();
        if (!ReadTables(*lists, files.shipPath, files.fighterPath))
            Fail("ReadTables failed");
        allocations += bench::AllocationCount() - allocationsBefore;
        state.PauseTiming();
        CheckEveryRowAccepted(*lists, files.stats);
        lists.reset();
        state.ResumeTiming();
    }
    SetRowCounters(state, files);
    state.counters["allocs_per_row"] = benchmark::Counter(
        static_cast<double>(allocations) / (files.stats.shipRows + files.stats.fighterRows),
        benchmark::Counter::kAvgIterations);
}

// The steps of OrderCatalogues one by one, to see where ordering spends its time.
void BM_OrderSteps(benchmark::State& state) {
    const TableFiles& files = TablesFor(static_cast<int>(state.range(0)));
    double sortSeconds = 0;
    double copySeconds = 0;
    double filterSeconds = 0;
    double fighterSortSeconds = 0;
    double selectiveSeconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto ships = std::make_unique<ShipCatalogue>();
        auto fighters = std::make_unique<ShipCatalogue>();
        if (!ReadTables(*ships, files.shipPath, files.fighterPath))
            Fail("ReadTables failed");
        state.ResumeTiming();

        Clock::time_point start = Clock::now();
        g_orderIgnoresClass = false;
        ships->Sort();
        sortSeconds += SecondsSince(start);
        start = Clock::now();
        *fighters = *ships;
        copySeconds += SecondsSince(start);
        start = Clock::now();
        fighters->FilterByHullClass({1, 0}, true);
        filterSeconds += SecondsSince(start);
        start = Clock::now();
        g_orderIgnoresClass = true;
        fighters->Sort();
        fighterSortSeconds += SecondsSince(start);

        state.PauseTiming();
        // For comparison, not in the timing: the fighter catalogue built by copying the craft
        // list and only the records the filter keeps, which gives the same catalogue as the copy
        // and filter above.
        start = Clock::now();
        auto selective = std::make_unique<ShipCatalogue>();
        selective->craftList = ships->craftList;
        for (const ShipSpec& record : ships->mainList) {
            if (record.hullClass == 0 || record.hullClass == 1)
                selective->mainList.push_back(record);
        }
        selectiveSeconds += SecondsSince(start);
        selective.reset();
        ships.reset();
        fighters.reset();
        state.ResumeTiming();
    }
    SetRowCounters(state, files);
    const auto average = benchmark::Counter::kAvgIterations;
    state.counters["selective_copy_ms"] = benchmark::Counter(selectiveSeconds * 1e3, average);
    state.counters["sort_ms"] = benchmark::Counter(sortSeconds * 1e3, average);
    state.counters["copy_ms"] = benchmark::Counter(copySeconds * 1e3, average);
    state.counters["filter_ms"] = benchmark::Counter(filterSeconds * 1e3, average);
    state.counters["fighter_sort_ms"] = benchmark::Counter(fighterSortSeconds * 1e3, average);
}

// ---------------------------------------------------------------------------------------------
// Picker

// What opening the picker costs today: a deep copy of the narrowed ship catalogue (copy
// assignment, both lists), the first ship's default loadout and its point value. Destroying the
// copy (when the picker closes) is not timed.
void BM_PickerOpen_Copy(benchmark::State& state) {
    const StartedUp& catalogues = StartedUpFor(static_cast<int>(state.range(0)));
    if (catalogues.ships.mainList.empty()) {
        state.SkipWithError("no ship on offer");
        return;
    }
    for (auto _ : state) {
        auto copy = std::make_unique<ShipCatalogue>();
        *copy = catalogues.ships;
        const ShipSpec& first = copy->mainList.front();
        const Loadout loadout = DefaultLoadout(first, catalogues.fighters.mainList);
        benchmark::DoNotOptimize(AdjustedBpv(first, loadout));

        state.PauseTiming();
        copy.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(TablesFor(static_cast<int>(state.range(0))).stats.shipRows);
    state.counters["records_copied"] =
        static_cast<double>(catalogues.ships.mainList.size() + catalogues.ships.craftList.size());
}

// The same with a shared read-only snapshot handed out instead of a copy.
void BM_PickerOpen_SharedSnapshot(benchmark::State& state) {
    const StartedUp& catalogues = StartedUpFor(static_cast<int>(state.range(0)));
    if (catalogues.snapshot->mainList.empty()) {
        state.SkipWithError("no ship on offer");
        return;
    }
    for (auto _ : state) {
        const std::shared_ptr<const ShipCatalogue> view = catalogues.snapshot;
        const ShipSpec& first = view->mainList.front();
        const Loadout loadout = DefaultLoadout(first, catalogues.fighters.mainList);
        benchmark::DoNotOptimize(AdjustedBpv(first, loadout));
    }
    state.SetComplexityN(TablesFor(static_cast<int>(state.range(0))).stats.shipRows);
}

// One loadout recompute on a carrier: its default loadout (which looks its fighters up by class
// name in the fighter catalogue), the missile count and the adjusted point value.
void BM_Recompute(benchmark::State& state) {
    const StartedUp& catalogues = StartedUpFor(static_cast<int>(state.range(0)));
    const ShipSpec* carrier = nullptr;
    for (const ShipSpec& ship : catalogues.ships.mainList) {
        if (ship.hullClass == 10 && ship.bays[0].count != 0) {
            carrier = &ship;
            break;
        }
    }
    if (carrier == nullptr) {
        state.SkipWithError("no carrier on offer");
        return;
    }
    for (auto _ : state) {
        Loadout loadout = DefaultLoadout(*carrier, catalogues.fighters.mainList);
        RecomputeMissileCount(loadout);
        benchmark::DoNotOptimize(AdjustedBpv(*carrier, loadout));
    }
    state.SetComplexityN(TablesFor(static_cast<int>(state.range(0))).stats.shipRows);
    state.counters["fighter_list"] = static_cast<double>(catalogues.fighters.mainList.size());
}

// ---------------------------------------------------------------------------------------------
// Fleet file

void BM_FleetFileEncodeDecode(benchmark::State& state) {
    std::array<SlotState, 3> slots;
    const char* names[] = {"CV-Falcon12", "CV-Osprey345", "CV-Condor6789"};
    for (std::size_t i = 0; i < slots.size(); ++i) {
        slots[i].occupied = true;
        SetShipCode(slots[i].slot, names[i]);
        SetFighterType(slots[i].slot, "CV-Wasp123");
        slots[i].slot.baseBpv = 100 + static_cast<int32_t>(i);
        slots[i].slot.adjustedBpv = 120 + static_cast<int32_t>(i);
        slots[i].slot.missileType = 1;
        slots[i].slot.missileSpeed = 2;
        slots[i].slot.fighterBays = 2;
        slots[i].slot.fightersPerBay = 4;
    }
    for (auto _ : state) {
        const std::string bytes = EncodeFleetFile(slots);
        const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
        const auto count = static_cast<std::int32_t>(ReadLittleEndian32(data + 4));
        std::array<FleetSlot, 3> decoded;
        for (std::int32_t i = 0; i < count && i < 3; ++i) {
            const std::size_t offset =
                kFleetHeaderSize + static_cast<std::size_t>(i) * kFleetSlotSize;
            decoded[static_cast<std::size_t>(i)] =
                DecodeFleetSlot(data + offset, bytes.size() - offset);
        }
        benchmark::DoNotOptimize(decoded);
    }
}

// ---------------------------------------------------------------------------------------------
// Record layout: the catalogue's records (fighters and ships in load order, from the 20,000-row
// tables) copied as a catalogue copy does, in today's layout and in the compact stand-in of
// bench/compact_record.h. Argument: 0 = ShipSpec, 1 = compact.

const std::list<ShipSpec>& LoadedRecords() {
    static const std::list<ShipSpec> records = [] {
        CatalogueLists lists;
        const TableFiles& files = TablesFor(20000);
        if (!ReadTables(lists, files.shipPath, files.fighterPath))
            Fail("ReadTables failed");
        return std::move(lists.mainList);
    }();
    return records;
}

template <typename Record>
void CopyRecords(benchmark::State& state, const std::list<Record>& records) {
    double destroySeconds = 0;
    std::uint64_t allocations = 0;
    for (auto _ : state) {
        const std::uint64_t allocationsBefore = bench::AllocationCount();
        auto copy = std::make_unique<std::list<Record>>(records);
        allocations += bench::AllocationCount() - allocationsBefore;
        state.PauseTiming();
        const Clock::time_point start = Clock::now();
        copy.reset();
        destroySeconds += SecondsSince(start);
        state.ResumeTiming();
    }
    const double count = static_cast<double>(records.size());
    state.counters["records"] = count;
    state.counters["record_bytes"] = sizeof(Record);
    state.counters["copy_per_record"] = benchmark::Counter(
        count, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["destroy_us_per_record"] =
        benchmark::Counter(destroySeconds * 1e6 / count, benchmark::Counter::kAvgIterations);
    state.counters["allocs_per_record"] = benchmark::Counter(
        static_cast<double>(allocations) / count, benchmark::Counter::kAvgIterations);
}

template <typename Record>
void ConstructRecords(benchmark::State& state, std::size_t count) {
    for (auto _ : state) {
        std::list<Record> records;
        for (std::size_t i = 0; i < count; ++i)
            records.emplace_back();
        benchmark::DoNotOptimize(records.back());
    }
    state.counters["construct_destroy_per_record"] = benchmark::Counter(
        static_cast<double>(count),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_RecordCopy(benchmark::State& state) {
    const std::list<ShipSpec>& records = LoadedRecords();
    if (state.range(0) == 0) {
        CopyRecords(state, records);
        return;
    }
    static bench::KeywordPool keywords;
    static const std::list<bench::CompactShip> compact = bench::ToCompact(records, keywords);
    CopyRecords(state, compact);
}

void BM_RecordDefaultConstruct(benchmark::State& state) {
    const std::size_t count = LoadedRecords().size();
    if (state.range(0) == 0)
        ConstructRecords<ShipSpec>(state, count);
    else
        ConstructRecords<bench::CompactShip>(state, count);
}

constexpr int64_t kSizes[] = {2000, 20000, 200000};

void AllSizes(benchmark::internal::Benchmark* b) {
    for (int64_t rows : kSizes)
        b->Arg(rows);
}

}  // namespace

BENCHMARK(BM_ReadLinesBaseline)
    ->ArgsProduct({{kSizes[0], kSizes[1], kSizes[2]}, {1, 2}})
    ->ArgNames({"rows", "ship_passes"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TokenizeBaseline)->Apply(AllSizes)->ArgName("rows")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Startup)
    ->Apply(AllSizes)
    ->ArgName("rows")
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK(BM_StartupObserver)
    ->ArgsProduct({{kSizes[0], kSizes[1]}, {0, 1, 2}})
    ->ArgNames({"rows", "observer"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadTables)
    ->Arg(kSizes[0])
    ->Arg(kSizes[1])
    ->ArgName("rows")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OrderSteps)
    ->Arg(kSizes[0])
    ->Arg(kSizes[1])
    ->ArgName("rows")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PickerOpen_Copy)
    ->Apply(AllSizes)
    ->ArgName("rows")
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();
BENCHMARK(BM_PickerOpen_SharedSnapshot)
    ->Apply(AllSizes)
    ->ArgName("rows")
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();
BENCHMARK(BM_Recompute)
    ->Apply(AllSizes)
    ->ArgName("rows")
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();
BENCHMARK(BM_FleetFileEncodeDecode)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_RecordDefaultConstruct)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("compact")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecordCopy)->Arg(0)->Arg(1)->ArgName("compact")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (argc == 6 && std::strcmp(argv[1], "--rss-probe") == 0)
        return RunMemoryProbe(argv[2], argv[3], argv[4], argv[5]);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
