// The shell tree against the in-memory namespace: walking 8 levels down through a folder
// of 5,000 subfolders, and the refresh merge after 1,000 of them changed, each against
// building the same sorted list of 5,000 names in the same run.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "shell/memory_namespace.h"
#include "shell/shell_tree.h"

namespace vemora::shell {
namespace {

// 5,000 subfolders is the case to judge; the other sizes show how the cost grows.
void Sizes(benchmark::internal::Benchmark* b) {
    b->Arg(1250)->Arg(5000)->Arg(20000);
}

std::string NameOf(int i) {
    return "folder-" + std::to_string((i * 7919) % 1000003);  // not in creation order
}

struct BigFolder {
    explicit BigFolder(int subfolders) {
        auto& computer = ns.Add(ns.Root(), "My Computer", kAttrFolder | kAttrFileSysAncestor);
        big = &ns.Add(ns.Add(computer, "C:"), "big");
        for (int i = 0; i < subfolders; ++i) ns.Add(*big, NameOf(i));
        MemoryItem* at = big->children[subfolders / 2].get();
        for (int level = 2; level <= 8; ++level) at = &ns.Add(*at, "level-" + std::to_string(level));
        deepest = at;
    }
    MemoryNamespace ns;
    MemoryItem* big;
    MemoryItem* deepest;
};

void BM_SortedNamesBaseline(benchmark::State& state) {
    const int subfolders = static_cast<int>(state.range(0));
    std::vector<std::string> names;
    for (int i = 0; i < subfolders; ++i) names.push_back(NameOf(i));
    for (auto _ : state) {
        std::vector<std::string> sorted = names;
        std::sort(sorted.begin(), sorted.end());
        benchmark::DoNotOptimize(sorted.data());
    }
}
BENCHMARK(BM_SortedNamesBaseline)->Apply(Sizes)->Unit(benchmark::kMicrosecond);

void BM_LocateEightLevelsDeep(benchmark::State& state) {
    BigFolder fixture(static_cast<int>(state.range(0)));
    const IdList target = fixture.ns.AbsoluteOf(*fixture.deepest);
    for (auto _ : state) {
        TRzCustomShellTree tree(fixture.ns);
        tree.SetOptions(stoShowHidden);
        tree.SelectedLocation().SetItemIdList(target);
        tree.FillTree();
        if (tree.Selected()->text != "level-8") state.SkipWithError("not located");
    }
}
BENCHMARK(BM_LocateEightLevelsDeep)->Apply(Sizes)->Unit(benchmark::kMicrosecond);

void BM_RefreshAfterThousandChanges(benchmark::State& state) {
    BigFolder fixture(static_cast<int>(state.range(0)));
    TRzCustomShellTree tree(fixture.ns);
    tree.SetOptions(stoShowHidden);
    tree.SelectedLocation().SetItemIdList(fixture.ns.AbsoluteOf(*fixture.deepest));
    tree.FillTree();
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // A tenth of the subfolders go, as many new ones come: 1,000 changes of 5,000.
        const int changed = static_cast<int>(state.range(0)) / 10;  // 500 of 5,000
        for (int i = 0; i < changed; ++i) fixture.ns.Remove(*fixture.big->children.back());
        for (int i = 0; i < changed; ++i)
            fixture.ns.Add(*fixture.big, "new-" + std::to_string(round) + "-" + std::to_string(i));
        ++round;
        state.ResumeTiming();
        tree.RefreshTree();
    }
}
BENCHMARK(BM_RefreshAfterThousandChanges)->Apply(Sizes)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vemora::shell
