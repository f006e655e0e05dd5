#include "skin/menus/skin_menu.h"

#include <algorithm>

namespace vemora::skin {

PopupSkin PopupSkinOf(const TspSkinData* skin) {
    PopupSkin result;
    if (!skin || skin->Empty()) return result;
    const auto validPicture = [&](int index) {
        return index >= 0 && size_t(index) < skin->ActivePictures.size() &&
               !skin->ActivePictures[size_t(index)].IsEmpty();
    };
    const TspDataSkinPopupWindow& window = skin->PopupWindowData;
    if (validPicture(window.WindowPictureIndex)) {
        const Image24& picture = skin->ActivePictures[size_t(window.WindowPictureIndex)];
        result.window = &window;
        result.pictureWidth = picture.Width();
        result.pictureHeight = picture.Height();
    }
    int index = skin->IndexOfObject("MENUITEM");
    if (index < 0) index = skin->IndexOfObject("menuitem");
    if (index >= 0) {
        const auto* item = dynamic_cast<const TspDataSkinMenuItem*>(skin->SkinObjects[size_t(index)].get());
        // An item picture the skin does not hold leaves nothing to draw from: the built-in look.
        if (item && validPicture(item->ActivePictureIndex)) result.item = item;
    }
    return result;
}

Rect PopupLevel::TopBand() const {
    const Rect& r = ItemsRect();
    return {r.left, r.top, r.right, r.top + kScrollBandHeight};
}

Rect PopupLevel::BottomBand() const {
    const Rect& r = ItemsRect();
    return {r.left, r.bottom - kScrollBandHeight, r.right, r.bottom};
}

std::vector<int> PopupLevel::Heights() const {
    std::vector<int> heights;
    for (const TspSkinMenuItem& item : items) heights.push_back(item.height);
    return heights;
}

int PopupLevel::ItemAt(Point p) const {
    for (size_t i = 0; i < items.size(); ++i) {
        const Rect& r = items[i].rect;
        if (items[i].visible && p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom)
            return int(i);
    }
    return -1;
}

void PopupLevel::LayOut() {
    std::vector<PopupRow> rows;
    visibleCount = LayOutPopupRows(rows, Heights(), ItemsRect(), ScrollMode(), firstVisible);
    for (size_t i = 0; i < items.size(); ++i) {
        items[i].rect = rows[i].rect;
        items[i].visible = rows[i].visible;
    }
}

TspSkinMenu::~TspSkinMenu() {
    // Windows go from the last; nobody is told any more.
    while (!chain_.empty()) chain_.pop_back();
}

void TspSkinMenu::SetMaxMenuItemsInWindow(int value) {
    if (value >= 0) settings_.maxMenuItemsInWindow = value;
}

void TspSkinMenu::PopupMenuAt(MenuOpener* opener, const TspSkinData* skinData, bool upward,
                              const TMenuItem& root, const Rect& anchor, int first) {
    // The old chain's opener hears that its chain closed; the new one only of its own.
    CloseFrom(0);
    opener_ = opener;
    workArea_ = platform_.WorkArea();
    skinData_ = skinData;
    if (root.Count() == 0 || first < 0 || first >= root.Count()) return;
    menuOpen_ = true;
    firstLevel_ = true;
    OpenWindow(anchor, root, upward, false, first);
    firstLevel_ = false;
}

void TspSkinMenu::BuildLevel(PopupLevel& level, const TMenuItem& item, int first) {
    level.parent = &item;
    level.skinData = skinData_;
    level.skin = PopupSkinOf(skinData_);
    if (level.skin.window && level.skin.item && settings_.useSkinFont) {
        level.font = {level.skin.item->Font, settings_.defItemFont.charSet};
    } else {
        level.font = settings_.defItemFont;
    }
    if (skinData_ && skinData_->ResourceStrData()) level.font.charSet = skinData_->ResourceStrData()->CharSet;
    std::vector<PopupItemMetrics> metrics;
    for (int i = first; i < item.Count(); ++i) {
        TMenuItem& child = item[i];
        if (!child.Visible) continue;
        TspSkinMenuItem entry;
        entry.item = &child;
        const int height = PopupItemHeight(level.skin, settings_.defItemHeight, child.IsLine());
        entry.height = height;
        level.items.push_back(entry);
        std::string text = CaptionWithoutPrefix(child.Caption);
        if (!child.ShortCutText.empty()) text += "  " + child.ShortCutText;
        metrics.push_back({platform_.TextWidth(level.font, text) + 2, child.IsLine()});
    }
    level.glyphWidth = 16;
    level.size = FitPopupSize(metrics, level.skin, settings_.defItemHeight, settings_.maxMenuItemsInWindow,
                              level.glyphWidth, RectHeight(workArea_));
    level.LayOut();
}

void TspSkinMenu::OpenWindow(const Rect& anchor, const TMenuItem& item, bool upward, bool submenu,
                             int first) {
    auto level = std::make_unique<PopupLevel>();
    level->submenu = submenu;
    BuildLevel(*level, item, first);
    PopupPlaceRequest request;
    request.anchor = anchor;
    request.workArea = workArea_;
    request.width = level->size.width;
    request.height = level->size.height;
    request.itemsTop = level->ItemsRect().top;
    request.submenu = submenu;
    request.upward = upward;
    request.firstLevel = firstLevel_;
    request.scrollMode = level->size.scrollMode;
    request.maxItemsMode = level->size.maxItemsMode;
    level->position = PlacePopup(request).position;
    PopupLevel& shown = *level;
    chain_.push_back(std::move(level));
    const int index = WindowCount() - 1;
    shown.view = platform_.CreateView(shown);
    if (shown.view) shown.view->Show(shown);
    // A fresh menu shows its first usable item highlighted.
    for (size_t i = 0; i < shown.items.size(); ++i) {
        if (!shown.items[i].Usable()) continue;
        shown.activeIndex = int(i);
        shown.items[i].autoSelected = true;
        Enter(index, int(i), false);
        break;
    }
}

void TspSkinMenu::CloseFrom(int k) {
    k = std::max(k, 0);
    if (pendingLevel_ >= k) {
        StopSubmenuTimer();
        pendingLevel_ = pendingIndex_ = -1;
    }
    while (WindowCount() > k) {
        platform_.KillTimer(ScrollTimerOf(WindowCount() - 1));
        chain_.pop_back();
    }
    if (k == 0 && menuOpen_) {
        StopSubmenuTimer();
        menuOpen_ = false;
        lastOpener_ = opener_;
        MenuOpener* opener = std::exchange(opener_, nullptr);
        if (opener) opener->SkinMenuClosed();
    }
}

void TspSkinMenu::CloseAll() {
    const bool wasOpen = menuOpen_ || !chain_.empty();
    CloseFrom(0);
    StopSubmenuTimer();
    pendingLevel_ = pendingIndex_ = -1;
    if (wasOpen) platform_.HostMenuClosed();
}

void TspSkinMenu::StopSubmenuTimer() {
    platform_.KillTimer(kSubmenuTimer);
}

void TspSkinMenu::Redraw(PopupLevel& level, int index) {
    if (level.view) level.view->RedrawItem(index);
}

void TspSkinMenu::Enter(int levelIndex, int index, bool byMouse) {
    PopupLevel& level = Window(levelIndex);
    TspSkinMenuItem& item = level.items[size_t(index)];
    item.hot = true;
    for (size_t i = 0; i < level.items.size(); ++i) {
        if (int(i) == index || !level.items[i].open) continue;
        level.items[i].open = false;
        Redraw(level, int(i));
    }
    if (item.autoSelected && byMouse) {
        Redraw(level, index);
    } else if (item.open) {
        if (WindowCount() > levelIndex + 1) {
            CloseFrom(levelIndex + 2);
            PopupLevel& sub = Window(levelIndex + 1);
            for (size_t i = 0; i < sub.items.size(); ++i) {
                if (sub.items[i].open) {
                    sub.items[i].open = false;
                    Redraw(sub, int(i));
                }
            }
        }
    } else {
        Redraw(level, index);
        ItemAction(levelIndex, index, !byMouse, false);
    }
}

void TspSkinMenu::Leave(int levelIndex, int index) {
    PopupLevel& level = Window(levelIndex);
    TspSkinMenuItem& item = level.items[size_t(index)];
    item.autoSelected = false;
    item.hot = false;
    if (!item.open) Redraw(level, index);
    if (pendingLevel_ == levelIndex && pendingIndex_ == index) StopSubmenuTimer();
}

void TspSkinMenu::ItemAction(int levelIndex, int index, bool fromKeyboard, bool isClick) {
    TspSkinMenuItem& entry = Window(levelIndex).items[size_t(index)];
    TMenuItem* item = entry.item;
    if (!entry.HasChildren()) {
        StopSubmenuTimer();
        pendingLevel_ = pendingIndex_ = -1;
        if (!isClick) {
            CloseFrom(levelIndex + 1);
            return;
        }
        MenuOpener* opener = opener_;
        CloseAll();
        item->Click();
        if (opener) opener->SkinMenuCommand();
        return;
    }
    if (!isClick) {
        if (fromKeyboard) return;
        CloseFrom(levelIndex + 1);
        pendingLevel_ = levelIndex;
        pendingIndex_ = index;
        platform_.SetTimer(kSubmenuTimer, kSubmenuDelayMs);
        return;
    }
    OpenSubmenu(levelIndex, index);
}

void TspSkinMenu::OpenSubmenu(int levelIndex, int index) {
    PopupLevel& level = Window(levelIndex);
    TMenuItem* item = level.items[size_t(index)].item;
    item->Click();
    StopSubmenuTimer();
    pendingLevel_ = pendingIndex_ = -1;
    // The command may have closed the chain.
    if (levelIndex >= WindowCount() || &Window(levelIndex) != &level) return;
    CloseFrom(levelIndex + 1);
    level.items[size_t(index)].open = true;
    Redraw(level, index);
    const Rect& r = level.items[size_t(index)].rect;
    const Rect anchor{r.left + level.position.x, r.top + level.position.y, r.right + level.position.x,
                      r.bottom + level.position.y};
    for (int i = 0; i < item->Count(); ++i) {
        if ((*item)[i].Visible) {
            OpenWindow(anchor, *item, false, true, 0);
            return;
        }
    }
}

void TspSkinMenu::MouseAt(int levelIndex, Point p) {
    if (levelIndex < 0 || levelIndex >= WindowCount()) return;
    PopupLevel& level = Window(levelIndex);
    if (level.ScrollMode()) {
        const bool inTop = RectContainsPoint(level.TopBand(), p) && p.y < level.TopBand().bottom;
        const bool inBottom = RectContainsPoint(level.BottomBand(), p) && p.y >= level.BottomBand().top;
        if (inTop && level.scrollCode == 0 && level.HiddenAbove()) {
            StartScroll(levelIndex, 1);
            return;
        }
        if (inBottom && level.scrollCode == 0 && level.HiddenBelow()) {
            StartScroll(levelIndex, 2);
            return;
        }
        if (!inTop && !inBottom && level.scrollCode != 0) StopScroll(levelIndex);
    }
    const int index = level.ItemAt(p);
    if (index < 0) return;
    TspSkinMenuItem& item = level.items[size_t(index)];
    if (index == level.activeIndex) {
        if (item.autoSelected) {
            item.autoSelected = false;
            if (item.HasChildren()) Enter(levelIndex, index, true);
        }
        return;
    }
    const int old = level.activeIndex;
    level.oldActiveIndex = old;
    level.activeIndex = index;
    if (old >= 0 && level.items[size_t(old)].Usable()) Leave(levelIndex, old);
    if (item.Usable()) Enter(levelIndex, index, true);
}

void TspSkinMenu::MouseAway(int levelIndex) {
    if (levelIndex < 0 || levelIndex >= WindowCount()) return;
    if (Window(levelIndex).ScrollMode() && Window(levelIndex).scrollCode != 0) StopScroll(levelIndex);
}

void TspSkinMenu::MouseUp(int levelIndex, Point p) {
    if (levelIndex < 0 || levelIndex >= WindowCount()) return;
    PopupLevel& level = Window(levelIndex);
    const int index = level.ItemAt(p);
    if (index < 0 || index != level.activeIndex) return;
    TspSkinMenuItem& item = level.items[size_t(index)];
    if (item.item->IsLine()) return;
    item.autoSelected = false;
    if (!item.open && item.item->Enabled) ItemAction(levelIndex, index, false, true);
}

void TspSkinMenu::StartScroll(int levelIndex, int code) {
    PopupLevel& level = Window(levelIndex);
    level.scrollCode = code;
    if (level.view) level.view->Redraw();
    CloseFrom(levelIndex + 1);
    platform_.SetTimer(ScrollTimerOf(levelIndex), kScrollStepMs);
}

void TspSkinMenu::StopScroll(int levelIndex) {
    PopupLevel& level = Window(levelIndex);
    level.scrollCode = 0;
    platform_.KillTimer(ScrollTimerOf(levelIndex));
    if (level.view) level.view->Redraw();
}

void TspSkinMenu::ScrollStep(int levelIndex) {
    PopupLevel& level = Window(levelIndex);
    if (level.scrollCode == 1 && level.HiddenAbove()) {
        --level.firstVisible;
    } else if (level.scrollCode == 2 && level.HiddenBelow()) {
        ++level.firstVisible;
    } else {
        StopScroll(levelIndex);
        return;
    }
    level.LayOut();
    if (level.view) level.view->Redraw();
}

void TspSkinMenu::TimerFired(int id) {
    if (id == kSubmenuTimer) {
        StopSubmenuTimer();
        const int levelIndex = std::exchange(pendingLevel_, -1);
        const int index = std::exchange(pendingIndex_, -1);
        if (levelIndex >= 0 && levelIndex < WindowCount() && index < int(Window(levelIndex).items.size())) {
            OpenSubmenu(levelIndex, index);
        }
        return;
    }
    const int levelIndex = id - 1;
    if (levelIndex >= 0 && levelIndex < WindowCount()) ScrollStep(levelIndex);
}

void TspSkinMenu::Escape() {
    if (chain_.empty()) return;
    CloseFrom(WindowCount() - 1);
    if (chain_.empty()) return;
    PopupLevel& last = Window(WindowCount() - 1);
    if (last.activeIndex >= 0) {
        last.items[size_t(last.activeIndex)].open = false;
        Redraw(last, last.activeIndex);
    }
}

void TspSkinMenu::MoveBy(int levelIndex, int step) {
    PopupLevel& level = Window(levelIndex);
    const int count = int(level.items.size());
    const int from = level.activeIndex;
    int to = from;
    for (int n = 0; n < count; ++n) {
        to = to < 0 ? (step > 0 ? 0 : count - 1) : (to + step + count) % count;
        if (level.items[size_t(to)].Usable()) break;
    }
    if (to < 0 || to == from || !level.items[size_t(to)].Usable()) return;
    if (level.ScrollMode() && (to < level.firstVisible || to >= level.firstVisible + level.visibleCount)) {
        const bool wrapped = step > 0 ? to < from : to > from;
        if (wrapped) {
            level.firstVisible = step > 0 ? 0 : LastPageFirstIndex(level.Heights(), level.ItemsRect());
            level.LayOut();
        }
        // Otherwise a step at a time until the item shows.
        for (int guard = 0; guard < count && (to < level.firstVisible ||
                                              to >= level.firstVisible + std::max(level.visibleCount, 1));
             ++guard) {
            level.firstVisible += to < level.firstVisible ? -1 : 1;
            level.LayOut();
        }
        if (level.view) level.view->Redraw();
    }
    level.oldActiveIndex = from;
    level.activeIndex = to;
    if (from >= 0 && level.items[size_t(from)].Usable()) Leave(levelIndex, from);
    Enter(levelIndex, to, false);
}

void TspSkinMenu::KeyDown(int key) {
    if (chain_.empty()) return;
    const int levelIndex = WindowCount() - 1;
    PopupLevel& level = Window(levelIndex);
    for (size_t i = 0; i < level.items.size(); ++i) {
        const TspSkinMenuItem& item = level.items[i];
        if (!item.Usable() || AcceleratorOf(item.item->Caption) != key || key == 0) continue;
        const int old = level.activeIndex;
        level.oldActiveIndex = old;
        level.activeIndex = int(i);
        if (old >= 0 && old != int(i) && level.items[size_t(old)].Usable()) Leave(levelIndex, old);
        Enter(levelIndex, int(i), false);
        if (levelIndex < WindowCount() && &Window(levelIndex) == &level && !level.items[i].open) {
            ItemAction(levelIndex, int(i), true, true);
        }
        return;
    }
    const int active = level.activeIndex;
    switch (key) {
        case kMenuKeyReturn:
            if (active >= 0 && level.items[size_t(active)].Usable() && !level.items[size_t(active)].open) {
                ItemAction(levelIndex, active, true, true);
            }
            break;
        case kMenuKeyEscape:
            Escape();
            break;
        case kMenuKeyLeft:
            if (WindowCount() >= 2) Escape();
            break;
        case kMenuKeyRight:
            if (active >= 0 && level.items[size_t(active)].Usable() &&
                level.items[size_t(active)].HasChildren() && !level.items[size_t(active)].open) {
                ItemAction(levelIndex, active, true, true);
            }
            break;
        case kMenuKeyUp:
            MoveBy(levelIndex, -1);
            break;
        case kMenuKeyDown:
            MoveBy(levelIndex, 1);
            break;
        default:
            break;
    }
}

}  // namespace vemora::skin
