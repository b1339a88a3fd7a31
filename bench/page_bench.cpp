// The search page benchmark run by bench/page.sh: the program's own start-up and main
// window, with the shipped tables and skin of the folder it runs from, driven by mouse
// clicks. It times "Search" (25 results, clicked on page 2 so that every result slot
// changes) and the page buttons, each from the click to the end of the repaint it causes,
// against one full repaint of the same window measured next to it, in turn first and second.
// The first search and the first visit of page 2 (pictures not decoded yet) are timed apart.
// Prints the medians and the ratios.
//
//   page_bench [rounds] [--marks]
//
// --marks: before and after every step, asks for a file named "/tessaly-page-bench/<step>-
// begin" (or "-end"), which does not exist: under strace the steps can be told apart.
#include "app/AppStartup.h"
#include "app/MainPageEventImp.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QTest>
#include <QWidget>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// The load that the shipped tables answer with 25 recorders (5 pages): "1MP(2Mbps)",
// 5 fps, one decoding channel, no filter.
constexpr int kResolution = 9;
constexpr int kFrameRate = 5;
constexpr std::size_t kExpectedResults = 25;

bool g_marks = false;

void Mark(const std::string& step, const char* edge)
{
    if (g_marks)
        (void)access(("/tessaly-page-bench/" + step + "-" + edge).c_str(), F_OK);
}

// Counts paint events anywhere in the application, so that every timed step can show that
// it repainted something.
class PaintCounter : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++m_paints;
        return false;
    }
    long Paints() const { return m_paints; }

private:
    long m_paints = 0;
};

// Runs what the step left pending: the window's update request (which paints the dirty
// region and hands it to the platform) and whatever else was posted or queued; then waits
// until the window system has taken in everything sent to it, so that no step pays for the
// one before.
void FinishRepaint()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QGuiApplication::sync();
}

// Microseconds from before step() to the end of its repaint; 0 when nothing was painted.
long long TimeStep(const std::string& name, PaintCounter& counter, const std::function<void()>& step)
{
    FinishRepaint();
    Mark(name, "begin");
    const long before = counter.Paints();
    const Clock::time_point t0 = Clock::now();
    step();
    FinishRepaint();
    const Clock::time_point t1 = Clock::now();
    Mark(name, "end");
    if (counter.Paints() == before)
        return 0;
    return std::chrono::duration_cast<std::chrono::microseconds>(t1 - t0).count();
}

double Median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

QWidget* Widget(void* facade) { return static_cast<QWidget*>(facade); }

template <class Facade>
QWidget* Widget(Facade* facade)
{
    return dynamic_cast<QWidget*>(facade);
}

// One measured action and the full repaints measured beside it.
struct Series
{
    const char* name;
    const char* step;  // its name in the marks
    std::vector<double> action;
    std::vector<double> full;
    std::vector<double> ratio;  // each action against its own full repaint
};

void PrintSeries(const Series& s)
{
    const double a = Median(s.action);
    const double f = Median(s.full);
    std::printf("%-12s %8.2f ms   full repaint %6.2f ms   ratio %.2f   (median of paired ratios %.2f)\n",
                s.name, a / 1000, f / 1000, f > 0 ? a / f : 0.0, Median(s.ratio));
}

}  // namespace

