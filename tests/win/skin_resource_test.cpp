// The skin Vemora.exe carries, and how its loads reach the forms.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/win/resource.h"
#include "skin/data/skin_data.h"
#include "skin/data/win/form_skin_notifier.h"
#include "support/form_fixture.h"
#include "vemora_skin_expectations.h"
#include "win/handles.h"
#include "win/resource_data.h"

namespace vemora {
namespace {

std::wstring BesideThisProgram(const wchar_t* name) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring result(path);
    return result.substr(0, result.find_last_of(L'\\') + 1) + name;
}

TEST(EmbeddedSkin, VemoraExeCarriesItsSkin) {
    win::UniqueModule exe(LoadLibraryExW(BesideThisProgram(L"Vemora.exe").c_str(), nullptr,
                                         LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    ASSERT_TRUE(exe);
    const std::optional<std::vector<uint8_t>> block = win::LoadRcData(exe.get(), IDR_SKIN);
    ASSERT_TRUE(block);
    skin::TspCompressedStoredSkin stored;
    stored.SetCompressedData(*block);
    skin::TspSkinData skinData;
    skinData.SetCompressedStoredSkin(&stored);
    skin::testing::ExpectVemoraSkin(skinData);
}

// Top-level windows that write down the skin messages they receive.
struct Received {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<Received>* g_received = nullptr;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg >= skin::WM_SKIN_CHANGING && msg <= skin::WM_SKIN_STRINGS_CHANGED && g_received) {
        g_received->push_back({hwnd, msg, wp, lp});
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

class RecordingForm {
  public:
    RecordingForm() {
        static const ATOM atom = [] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = RecordingProc;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = L"VemoraSkinRecordingForm";
            return RegisterClassW(&wc);
        }();
        hwnd_ = CreateWindowExW(0, MAKEINTATOM(atom), L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    }
    ~RecordingForm() { DestroyWindow(hwnd_); }
    HWND hwnd() const { return hwnd_; }

  private:
    HWND hwnd_;
};

TEST(EmbeddedSkin, OneLoadReachesTheOwnerFirstThenTheOtherForms) {
    RecordingForm owner, other;
    std::vector<Received> received;
    g_received = &received;
    skin::FormSkinNotifier notifier;
    notifier.SetOwner(owner.hwnd());
    notifier.AddForm(other.hwnd());
    notifier.AddForm(owner.hwnd());  // listed, but told only once
    skin::TspSkinData skinData(&notifier);

    const auto block = win::LoadRcData(GetModuleHandleW(nullptr), IDR_SKIN);
    ASSERT_TRUE(block);
    skin::TspCompressedStoredSkin stored;
    stored.SetCompressedData(*block);
    skinData.SetCompressedStoredSkin(&stored);
    g_received = nullptr;

    const auto wParam = reinterpret_cast<WPARAM>(&skinData);
    const std::vector<std::pair<HWND, UINT>> expected = {
        {owner.hwnd(), skin::WM_SKIN_CHANGING},    {other.hwnd(), skin::WM_SKIN_CHANGING},
        {owner.hwnd(), skin::WM_SKIN_CHANGED},     {other.hwnd(), skin::WM_SKIN_CHANGED},
        {owner.hwnd(), skin::WM_SKIN_CHANGE_DONE}, {other.hwnd(), skin::WM_SKIN_CHANGE_DONE},
    };
    ASSERT_EQ(received.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(received[i].window, expected[i].first) << i;
        EXPECT_EQ(received[i].message, expected[i].second) << i;
        EXPECT_EQ(received[i].wParam, wParam) << i;
        EXPECT_EQ(received[i].lParam, skin::kSkinMessageLParam) << i;
    }
}

class EmbeddedSkinFormTest : public test::FormFixture {};

TEST_F(EmbeddedSkinFormTest, TheMainWindowLoadsItsSkinAtStartWithoutAMessage) {
    EXPECT_FALSE(form->SkinData().Empty());
    EXPECT_EQ(form->SkinData().IndexOfControl("tab"), 12);
    EXPECT_TRUE(ui.messages.empty()) << ui.messages.front().text;
}

}  // namespace
}  // namespace vemora
