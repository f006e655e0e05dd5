// The menu engine: a chain of popup windows, one per open menu level, driven by plain events
// (pointer moves, releases, keys, timer ticks). The windows themselves, the text measuring
// and the timers come from a MenuPlatform, so the whole behaviour runs natively in tests.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/skin_data.h"
#include "skin/menus/menu_item.h"
#include "skin/menus/popup_layout.h"

namespace vemora::skin {

inline constexpr uint32_t WM_SKINMENU_CLOSED = 1228;   // WM_USER + 204
inline constexpr uint32_t WM_SKINMENU_COMMAND = 1229;  // WM_USER + 205

// Key codes as the platform's virtual keys; letters and digits are their own characters.
enum MenuKey : int {
    kMenuKeyReturn = 0x0D,
    kMenuKeyEscape = 0x1B,
    kMenuKeyLeft = 0x25,
    kMenuKeyUp = 0x26,
    kMenuKeyRight = 0x27,
    kMenuKeyDown = 0x28,
};

inline constexpr int kSubmenuDelayMs = 500;
inline constexpr int kScrollStepMs = 100;

// The font a menu window measures and draws its captions with.
struct MenuFont {
    SkinFont font;
    int charSet = 1;
    friend bool operator==(const MenuFont&, const MenuFont&) = default;
};

struct MenuSettings {
    int maxMenuItemsInWindow = 0;  // 0: no limit
    bool useSkinFont = true;
    int defItemHeight = 20;
    MenuFont defItemFont;  // "宋体", 14
    bool alphaBlend = false;
    int alphaBlendValue = 200;
    bool alphaBlendAnimation = false;
};

// One item of a menu window.
struct TspSkinMenuItem {
    TMenuItem* item = nullptr;
    int height = 0;
    Rect rect;  // in the window; empty while scrolled out of view
    double morphFactor = 0;
    bool hot = false;
    bool open = false;
    bool visible = true;
    bool autoSelected = false;

    bool Usable() const { return item->Enabled && !item->IsLine(); }
    bool HasChildren() const { return item->Count() > 0; }
};

class PopupLevel;

// A menu window on the screen; destroying it removes the window.
class PopupView {
  public:
    virtual ~PopupView() = default;
    virtual void Show(const PopupLevel& level) = 0;
    virtual void RedrawItem(int index) = 0;
    virtual void Redraw() = 0;
};

// The control that asked for a menu: told when its chain closes and after a command.
class MenuOpener {
  public:
    virtual ~MenuOpener() = default;
    virtual void SkinMenuClosed() = 0;
    virtual void SkinMenuCommand() = 0;
};

class MenuPlatform {
  public:
    virtual ~MenuPlatform() = default;
    virtual std::unique_ptr<PopupView> CreateView(PopupLevel& level) = 0;
    virtual int TextWidth(const MenuFont& font, std::string_view text) = 0;
    virtual Rect WorkArea() = 0;  // of the host form
    virtual void SetTimer(int id, int ms) = 0;
    virtual void KillTimer(int id) = 0;
    virtual void HostMenuClosed() = 0;  // WM_SKINMENU_CLOSED to the host form
};

// What the skin gives a menu: nothing for a missing, empty or pictureless part.
PopupSkin PopupSkinOf(const TspSkinData* skin);

// The state of one menu level (the window's items, scrolling and geometry).
class PopupLevel {
  public:
    const TMenuItem* parent = nullptr;
    const TspSkinData* skinData = nullptr;
    PopupSkin skin;
    MenuFont font;
    bool submenu = false;
    int glyphWidth = 16;
    std::vector<TspSkinMenuItem> items;
    int activeIndex = -1;
    int oldActiveIndex = -1;
    PopupSize size;
    int scrollCode = 0;  // 0 none, 1 up, 2 down
    int firstVisible = 0;
    int visibleCount = 0;
    Point position;  // on the screen
    std::unique_ptr<PopupView> view;

    bool ScrollMode() const { return size.scrollMode; }
    const Rect& ItemsRect() const { return size.itemsRect; }
    Rect TopBand() const;
    Rect BottomBand() const;
    bool HiddenAbove() const { return firstVisible > 0; }
    bool HiddenBelow() const { return firstVisible + visibleCount < int(items.size()); }
    // The first visible item containing the point; -1 when none.
    int ItemAt(Point p) const;
    void LayOut();
    std::vector<int> Heights() const;
};

class TspSkinMenu {
  public:
    explicit TspSkinMenu(MenuPlatform& platform) : platform_(platform) {}
    TspSkinMenu(const TspSkinMenu&) = delete;
    TspSkinMenu& operator=(const TspSkinMenu&) = delete;
    ~TspSkinMenu();

    const MenuSettings& Settings() const { return settings_; }
    // A negative maximum is refused.
    void SetMaxMenuItemsInWindow(int value);
    void SetUseSkinFont(bool value) { settings_.useSkinFont = value; }
    void SetDefMenuItemHeight(int value) { settings_.defItemHeight = value; }
    void SetDefMenuItemFont(const MenuFont& font) { settings_.defItemFont = font; }
    void SetAlphaBlend(bool value) { settings_.alphaBlend = value; }
    void SetAlphaBlendValue(int value) { settings_.alphaBlendValue = value; }
    void SetAlphaBlendAnimation(bool value) { settings_.alphaBlendAnimation = value; }

    // Opens root's children from index first at the anchor (screen coordinates), closing
    // any open chain first; opens nothing without children or with first past them.
    void PopupMenuAt(MenuOpener* opener, const TspSkinData* skinData, bool upward, const TMenuItem& root,
                     const Rect& anchor, int first);
    void CloseFrom(int k);
    // After a command, or when the host asks: the host form is told as well.
    void CloseAll();

    bool MenuOpen() const { return menuOpen_; }
    int WindowCount() const { return int(chain_.size()); }
    PopupLevel& Window(int i) { return *chain_[size_t(i)]; }
    const PopupLevel& Window(int i) const { return *chain_[size_t(i)]; }
    MenuOpener* LastOpener() const { return lastOpener_; }

    // The pointer moved to p (window coordinates) over window `level`.
    void MouseAt(int level, Point p);
    // The pointer is over another window.
    void MouseAway(int level);
    void MouseUp(int level, Point p);
    // Keys go to the last window.
    void KeyDown(int key);
    void TimerFired(int id);

    static constexpr int kSubmenuTimer = 0;
    static int ScrollTimerOf(int level) { return 1 + level; }

  private:
    void OpenWindow(const Rect& anchor, const TMenuItem& item, bool upward, bool submenu, int first);
    void BuildLevel(PopupLevel& level, const TMenuItem& item, int first);
    void Enter(int level, int index, bool byMouse);
    void Leave(int level, int index);
    void ItemAction(int level, int index, bool fromKeyboard, bool isClick);
    void OpenSubmenu(int level, int index);
    void StopSubmenuTimer();
    void StartScroll(int level, int code);
    void StopScroll(int level);
    void ScrollStep(int level);
    void MoveBy(int level, int step);
    void Escape();
    void Redraw(PopupLevel& level, int index);

    MenuPlatform& platform_;
    MenuSettings settings_;
    std::vector<std::unique_ptr<PopupLevel>> chain_;
    const TspSkinData* skinData_ = nullptr;
    MenuOpener* opener_ = nullptr;
    MenuOpener* lastOpener_ = nullptr;
    bool menuOpen_ = false;
    bool firstLevel_ = false;
    Rect workArea_;
    // The item waiting for its submenu: its window and index.
    int pendingLevel_ = -1;
    int pendingIndex_ = -1;
};

}  // namespace vemora::skin
