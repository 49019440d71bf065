// The options dialog as data: one field per control, the enable rules, the
// checks of OK in order with their messages, and the transfer from and to the
// settings. The desktop dialog only binds widgets to these fields.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "app/Settings.h"
#include "app/UserInterface.h"

namespace tabrix {

struct EraDate {
    int year = 0;
    int month = 0;
    int day = 0;
    bool operator==(const EraDate&) const = default;
};

// "1989/01/08" gives {1989, 1, 8}; false when the text is no such date.
bool ParseEraDate(std::string_view text, EraDate& date);
std::string FormatEraDate(const EraDate& date);  // "%04d/%02d/%02d"

// What the font chooser starts from and gives back.
struct FontChoice {
    std::string face;  // code page 932
    int pointSize = 10;
    int weight = 400;  // 400 regular, 700 bold
    bool italic = false;
};

// The chooser's preset from the three font settings: weight 700 for "太字" and
// "太字 斜体", italic for "斜体" and "太字 斜体".
FontChoice FontChoiceOf(const std::string& name, const std::string& size, const std::string& style);
// The style word of a chosen font: "太字 斜体", "太字", "斜体" or "標準".
std::string FontStyleWord(int weight, bool italic);

class COption : public CDialogModel {
public:
    static constexpr int kRecentMin = 0;
    static constexpr int kRecentMax = 20;
    static constexpr int kNewMin = 1;
    static constexpr int kNewMax = 65535;
    static constexpr int kUndoMemoryMax = 400;
    // A mark the data could hold as a structure byte would not turn back into
    // a space on saving.
    static constexpr const char* kUnusableHalfMark =
        "半角スペース表示文字に、TAB・制御文字・ダブルコーテーションは使用出来ません。";
    static constexpr const char* kUnusableFullMark =
        "全角スペース文字を表示する場合は、全角１文字で入力して下さい。";

    // Filled from the settings it edits; OK and "初期値" write back to them.
    explicit COption(Settings& settings) : m_settings(settings) { fillFrom(settings); }

    std::string DefDir;
    std::string FontName;
    std::string FontSize;
    std::string FontStyle;
    std::uint32_t NoEditClr = 0;
    std::uint32_t VirtualClr = 0;
    int PsizeMode = 0;
    int TsizeMode = 0;
    int RecNum = 0;
    bool OpenDlg = false;
    bool HanspDisp = false;
    std::string HanspChar;
    bool ZenspDisp = false;
    std::string ZenspChar;
    bool SavePos = false;
    bool PrnmMde = false;
    bool WindBar = false;
    int WindBarPos = 0;  // 0 top, 1 bottom
    bool ColorDisp = false;
    std::uint32_t BackColor1 = 0;
    std::uint32_t BackColor2 = 0;
    std::uint32_t ForeColor = 0;
    std::array<EraDate, 4> GengoDate{};
    std::array<std::string, 4> GengoShort;
    std::array<std::string, 4> GengoLong;
    bool ColNumErr = false;
    bool CtlNumErr = false;
    int NewLine = 0;
    int NewCol = 0;
    int UndoMemory = 0;  // percent of the document the undo journal may hold

    void fillFrom(const Settings& settings);
    // The fields become the settings, Psize and Tsize derived from the two choices.
    void applyTo(Settings& settings) const;
    // OK: applyTo the edited settings.
    void apply() const { applyTo(m_settings); }
    // "初期値": the defaults become the edited settings at once and the fields
    // follow, so they stay even when the dialog is then cancelled.
    void resetDefaults();

    // Enable rules of the controls.
    bool hanspCharEnabled() const { return HanspDisp; }
    bool zenspCharEnabled() const { return ZenspDisp; }
    bool backColor2Enabled() const { return ColorDisp; }
    bool windBarPosEnabled() const { return WindBar; }

    void setFont(const FontChoice& font);
    FontChoice font() const { return FontChoiceOf(FontName, FontSize, FontStyle); }

    std::string validate() const override;

private:
    Settings& m_settings;
};

}  // namespace tabrix
