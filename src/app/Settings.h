// The per-user settings of the program: every value name, type and default.
//
// Members carry the value names of the store, so a setting reads the same in
// code, in the store and on the tabrix-cli command line (--set Name=Value).
// Strings are code page 932 text. Colours are 0x00BBGGRR values.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tabrix {

class ISettingsStore;

constexpr std::uint32_t kDefaultTextColor = 0xFF000000;  // "use the grid's own text colour"

struct Settings {
    std::int32_t Show = 5;
    std::int32_t PosLeft = 0;
    std::int32_t PosTop = 0;
    std::int32_t PosRigh = 750;
    std::int32_t PosBottom = 530;
    std::string DefDir = ".\\";
    std::string FontName = "ＭＳ Ｐゴシック";
    std::string FontSize = "10";
    std::string FontStyle = "標準";
    std::uint32_t NoEditClr = 0x00FF8000;
    std::uint32_t VirtualClr = 0x00401080;
    std::int32_t PsizeMode = 2;
    std::int32_t Psize = 1000;
    std::int32_t TsizeMode = 0;
    std::int32_t Tsize = 100;
    std::int32_t RecNum = 4;
    std::int32_t OpenDlg = 1;
    std::int32_t HanspDisp = 0;
    std::string HanspChar = "_";
    std::int32_t ZenspDisp = 0;
    std::string ZenspChar = "■";
    std::int32_t SavePos = 1;
    std::int32_t PrnmMde = 0;
    std::int32_t WindBar = 1;
    std::int32_t WindBarPos = 1;
    std::int32_t ColorDisp = 1;
    std::uint32_t BackColor1 = 0x00E0FFFF;
    std::uint32_t BackColor2 = 0x00E0FFE0;
    std::uint32_t ForeColor = kDefaultTextColor;
    std::array<std::string, 4> GengoDate = {"1868/09/08", "1912/07/30", "1926/12/25", "1989/01/08"};
    std::array<std::string, 4> GengoShort = {"M", "T", "S", "H"};
    std::array<std::string, 4> GengoLong = {"明治", "大正", "昭和", "平成"};
    std::int32_t ColNumErr = 0;
    std::int32_t CtlNumErr = 0;
    std::int32_t NewLine = 100;
    std::int32_t NewCol = 10;
    std::int32_t UndoMemory = 25;  // percent of a document's bytes its undo journal may hold
};

// Page sizes of the grid (PsizeMode 0..5) and of the translation window (TsizeMode 0..4);
// any other index gives 100.
std::int32_t PageSizeOfMode(std::int32_t mode);
std::int32_t TranPageSizeOfMode(std::int32_t mode);

void ResetSettings(Settings& settings);
// Missing values keep their defaults; an era without a start date gets all three defaults back.
// Numbers are clamped into their ranges and a space mark that cannot be used keeps its default.
void LoadSettings(Settings& settings, ISettingsStore& store);
void SaveSettings(const Settings& settings, ISettingsStore& store);

// Sets one setting by its value name from text (numbers in decimal or 0x hex),
// a number clamped into its range. Returns false for an unknown name, a number
// that does not parse or a space mark that cannot be used.
bool SetSettingByName(Settings& settings, std::string_view name, std::string_view value);

// The values a number setting may take (what the options dialog allows);
// false for a name without a range (colours take any value).
bool NumberSettingRange(std::string_view name, std::int32_t& low, std::int32_t& high);
std::int32_t ClampNumberSetting(std::string_view name, std::int64_t value);
// Whether a text setting may hold value: the space marks must be usable ones.
bool TextSettingAccepts(std::string_view name, std::string_view value);

// Visits every setting with its value name; exactly one of the two pointers is set.
using SettingVisitor = std::function<void(std::string_view name, std::int32_t* number,
                                          std::uint32_t* colour, std::string* text)>;
void ForEachSetting(Settings& settings, const SettingVisitor& visit);

}  // namespace tabrix
