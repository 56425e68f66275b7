// Runs the benchmarks named in a targets file and tells, target by target, whether the
// median of the repetitions stays within its limit.
//
//   qv_bench_check BENCH TARGETS [--factor F] [--short]
//
// Every limit is multiplied by F (default 1). --short runs few, brief repetitions, for a
// check that only has to catch large slowdowns. Exits 1 when a target is missed, 2 when
// the benchmarks or the files cannot be used.
#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

using nlohmann::json;

struct Options {
    std::string sBench;
    std::string sTargets;
    double dFactor = 1.0;
    bool bShort = false;
};

std::optional<Options> ParseOptions(int argc, char** argv) {
    if (argc < 3) return std::nullopt;
    Options options{argv[1], argv[2]};
    for (int i = 3; i < argc; ++i) {
        const std::string sArg = argv[i];
        if (sArg == "--short") {
            options.bShort = true;
        } else if (sArg == "--factor" && i + 1 < argc) {
            options.dFactor = std::atof(argv[++i]);
            if (options.dFactor <= 0) return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    return options;
}

double MicrosecondsPer(const std::string& sUnit) {
    if (sUnit == "ns") return 1e-3;
    if (sUnit == "us") return 1.0;
    if (sUnit == "ms") return 1e3;
    if (sUnit == "s") return 1e6;
    return 0;
}

// Regular-expression characters of a benchmark name are taken literally.
std::string Escaped(const std::string& sName) {
    std::string sOut;
    for (char c : sName) {
        if (std::string_view("\\^$.|?*+()[]{}").find(c) != std::string_view::npos) sOut += '\\';
        sOut += c;
    }
    return sOut;
}

std::string FilterOf(const json& targets) {
    std::set<std::string> names;
    for (const json& target : targets) {
        names.insert(target.at("benchmark").get<std::string>());
        if (target.contains("against")) names.insert(target.at("against").get<std::string>());
    }
    std::string sFilter;
    // Appended piece by piece: a prefixed temporary draws a false -Wrestrict from GCC 12.
    for (const std::string& sName : names) {
        if (!sFilter.empty()) sFilter += '|';
        sFilter += Escaped(sName);
    }
    return "^(" + sFilter + ")$";
}

// Median CPU time in microseconds by benchmark name.
std::map<std::string, double> RunBenchmarks(const Options& options, const json& targets,
                                            const std::string& sOut) {
    std::string sCommand = "'" + options.sBench + "' --benchmark_filter='" + FilterOf(targets) +
                           "' --benchmark_out='" + sOut +
                           "' --benchmark_out_format=json --benchmark_report_aggregates_only=true";
    sCommand += options.bShort ? " --benchmark_repetitions=3 --benchmark_min_time=0.05"
                               : " --benchmark_repetitions=7";
    sCommand += " >/dev/null 2>&1";
    if (std::system(sCommand.c_str()) != 0) return {};
    std::ifstream file(sOut);
    const json results = json::parse(file, nullptr, false);
    std::map<std::string, double> medians;
    if (results.is_discarded()) return medians;
    for (const json& run : results.value("benchmarks", json::array())) {
        if (run.value("aggregate_name", "") != "median") continue;
        medians[run.at("run_name").get<std::string>()] =
            run.at("cpu_time").get<double>() * MicrosecondsPer(run.at("time_unit"));
    }
    return medians;
}

std::string Format(double dValue) {
    char sText[32];
    std::snprintf(sText, sizeof sText, "%.4g", dValue);
    return sText;
}

// Prints the target's line; true when it is met.
bool CheckTarget(const json& target, const std::map<std::string, double>& medians, double dFactor) {
    const std::string sName = target.at("benchmark");
    const std::string sUnit = target.at("unit");
    const double dLimit = target.at("limit").get<double>() * dFactor;
    const auto it = medians.find(sName);
    std::optional<double> measured;
    std::string sWhat = sName;
    if (target.contains("against")) {
        const std::string sAgainst = target.at("against");
        sWhat += " / " + sAgainst;
        const auto itAgainst = medians.find(sAgainst);
        if (it != medians.end() && itAgainst != medians.end() && itAgainst->second > 0)
            measured = it->second / itAgainst->second;
    } else if (it != medians.end() && MicrosecondsPer(sUnit) > 0) {
        measured = it->second / MicrosecondsPer(sUnit);
    }
    const bool bMet = measured && *measured <= dLimit;
    std::cout << (bMet ? "met    " : "MISSED ") << sWhat << ": "
              << (measured ? Format(*measured) : std::string("not measured")) << " " << sUnit
              << " (limit " << Format(dLimit) << " " << sUnit << ")\n";
    return bMet;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Options> options = ParseOptions(argc, argv);
    if (!options) {
        std::cerr << "usage: qv_bench_check BENCH TARGETS [--factor F] [--short]\n";
        return 2;
    }
    std::ifstream file(options->sTargets);
    const json document = json::parse(file, nullptr, false);
    if (document.is_discarded() || !document.contains("targets")) {
        std::cerr << "cannot read targets from " << options->sTargets << "\n";
        return 2;
    }
    const json& targets = document.at("targets");
    const std::string sOut = (std::filesystem::temp_directory_path() /
                              ("qv_bench_check." + std::to_string(getpid()) + ".json"))
                                 .string();
    const std::map<std::string, double> medians = RunBenchmarks(*options, targets, sOut);
    std::filesystem::remove(sOut);
    if (medians.empty()) {
        std::cerr << "the benchmarks did not run\n";
        return 2;
    }
    bool bAllMet = true;
    for (const json& target : targets)
        bAllMet = CheckTarget(target, medians, options->dFactor) && bAllMet;
    std::cout << (bAllMet ? "all targets met" : "targets missed") << " (median CPU time";
    if (options->dFactor != 1.0) std::cout << ", limits x " << Format(options->dFactor);
    std::cout << ")\n";
    return bAllMet ? 0 : 1;
}
