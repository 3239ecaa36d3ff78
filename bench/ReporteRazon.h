#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

// Keeps each benchmark's time per iteration, so that a run can print how two of them compare.
class ReporteRazon : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& ACorridas) override {
    for (const Run& corrida : ACorridas) FTiempos[corrida.benchmark_name()] = corrida.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(ACorridas);
  }

  // Prints the time of AMedido over that of ABase, with the target it should stay under.
  void Razon(const std::string& AMedido, const std::string& ABase, double AObjetivo) {
    const double medido = FTiempos[AMedido];
    const double base = FTiempos[ABase];
    if (medido > 0 && base > 0)
      std::printf("%s / %s: %.3f (target: under %.2f)\n", AMedido.c_str(), ABase.c_str(), medido / base, AObjetivo);
  }

 private:
  std::map<std::string, double> FTiempos;
};
