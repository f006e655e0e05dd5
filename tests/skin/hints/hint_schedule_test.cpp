#include "skin/hints/hint_schedule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vemora::skin {
namespace {

// Runs events against a schedule on a fake clock and writes down what the window did.
class ScheduleRun {
  public:
    ScheduleRun() : schedule_({500, 100, 5000}) {}
    void Enter(const void* control) { Apply(schedule_.Enter(control)); }
    void Leave() { Apply(schedule_.Leave()); }
    void Wait(int ms) {
        const int end = now_ + ms;
        while (due_ > 0 && due_ <= end) {
            now_ = due_;
            due_ = 0;
            Apply(schedule_.TimerFired());
        }
        now_ = end;
    }
    std::vector<std::string> log;
    const HintSchedule& Schedule() const { return schedule_; }

  private:
    void Apply(HintSchedule::Step step) {
        if (step.kind == HintSchedule::Step::kShow) log.push_back("show@" + std::to_string(now_));
        if (step.kind == HintSchedule::Step::kHide) log.push_back("hide@" + std::to_string(now_));
        if (step.timerMs != HintSchedule::kKeepTimer) due_ = step.timerMs > 0 ? now_ + step.timerMs : 0;
    }
    HintSchedule schedule_;
    int now_ = 0;
    int due_ = 0;
};

const int kButton = 1, kEdit = 2;

TEST(HintSchedule, PausesAndHides) {
    using Log = std::vector<std::string>;
    const struct {
        const char* name;
        void (*run)(ScheduleRun&);
        Log log;
    } cases[] = {
        {"rest over a control",
         [](ScheduleRun& r) { r.Enter(&kButton), r.Wait(6000); },
         {"show@500", "hide@5500"}},
        {"moving over the same control keeps the pause",
         [](ScheduleRun& r) { r.Enter(&kButton), r.Wait(300), r.Enter(&kButton), r.Wait(300); },
         {"show@500"}},
        {"leave before the pause",
         [](ScheduleRun& r) { r.Enter(&kButton), r.Wait(400), r.Leave(), r.Wait(2000); },
         {}},
        {"straight on to the next control: the short pause",
         [](ScheduleRun& r) { r.Enter(&kButton), r.Wait(600), r.Enter(&kEdit), r.Wait(150); },
         {"show@500", "hide@600", "show@700"}},
        {"across the form to the next control soon after",
         [](ScheduleRun& r) {
             r.Enter(&kButton), r.Wait(600), r.Leave(), r.Wait(200), r.Enter(&kEdit), r.Wait(150);
         },
         {"show@500", "hide@600", "show@900"}},
        {"long after, the full pause again",
         [](ScheduleRun& r) {
             r.Enter(&kButton), r.Wait(600), r.Leave(), r.Wait(2000), r.Enter(&kEdit), r.Wait(600);
         },
         {"show@500", "hide@600", "show@3100"}},
        {"an expired hint stays away until the pointer comes back",
         [](ScheduleRun& r) { r.Enter(&kButton), r.Wait(9000), r.Enter(&kButton), r.Wait(9000); },
         {"show@500", "hide@5500"}},
    };
    for (const auto& c : cases) {
        ScheduleRun run;
        c.run(run);
        EXPECT_EQ(run.log, c.log) << c.name;
    }
}

}  // namespace
}  // namespace vemora::skin
