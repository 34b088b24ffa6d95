// Each conversion and calculator beside a baseline of the same work in bare doubles with no
// text; after the runs a summary gives every pair's time per call and their ratio.
#include "calc/descent.h"
#include "calc/flight_profit.h"
#include "calc/fuel_estimate.h"
#include "convert/number_format.h"
#include "convert/number_text.h"
#include "convert/parse.h"
#include "tests/formats.h"

#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr std::string_view kBaselineSuffix = "/baseline";

// The bare conversion both parses come down to: from_chars of the same digits.
double fromChars(std::string_view text) {
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// The same formulas as the calculators, unchecked, on numbers instead of field texts.
double descentDoubles(double altitude) { return altitude * 0.02 + 5.0; }

double profitDoubles(double fuelWeight, double fuelOnBoard, double fuelPrice, double income) {
    return income - (fuelWeight - fuelOnBoard) * fuelPrice * 1.234;
}

// The 9000 band of the consumption tables, where the window's start texts fall.
double fuelDoubles(double s, double range, double cargo, double taxiFuel, double reserve) {
    const double base = 792.0 - (s - 9000.0) * 0.119;
    const double coefficient = 0.001;
    const double cruise = range - 2.0 * (s * 0.02 + 5.0);
    auto estimate = [&](double mass) {
        const double term = (s / 1000.0 * 307.919 + mass * 0.0037068) * 1.7416166;
        const double fuel = cruise * (base + mass * coefficient) / 100.0;
        return term + fuel + taxiFuel + reserve + 2000.0;
    };
    return estimate(cargo + estimate(cargo));
}

struct ParseRow {
    const char* name;
    const char* text;
    const convert::NumberFormat* format;
};

const ParseRow kLenientRows[] = {
    {"lenientParse/short", "9100", &kPeriod},
    {"lenientParse/long", "26795.4987246009", &kPeriod},
};

const ParseRow kStrictRows[] = {
    {"strictParse/short", "9100", &kPeriod},
    {"strictParse/long", "26795.4987246009", &kPeriod},
    {"strictParse/comma", "26795,4987246009", &kComma},
};

struct TextRow {
    const char* name;
    double value;
    const convert::NumberFormat* format;
};

const TextRow kTextRows[] = {
    {"numberText/integral", 187.0, &kPeriod},
    {"numberText/fraction", 26795.498724600873, &kPeriod},
    {"numberText/comma", 26795.498724600873, &kComma},
};

struct FuelRow {
    const char* name;
    std::array<std::string_view, calc::kFuelInputs> texts;
    const convert::NumberFormat* format;
};

// The window's texts at start, under both separators.
const std::array<FuelRow, 2> kFuelRows{{
    {"fuelEstimate/period", {"9100", "2000", "50000", "1000", "4500"}, &kPeriod},
    {"fuelEstimate/comma", {"9100", "2000", "50000", "1000", "4500"}, &kComma},
}};

// A benchmark that calls the function once an iteration.
template <typename Function>
auto timed(Function function) {
    // A benchmark is a function of a State it changes (cppcheck 2.10 and 2.17 name it apart).
    // cppcheck-suppress [constParameter, constParameterReference]
    return [function](benchmark::State& state) {
        for (auto _ : state) {
            benchmark::DoNotOptimize(function());
        }
    };
}

template <typename Call>
void registerPair(const std::string& name, Call call, auto baseline) {
    // Google Benchmark 1.7 (Debian 12) takes the name as a C string only.
    // NOLINTBEGIN(readability-redundant-string-cstr)
    benchmark::RegisterBenchmark(name.c_str(), timed(call));
    benchmark::RegisterBenchmark((name + std::string(kBaselineSuffix)).c_str(), timed(baseline));
    // NOLINTEND(readability-redundant-string-cstr)
}

// Inputs pass through DoNotOptimize so that the baselines cannot be folded at compile time.
template <typename T>
T opaque(T value) {
    benchmark::DoNotOptimize(value);
    return value;
}

void registerAll() {
    for (const ParseRow& row : kLenientRows) {
        registerPair(
            row.name, [row] { return convert::lenientParse(opaque(std::string_view(row.text))); },
            [row] { return fromChars(opaque(std::string_view(row.text))); });
    }
    for (const ParseRow& row : kStrictRows) {
        registerPair(
            row.name,
            [row] { return convert::strictParse(opaque(std::string_view(row.text)), *row.format); },
            [row] { return fromChars(opaque(std::string_view(row.text))); });
    }
    for (const TextRow& row : kTextRows) {
        registerPair(
            row.name, [row] { return convert::numberText(opaque(row.value), *row.format); },
            [row] {
                std::array<char, 32> buffer{};
                const auto result =
                    std::to_chars(buffer.data(), buffer.data() + buffer.size(), opaque(row.value),
                                  std::chars_format::scientific, 14);
                return result.ptr;
            });
    }
    registerPair(
        "descentDistance",
        [] {
            const std::array texts{opaque(std::string_view("9100"))};
            return calc::descentDistance(texts, kPeriod);
        },
        [] { return descentDoubles(opaque(9100.0)); });
    registerPair(
        "flightProfit",
        [] {
            const std::array<std::string_view, 4> texts{
                opaque(std::string_view("26795.4987246009")), "1000", "1.5", "60000"};
            return calc::flightProfit(texts, kPeriod);
        },
        [] { return profitDoubles(opaque(26795.4987246009), 1000.0, 1.5, 60000.0); });
    for (const FuelRow& row : kFuelRows) {
        registerPair(
            row.name,
            [row] {
                auto texts = row.texts;
                texts[calc::kAltitude] = opaque(texts[calc::kAltitude]);
                return calc::fuelEstimate(texts, *row.format);
            },
            [] { return fuelDoubles(opaque(9100.0), 2000.0, 50000.0, 1000.0, 4500.0); });
    }
}

// Shows every run as usual and keeps each benchmark's CPU time per call (the median where runs
// are repeated) for the summary: CPU time is steadier than wall time on a shared machine.
class PairReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (failed(run)) {
                continue;
            }
            const std::string name = run.run_name.str();
            const double ns = run.GetAdjustedCPUTime() * nanosecondsPer(run.time_unit);
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (single || median) {
                nanoseconds_[name] = ns;
            }
        }
    }

    void printSummary() const {
        std::printf("\n%-24s %12s %12s %8s\n", "benchmark", "CPU ns/call", "baseline ns", "ratio");
        for (const auto& [name, ns] : nanoseconds_) {
            if (name.ends_with(kBaselineSuffix)) {
                continue;
            }
            const auto baseline = nanoseconds_.find(name + std::string(kBaselineSuffix));
            if (baseline == nanoseconds_.end() || baseline->second <= 0.0) {
                continue;
            }
            std::printf("%-24s %12.1f %12.2f %8.1f\n", name.c_str(), ns, baseline->second,
                        ns / baseline->second);
        }
    }

private:
    // A run that stopped with an error: Google Benchmark 1.7 (Debian 12) flags it, 1.8 and later
    // (Debian 13) mark it skipped, with or without an error.
    template <typename R>
    static bool failed(const R& run) {
        if constexpr (requires { run.error_occurred; }) {
            return run.error_occurred;
        } else {
            return run.skipped != decltype(run.skipped){};
        }
    }

    static double nanosecondsPer(benchmark::TimeUnit unit) {
        switch (unit) {
        case benchmark::kNanosecond: return 1.0;
        case benchmark::kMicrosecond: return 1e3;
        case benchmark::kMillisecond: return 1e6;
        case benchmark::kSecond: return 1e9;
        }
        return 1.0;
    }

    std::map<std::string, double> nanoseconds_;
};

}  // namespace

int main(int argc, char* argv[]) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    registerAll();
    PairReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printSummary();
    benchmark::Shutdown();
    return 0;
}
