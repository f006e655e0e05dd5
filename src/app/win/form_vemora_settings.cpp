// The settings: read at every start, copied into the controls in remember mode, and
// written back one value at a time.
#include "app/settings.h"
#include "app/win/form_vemora.h"

namespace vemora {

bool* TFormVemora::BoolSettingField(int number) {
    switch (number) {
        case 11:
            return &FAutoSave;
        case 12:
            return &FAutoClear;
        case 13:
            return &FShowTray;
        case 14:
            return &FRemember;
        default:
            return number >= 1 && number <= 9 ? &FEventFlags[number] : nullptr;
    }
}

skin::TspSkinCheckRadioBox* TFormVemora::SettingCheckBox(int number) {
    switch (number) {
        case 9:
            return &ckWatchSubTree;
        case 11:
            return &ckSetAutoSave;
        case 12:
            return &ckSetAutoClear;
        case 13:
            return &ckSetShowTray;
        case 14:
            return &ckSetRember;
        default:
            for (skin::TspSkinCheckRadioBox& box : eventBoxes) {
                if (box.tag == number) return &box;
            }
            return nullptr;
    }
}

void TFormVemora::LoadSettings() {
    for (const Setting& setting : kSettings) {
        const std::string stored = settings_.Read(setting.section, setting.key);
        if (setting.isText) {
            FDir = stored;
        } else {
            *BoolSettingField(setting.number) = ReadBoolSetting(stored, setting.defaultValue);
        }
    }
}

void TFormVemora::ApplySettings() {
    ePath.SetText(FDir);
    for (const Setting& setting : kSettings) {
        if (!setting.isText) SettingCheckBox(setting.number)->SetChecked(*BoolSettingField(setting.number));
    }
}

void TFormVemora::SaveSetting(int number) {
    const Setting* setting = FindSetting(number);
    if (!setting) return;
    settings_.Write(setting->section, setting->key,
                    setting->isText ? FDir : BoolSettingText(*BoolSettingField(number)));
}

void TFormVemora::ckMonitorFileNameClick(const skin::TspSkinCheckRadioBox& sender) {
    if (FLoading) return;
    bool* field = BoolSettingField(sender.tag);
    if (!field) return;
    *field = sender.Checked();
    if (sender.tag == 9 && watch_) watch_->SetWatchSubtree(*field);
    if (sender.tag == 13) SetTrayIconEnabled(*field);
    if (sender.tag == 14) SaveSetting(14);
    if (FRemember) SaveSetting(sender.tag);
}

void TFormVemora::ePathChange() {
    FDir = ePath.Text();
    if (FRemember) SaveSetting(0);
}

}  // namespace vemora
