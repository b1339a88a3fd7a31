// The driver of bench/controls.sh (see ControlsBench.h). For every registered case and every
// size, runs control and baseline in turn (which goes first alternates), and prints the
// medians and the ratio control / baseline.
//
//   controls_bench [rounds] [name-filter]
#include "bench/ControlsBench.h"

#include <QApplication>
#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace controls_bench {

namespace {
std::vector<Case>& Cases()
{
    static std::vector<Case> cases;
    return cases;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}
}  // namespace

ControlsBenchCase::ControlsBenchCase(Case c) { Cases().push_back(std::move(c)); }

void Flush()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

}  // namespace controls_bench

int main(int argc, char** argv)
{
    using namespace controls_bench;
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const std::string filter = argc > 2 ? argv[2] : "";
    std::vector<Case> cases = Cases();
    std::sort(cases.begin(), cases.end(), [](const Case& a, const Case& b) { return a.name < b.name; });
    std::printf("%-44s %7s %12s %12s %7s\n", "operation", "items", "control s", "baseline s", "ratio");
    for (const Case& c : cases) {
        if (!filter.empty() && c.name.find(filter) == std::string::npos)
            continue;
        for (const int n : {1000, 10000, 100000}) {
            if (n > c.maxItems) {
                std::printf("%-44s %7d %12s %12s %7s\n", c.name.c_str(), n, "-", "-", "skip");
                continue;
            }
            std::vector<double> ctl, base;
            for (int r = 0; r < rounds; ++r) {
                if (r % 2 == 0) {
                    ctl.push_back(c.control(n));
                    Flush();
                    base.push_back(c.baseline(n));
                } else {
                    base.push_back(c.baseline(n));
                    Flush();
                    ctl.push_back(c.control(n));
                }
                Flush();
            }
            const double mc = Median(ctl), mb = Median(base);
            std::printf("%-44s %7d %12.5f %12.5f %7.2f\n", c.name.c_str(), n, mc, mb, mb > 0 ? mc / mb : 0.0);
            std::fflush(stdout);
        }
    }
    return 0;
}
