// Start-up cost of the flag walk: every listed name is matched against a driver-sized extension string.
#include "opengl/extension_string.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

// About 420 entries and 11 KB, the size of a current desktop driver's list.
std::string driverSizedString() {
    std::string text;
    for (int i = 0; i < 420; i++) {
        text += "GL_VENDOR_extension_number_" + std::to_string(i) + " ";
    }
    text += "GL_ARB_shadow_ambient GL_ARB_multitexture";
    return text;
}

void BM_MatchListedNames(benchmark::State& state) {
    const std::string extensions = driverSizedString();
    std::vector<std::string> names;
    for (int i = 0; i < 57; i++) {
        names.push_back("GL_ARB_listed_name_" + std::to_string(i));
    }
    names.back() = "GL_ARB_multitexture";
    for (auto _ : state) {
        int found = 0;
        for (const std::string& name : names) {
            found += isExtensionSupported(extensions.c_str(), name.c_str());
        }
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(state.iterations() * (int64_t)names.size());
    state.counters["bytes"] = (double)extensions.size();
}
BENCHMARK(BM_MatchListedNames);

} // namespace
