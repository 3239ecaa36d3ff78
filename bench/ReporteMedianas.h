#pragma once

// How the benchmarks run and what they print: runs of one pass each that take turns, each one's median time,
// and how two medians compare.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

// Keeps the median time of each benchmark's repetitions, in milliseconds, so that a run can print how two
// of them compare.
class ReporteMedianas : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& ACorridas) override {
    for (const Run& corrida : ACorridas)
      if (corrida.run_type == Run::RT_Aggregate && corrida.aggregate_name == "median")
        FMedianas[corrida.run_name.function_name] = corrida.GetAdjustedRealTime() *
                                                    benchmark::GetTimeUnitMultiplier(benchmark::kMillisecond) /
                                                    benchmark::GetTimeUnitMultiplier(corrida.time_unit);
    ConsoleReporter::ReportRuns(ACorridas);
  }

  // The median of a benchmark, in milliseconds; 0 when it did not run.
  double Mediana(const std::string& ANombre) const {
    const auto it = FMedianas.find(ANombre);
    return it == FMedianas.end() ? 0 : it->second;
  }

  // Prints the median of AMedido over that of ABase, with the target it should stay under (none: 0).
  void Razon(const std::string& AMedido, const std::string& ABase, double AObjetivo = 0) const {
    const double medido = Mediana(AMedido);
    const double base = Mediana(ABase);
    if (medido <= 0 || base <= 0) return;
    std::printf("  %s / %s: %.0f ms / %.0f ms = %.2f", AMedido.c_str(), ABase.c_str(), medido, base, medido / base);
    if (AObjetivo > 0) std::printf(" (target: up to %.2f)", AObjetivo);
    std::printf("\n");
  }

 private:
  std::map<std::string, double> FMedianas;
};

// Lets the runs of all benchmarks take turns, repetition by repetition, in a random order, so that
// what the machine does meanwhile falls on every side alike.
inline void IntercalarRepeticiones(int& argc, char**& argv, std::vector<char*>& AArgumentos) {
  static char intercalar[] = "--benchmark_enable_random_interleaving=true";
  AArgumentos.assign(argv, argv + argc);
  AArgumentos.insert(AArgumentos.begin() + 1, intercalar);
  AArgumentos.push_back(nullptr);
  argc = static_cast<int>(AArgumentos.size()) - 1;
  argv = AArgumentos.data();
}

// Registers a benchmark whose every repetition is one pass, reported only as the repetitions' aggregates.
inline void RegistrarPorRepeticiones(const char* ANombre, void (*AFuncion)(benchmark::State&),
                                     benchmark::TimeUnit AUnidad, int ARepeticiones) {
  benchmark::RegisterBenchmark(ANombre, AFuncion)
      ->Unit(AUnidad)
      ->Iterations(1)
      ->Repetitions(ARepeticiones)
      ->DisplayAggregatesOnly(true);
}
