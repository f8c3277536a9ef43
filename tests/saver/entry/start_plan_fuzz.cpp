// Command lines as anything may write them, and environment blocks around the hand-over variable.
#include "saver/handover_files.h"
#include "saver/start_plan.h"

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// Whether an entry of block (up to its closing empty entry) starts with prefix, in any case.
bool hasEntry(const std::string& block, const std::string& prefix) {
    for (size_t at = 0; at < block.size() && block[at] != '\0'; at = block.find('\0', at) + 1) {
        bool same = block.size() - at >= prefix.size();
        for (size_t i = 0; same && i < prefix.size(); i++)
            same = std::toupper((unsigned char)block[at + i]) == prefix[i];
        if (same)
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text((const char*)data, size);
    const Morvex_B::StartPlan plan = Morvex_B::PlanStart(text);
    if (plan.mode != Morvex_B::StartMode::Preview && plan.previewHandle != 0)
        std::abort();
    if (plan.hidesCursor && plan.mode != Morvex_B::StartMode::Run)
        std::abort();

    // The same bytes as an environment block (made to end in two NULs), given the variable and without it.
    const std::string block = text + std::string(2, '\0');
    const std::string with =
        Morvex_B::EnvironmentBlockWith(block.c_str(), Morvex_B::HandoverVariable, "C:\\t");
    const std::string without = Morvex_B::EnvironmentBlockWithout(with.c_str(), Morvex_B::HandoverVariable);
    if (with.size() < 2 || with.compare(with.size() - 2, 2, std::string(2, '\0')) != 0)
        std::abort();
    if (!hasEntry(with, "ZANDREL_HANDOVER_DIR=C:\\T"))
        std::abort();
    if (without.size() < 2 || hasEntry(without, "ZANDREL_HANDOVER_DIR="))
        std::abort();
    return 0;
}