int main(int argc, char** argv)
{
    int rounds = 15;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--marks") == 0)
            g_marks = true;
        else
            rounds = std::max(1, std::atoi(argv[i]));
    }

    QApplication app(argc, argv);
    CAppSession session;
    StartApplication(&app, session);
    if (!session.pMainFrame || !session.pMainFrame->GetMainPage()) {
        std::fprintf(stderr, "page_bench: the main window or its page is missing\n");
        return 2;
    }
    QWidget* window = Widget(session.pMainFrame->GetUIWnd());
    CMainPageEventImp& page = *session.pMainFrame->GetMainPage();
    const CMainPageControls& c = page.GetControls();
    if (!window || !QTest::qWaitForWindowExposed(window)) {
        std::fprintf(stderr, "page_bench: the main window was not shown\n");
        return 2;
    }
    PaintCounter counter;
    app.installEventFilter(&counter);

    c.pResolutionCombo->SetCurSel(kResolution);
    c.pFrameRateCombo->SetCurSel(kFrameRate);
    c.pDecodeEdit->SetWindowTextW(L"1");

    QWidget* search = Widget(c.pSearchButton);
    QWidget* next = Widget(c.pNextButton);
    QWidget* prev = Widget(c.pPrevButton);
    const auto click = [](QWidget* w) { return [w] { QTest::mouseClick(w, Qt::LeftButton); }; };
    const auto fullRepaint = [window] { window->update(); };

    // The first search and the first visit of page 2 load their pictures.
    const long long coldSearch = TimeStep("first-search", counter, click(search));
    if (page.GetSearchResults().size() != kExpectedResults || page.GetCurPage() != 1) {
        std::fprintf(stderr,
                     "page_bench: the search found %zu recorders, not %zu: the shipped tables changed\n",
                     page.GetSearchResults().size(), kExpectedResults);
        return 2;
    }
    const long long coldNext = TimeStep("first-next", counter, click(next));
    TimeStep("first-prev", counter, click(prev));
    for (int i = 0; i < 3; ++i)
        TimeStep("warm-full", counter, fullRepaint);

    // Each round: "Search" from page 2 (every slot changes to page 1), then ">", "<", ">".
    TimeStep("warm-next", counter, click(next));
    Series series[] = {{"search", "search", {}, {}, {}},
                       {"next page", "next-page", {}, {}, {}},
                       {"prev page", "prev-page", {}, {}, {}}};
    const int roundSteps[] = {0, 1, 2, 1};
    QWidget* buttons[] = {search, next, prev};
    for (int r = 0; r < rounds; ++r) {
        for (int k : roundSteps) {
            Series& s = series[k];
            long long action = 0;
            long long full = 0;
            if (s.action.size() % 2 == 0) {
                full = TimeStep("full", counter, fullRepaint);
                action = TimeStep(s.step, counter, click(buttons[k]));
            } else {
                action = TimeStep(s.step, counter, click(buttons[k]));
                full = TimeStep("full", counter, fullRepaint);
            }
            if (action <= 0 || full <= 0) {
                std::fprintf(stderr, "page_bench: a step painted nothing\n");
                return 2;
            }
            s.action.push_back(static_cast<double>(action));
            s.full.push_back(static_cast<double>(full));
            s.ratio.push_back(static_cast<double>(action) / static_cast<double>(full));
        }
    }
    if (page.GetCurPage() != 2 || page.GetSearchResults().size() != kExpectedResults) {
        std::fprintf(stderr, "page_bench: the page did not end where it should\n");
        return 2;
    }

    std::printf("rounds: %d of Search (from page 2), >, <, >; each click next to its own full repaint, "
                "in turn first (medians)\n",
                rounds);
    std::printf("first search %.2f ms, first visit of page 2 %.2f ms (pictures not loaded yet)\n",
                static_cast<double>(coldSearch) / 1000, static_cast<double>(coldNext) / 1000);
    for (const Series& s : series)
        PrintSeries(s);
    Series pages{"page change", "", {}, {}, {}};
    for (int k = 1; k < 3; ++k) {
        pages.action.insert(pages.action.end(), series[k].action.begin(), series[k].action.end());
        pages.full.insert(pages.full.end(), series[k].full.begin(), series[k].full.end());
        pages.ratio.insert(pages.ratio.end(), series[k].ratio.begin(), series[k].ratio.end());
    }
    PrintSeries(pages);
    std::fflush(stdout);

    app.removeEventFilter(&counter);
    FinishApplication(session, true);
    return 0;
}
