// Times the model against a baseline that makes the same std::pow calls with the same
// arguments and nothing else: the pow calls are the model's irreducible cost, so the ratio
// shows what the rest of it adds. Also counts heap allocations made by a run.
//
// Each case is also run after dirtying the upper halves of the vector registers, as toolkit
// code that used 256-bit instructions leaves them; its ratio is taken against the baseline
// run clean, so it shows what that state costs the model.
//
// Each ratio is that of the medians over all repetitions; a run such as
//   tavrel_model_bench --benchmark_repetitions=10 --benchmark_min_time=0.5
// keeps the short live-in case's noise to a per cent or two.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "model/Calculations.h"
#include "model/MathFunctions.h"
#include "model/ModelState.h"
#include "model/VectorState.h"

namespace {

std::size_t allocations = 0;

void* CountedAllocation(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) {
    return p;
  }
  throw std::bad_alloc();
}

void* CountedAlignedAllocation(std::size_t size, std::align_val_t alignment) {
  ++allocations;
  const auto a = static_cast<std::size_t>(alignment);
  if (void* p = std::aligned_alloc(a, (size + a - 1) / a * a)) {
    return p;
  }
  throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) {
  return CountedAllocation(size);
}
void* operator new[](std::size_t size) {
  return CountedAllocation(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return CountedAllocation(size);
  } catch (...) {
    return nullptr;
  }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
  return operator new(size, tag);
}
void* operator new(std::size_t size, std::align_val_t alignment) {
  return CountedAlignedAllocation(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
  return CountedAlignedAllocation(size, alignment);
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete[](void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
  std::free(p);
}

namespace {

using tavrel::ModelState;

// The live-in complete run: 250,000 home, 200,000 at 6 % for 30 years, growth 3 %.
std::unique_ptr<ModelState> CompleteRun(double downPayment, double closing) {
  auto s = std::make_unique<ModelState>();
  s->gHorizon = 1000;
  s->gNumPVs = 5;
  s->gMaxNumIRRcalcs = 100;
  s->gHomePrice = 250000;
  s->gDownPayment = downPayment;
  s->gMort = 200000;
  s->gR = 6;
  s->gN = 30;
  s->gClosing = closing;
  s->gTaxRate = 25;
  s->gRent = 1500;
  s->gRentGrowth = s->gPropTaxGrowth = s->gInsuranceGrowth = 3;
  s->gUtilitiesGrowth = s->gMaintenanceGrowth = s->gPriceGrowth = 3;
  s->gSavingsR = 5;
  s->gLiveInRent = true;
  s->gAnnualRent[1] = 12.0 * s->gRent;
  s->gPropTaxes[1] = 3000;
  s->gInsurance[1] = 1000;
  s->gMaintenance[1] = 1000;
  s->gMortBalance[0] = s->gMort;
  s->gMortBalance2[0] = s->gMort2;
  return s;
}

// The rate each Newton pass tests: a run capped at p passes ends holding pass p's rate.
std::vector<double> RatePerPass(const ModelState& seeded) {
  auto s = std::make_unique<ModelState>(seeded);
  tavrel::Calculations(*s);
  std::vector<double> rates;
  for (std::int64_t p = 1; p <= s->gNumIRRcalcs; ++p) {
    auto capped = std::make_unique<ModelState>(seeded);
    capped->gMaxNumIRRcalcs = p;
    tavrel::Calculations(*capped);
    rates.push_back(capped->gIRR);
  }
  return rates;
}

// The std::pow calls of one run, with their arguments formed as the model forms them.
double PowCallsOnly(const ModelState& s, const std::vector<double>& rates) {
  double sum = 0;
  const double loans[2][2] = {{s.gMort, s.gR}, {s.gMort2, s.gR2}};
  const std::int64_t lengths[2] = {s.gN, s.gN2};
  for (int m = 0; m < 2; ++m) {
    if (loans[m][0] != 0 && loans[m][1] != 0) {
      const double K = static_cast<double>(tavrel::SaturatingMultiply(12, lengths[m]));
      const double r = (0.01 * loans[m][1]) / 12;
      sum += std::pow(1 + r, K);
    }
  }
  for (std::int64_t i = 1; i <= s.gHorizon; ++i) {
    sum += std::pow(1 + 0.01 * s.gRentGrowth, static_cast<double>(i - 1));
    sum += std::pow(1 + 0.01 * s.gPropTaxGrowth, static_cast<double>(i - 1));
    sum += std::pow(1 + 0.01 * s.gInsuranceGrowth, static_cast<double>(i - 1));
    sum += std::pow(1 + 0.01 * s.gUtilitiesGrowth, static_cast<double>(i - 1));
    sum += std::pow(1 + 0.01 * s.gMaintenanceGrowth, static_cast<double>(i - 1));
    sum += std::pow(1 + 0.01 * s.gPriceGrowth, static_cast<double>(i));
  }
  const double requiredReturns[] = {4, 6, 8, 10, 12};
  for (std::int64_t k = 0; k < s.gNumPVs; ++k) {
    for (std::int64_t i = 1; i <= s.gHorizon; ++i) {
      sum += std::pow(1 + 0.01 * requiredReturns[k], static_cast<double>(i));
    }
  }
  // The rate iteration calls pow only for a rate above -100 %.
  for (const double rate : rates) {
    if (!(1 + rate > 0)) {
      continue;
    }
    for (std::int64_t i = 1; i <= s.gHorizon; ++i) {
      sum += std::pow(1 + rate, static_cast<double>(i));
      sum += std::pow(1 + rate, static_cast<double>(i + 1));
    }
  }
  return sum;
}

// Writes the upper half of ymm0 behind the compiler's back: code it compiles for AVX clears
// that state again on leaving, which would leave nothing to measure.
void DirtyUpperVectorState() {
#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
  if (__builtin_cpu_supports("avx")) {
    asm volatile("vinsertf128 $1, %%xmm1, %%ymm0, %%ymm0" ::: "xmm0");
  }
#endif
}

struct Case {
  std::string name;
  std::unique_ptr<ModelState> seeded;
  std::unique_ptr<ModelState> work;  // rerun in place: a run reads nothing it writes
  std::vector<double> rates;
};

// Keeps each benchmark's CPU time per iteration over all repetitions, and the medians
// computed by the library when only aggregates are reported.
class RecordingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const auto& run : runs) {
      if (run.error_occurred) {
        continue;
      }
      if (run.run_type == Run::RT_Iteration) {
        times_[run.run_name.str()].push_back(run.GetAdjustedCPUTime());
      } else if (run.aggregate_name == "median") {
        medians_[run.run_name.str()] = run.GetAdjustedCPUTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  // The median CPU time of a benchmark over its repetitions, or 0 when it did not run.
  double Median(const std::string& name) const {
    if (const auto m = medians_.find(name); m != medians_.end()) {
      return m->second;
    }
    const auto t = times_.find(name);
    if (t == times_.end() || t->second.empty()) {
      return 0;
    }
    std::vector<double> v = t->second;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
  }

 private:
  std::map<std::string, std::vector<double>> times_;
  std::map<std::string, double> medians_;
};

}  // namespace

int main(int argc, char** argv) {
  Case cases[2];
  cases[0].name = "live_in_complete_run";
  cases[0].seeded = CompleteRun(50000, 5000);
  // The most a run can cost: a negative outlay never meets the stop test, and this one keeps
  // every pass on a finite rate above -100 %, where each pass makes its 2,000 pow calls.
  // (With no outlay the rate turns NaN after one pass, and the passes after it call no pow.)
  cases[1].name = "negative_outlay_all_passes";
  cases[1].seeded = CompleteRun(0, -20000);

  {
    // The counter must see the program's allocations, or its zeros below would mean nothing.
    const std::size_t before = allocations;
    benchmark::DoNotOptimize(std::make_unique<ModelState>());
    if (allocations == before) {
      std::printf("warning: the allocation counter does not see operator new\n");
    }
  }
  for (auto& c : cases) {
    c.work = std::make_unique<ModelState>(*c.seeded);
    const std::size_t before = allocations;
    tavrel::Calculations(*c.work);
    std::printf("%s: %lld Newton passes, %zu heap allocations inside Calculations\n",
                c.name.c_str(), static_cast<long long>(c.work->gNumIRRcalcs), allocations - before);
    c.rates = RatePerPass(*c.seeded);

    // Each benchmark starts from a clean state, whatever the one before it left.
    for (const bool dirty : {false, true}) {
      const std::string name = (dirty ? "DirtyCalculations/" : "Calculations/") + c.name;
      benchmark::RegisterBenchmark(name.c_str(), [&c, dirty](benchmark::State& st) {
        tavrel::ClearUpperVectorState();
        ModelState* s = c.work.get();
        for (auto _ : st) {
          if (dirty) {
            DirtyUpperVectorState();
          }
          benchmark::DoNotOptimize(s);
          tavrel::Calculations(*s);
          benchmark::DoNotOptimize(s->gIRR);
          benchmark::ClobberMemory();
        }
        tavrel::ClearUpperVectorState();
      });
    }
    benchmark::RegisterBenchmark(("PowBaseline/" + c.name).c_str(), [&c](benchmark::State& st) {
      tavrel::ClearUpperVectorState();
      const ModelState* s = c.seeded.get();
      for (auto _ : st) {
        benchmark::DoNotOptimize(s);
        benchmark::DoNotOptimize(PowCallsOnly(*s, c.rates));
      }
    });
  }

  benchmark::Initialize(&argc, argv);
  RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  const auto ratio = [&reporter](const std::string& model, const std::string& baseline) {
    const double m = reporter.Median(model);
    const double b = reporter.Median(baseline);
    return m > 0 && b > 0 ? m / b : 0.0;
  };
  for (const auto& c : cases) {
    if (const double r = ratio("Calculations/" + c.name, "PowBaseline/" + c.name); r > 0) {
      std::printf("%s: Calculations/baseline = %.3f (target at most 1.25)\n", c.name.c_str(), r);
    }
    if (const double r = ratio("DirtyCalculations/" + c.name, "PowBaseline/" + c.name); r > 0) {
      std::printf(
          "%s: Calculations from a dirty upper vector state/clean baseline = %.3f "
          "(target at most 1.10)\n",
          c.name.c_str(), r);
    }
  }
  return 0;
}
