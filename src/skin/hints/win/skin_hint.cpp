#include "skin/hints/win/skin_hint.h"

#include <commctrl.h>

#include <vector>

#include "skin/draw/win/screen.h"

namespace vemora::skin {
namespace {

constexpr UINT_PTR kHintTimer = 1;

HintTiming PlatformTiming() {
    // The tool tip control's own defaults: the double-click time to show, ten times that to hide.
    const int pause = int(GetDoubleClickTime());
    return {pause, 100, 10 * pause};
}

LOGFONTW PlatformHintFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        return metrics.lfStatusFont;
    LOGFONTW font{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    return font;
}

struct ComponentQuery {
    HWND owner;
    std::vector<TspSkinHint*> found;
};

BOOL CALLBACK CollectComponent(HWND hwnd, LPARAM lp) {
    auto& query = *reinterpret_cast<ComponentQuery*>(lp);
    wchar_t name[32] = {};
    GetClassNameW(hwnd, name, 32);
    if (GetWindow(hwnd, GW_OWNER) != query.owner || lstrcmpW(name, kHintWindowClass) != 0) return TRUE;
    auto* window = dynamic_cast<TspSkinHintWindow*>(
        reinterpret_cast<win::Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)));
    if (window) query.found.push_back(&window->Component());
    return TRUE;
}

// The hint components of a form, found through the windows the form owns: the form itself
// keeps no list.
std::vector<TspSkinHint*> ComponentsOf(HWND owner) {
    ComponentQuery query{owner, {}};
    EnumThreadWindows(GetCurrentThreadId(), &CollectComponent, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

}  // namespace

TspSkinHint::TspSkinHint(HWND owner)
    : DefaultFont(PlatformHintFont()), owner_(owner), schedule_(PlatformTiming()), window_(*this, owner) {
    // One active component per form: a later one starts inactive while an earlier one styles.
    for (TspSkinHint* other : ComponentsOf(owner)) {
        if (other != this && other->active_) active_ = false;
    }
}

TspSkinHint::~TspSkinHint() {
    for (const auto& [control, text] : hints_) RemoveWindowSubclass(control, &ControlProc, UINT_PTR(this));
}

void TspSkinHint::SetActive(bool active) {
    if (active) {
        for (TspSkinHint* other : ComponentsOf(owner_)) {
            if (other != this) other->active_ = false;
        }
    }
    active_ = active;
}

void TspSkinHint::SetAlphaBlendSupport(bool value) {
    alphaBlendSupport_ = value && IsWindows2000Family();
}

void TspSkinHint::Add(HWND control, std::string_view text) {
    if (!control) return;
    if (text.empty()) {
        if (hints_.erase(control)) RemoveWindowSubclass(control, &ControlProc, UINT_PTR(this));
        return;
    }
    if (hints_.find(control) == hints_.end()) {
        SetWindowSubclass(control, &ControlProc, UINT_PTR(this), DWORD_PTR(this));
    }
    hints_[control] = std::string(text);
}

std::string TspSkinHint::TextOf(HWND control) const {
    const auto it = hints_.find(control);
    return it == hints_.end() ? std::string() : it->second;
}

void TspSkinHint::ShowHintText(const std::string& text) {
    pending_ = text;
    schedule_.Leave();
    Apply(schedule_.Enter(this));
}

void TspSkinHint::HideHint() {
    if (schedule_.Current() == this) Apply(schedule_.Leave());
    KillTimer(window_.hwnd(), kHintTimer);
    window_.Hide();
}

TspSkinHint* TspSkinHint::StylingComponent(HWND owner) {
    for (TspSkinHint* component : ComponentsOf(owner)) {
        if (component->active_) return component;
    }
    return nullptr;
}

void TspSkinHint::Apply(HintSchedule::Step step) {
    if (step.timerMs > 0)
        SetTimer(window_.hwnd(), kHintTimer, UINT(step.timerMs), nullptr);
    else if (step.timerMs == 0)
        KillTimer(window_.hwnd(), kHintTimer);
    if (step.kind == HintSchedule::Step::kShow) ShowAtPointer();
    if (step.kind == HintSchedule::Step::kHide) {
        window_.Hide();
        if (TspSkinHint* styling = StylingComponent(owner_)) styling->window_.Hide();
    }
}

void TspSkinHint::TimerFired() {
    Apply(schedule_.TimerFired());
}

void TspSkinHint::ShowAtPointer() {
    const void* current = schedule_.Current();
    std::string text = current == this ? pending_ : TextOf(HWND(current));
    TspSkinHint* styling = StylingComponent(owner_);
    if (!styling || text.empty()) return;
    bool show = true;
    if (styling->OnShowHint) styling->OnShowHint(text, show);
    if (!show) return;
    POINT p{};
    GetCursorPos(&p);
    p.y += CursorHeightMargin();
    styling->window_.ActivateHint({p.x, p.y, p.x, p.y}, text);
}

LRESULT CALLBACK TspSkinHint::ControlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                          DWORD_PTR data) {
    auto& self = *reinterpret_cast<TspSkinHint*>(data);
    switch (msg) {
        case WM_MOUSEMOVE:
            if (self.tracked_ != hwnd) {
                TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd, 0};
                TrackMouseEvent(&track);
                self.tracked_ = hwnd;
                self.Apply(self.schedule_.Enter(hwnd));
            }
            break;
        case WM_MOUSELEAVE:
            if (self.tracked_ == hwnd) {
                self.tracked_ = nullptr;
                self.Apply(self.schedule_.Leave());
            }
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            // A press puts the hint away until the pointer comes back.
            if (self.schedule_.Current() == hwnd) self.Apply(self.schedule_.Leave());
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(hwnd, &ControlProc, UINT_PTR(&self));
            self.hints_.erase(hwnd);
            if (self.tracked_ == hwnd) self.tracked_ = nullptr;
            break;
        default:
            break;
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace vemora::skin
