#include "app/Settings.h"

#include <charconv>

#include "app/SettingsStore.h"
#include "text/SpaceMark.h"

namespace tabrix {

namespace {

// The values each number setting may take: what its control in the options
// dialog allows, and for the window placement a reach beyond any screen.
// Every value read or set passes through here, so that no page size, count
// or flag beyond them ever reaches the code that sizes grids and lists.
struct NumberRange {
    std::string_view name;
    std::int32_t low;
    std::int32_t high;
};

constexpr std::int32_t kScreenReach = 100000;

constexpr NumberRange kNumberRanges[] = {
    {"Show", 0, 11},
    {"PosLeft", -kScreenReach, kScreenReach},
    {"PosTop", -kScreenReach, kScreenReach},
    {"PosRigh", -kScreenReach, kScreenReach},
    {"PosBottom", -kScreenReach, kScreenReach},
    {"PsizeMode", 0, 5},
    {"Psize", 100, 10000},
    {"TsizeMode", 0, 4},
    {"Tsize", 100, 5000},
    {"RecNum", 0, 99},
    {"OpenDlg", 0, 1},
    {"HanspDisp", 0, 1},
    {"ZenspDisp", 0, 1},
    {"SavePos", 0, 1},
    {"PrnmMde", 0, 1},
    {"WindBar", 0, 1},
    {"WindBarPos", 0, 1},
    {"ColorDisp", 0, 1},
    {"ColNumErr", 0, 1},
    {"CtlNumErr", 0, 1},
    {"NewLine", 1, 65535},
    {"NewCol", 1, 65535},
    {"UndoMemory", 0, 400},
};

}  // namespace

bool NumberSettingRange(std::string_view name, std::int32_t& low, std::int32_t& high) {
    for (const NumberRange& range : kNumberRanges) {
        if (range.name == name) {
            low = range.low;
            high = range.high;
            return true;
        }
    }
    return false;
}

std::int32_t ClampNumberSetting(std::string_view name, std::int64_t value) {
    std::int32_t low = INT32_MIN;
    std::int32_t high = INT32_MAX;
    NumberSettingRange(name, low, high);
    return static_cast<std::int32_t>(value < low ? low : value > high ? high : value);
}

bool TextSettingAccepts(std::string_view name, std::string_view value) {
    if (name == "HanspChar") return IsUsableHalfMark(value);
    if (name == "ZenspChar") return IsUsableFullMark(value);
    return true;
}

std::int32_t PageSizeOfMode(std::int32_t mode) {
    static constexpr std::int32_t kSizes[] = {100, 500, 1000, 3000, 5000, 10000};
    return (mode >= 0 && mode < 6) ? kSizes[mode] : 100;
}

std::int32_t TranPageSizeOfMode(std::int32_t mode) {
    static constexpr std::int32_t kSizes[] = {100, 500, 1000, 3000, 5000};
    return (mode >= 0 && mode < 5) ? kSizes[mode] : 100;
}

void ForEachSetting(Settings& s, const SettingVisitor& visit) {
    auto num = [&](std::string_view name, std::int32_t& v) { visit(name, &v, nullptr, nullptr); };
    auto clr = [&](std::string_view name, std::uint32_t& v) { visit(name, nullptr, &v, nullptr); };
    auto str = [&](std::string_view name, std::string& v) { visit(name, nullptr, nullptr, &v); };
    num("Show", s.Show);
    num("PosLeft", s.PosLeft);
    num("PosTop", s.PosTop);
    num("PosRigh", s.PosRigh);
    num("PosBottom", s.PosBottom);
    str("DefDir", s.DefDir);
    str("FontName", s.FontName);
    str("FontSize", s.FontSize);
    str("FontStyle", s.FontStyle);
    clr("NoEditClr", s.NoEditClr);
    clr("VirtualClr", s.VirtualClr);
    num("PsizeMode", s.PsizeMode);
    num("Psize", s.Psize);
    num("TsizeMode", s.TsizeMode);
    num("Tsize", s.Tsize);
    num("RecNum", s.RecNum);
    num("OpenDlg", s.OpenDlg);
    num("HanspDisp", s.HanspDisp);
    str("HanspChar", s.HanspChar);
    num("ZenspDisp", s.ZenspDisp);
    str("ZenspChar", s.ZenspChar);
    num("SavePos", s.SavePos);
    num("PrnmMde", s.PrnmMde);
    num("WindBar", s.WindBar);
    num("WindBarPos", s.WindBarPos);
    num("ColorDisp", s.ColorDisp);
    clr("BackColor1", s.BackColor1);
    clr("BackColor2", s.BackColor2);
    clr("ForeColor", s.ForeColor);
    static constexpr std::string_view kDate[] = {"GengoDate0", "GengoDate1", "GengoDate2", "GengoDate3"};
    static constexpr std::string_view kShort[] = {"GengoShort0", "GengoShort1", "GengoShort2",
                                                  "GengoShort3"};
    static constexpr std::string_view kLong[] = {"GengoLong0", "GengoLong1", "GengoLong2",
                                                 "GengoLong3"};
    for (int i = 0; i < 4; ++i) {
        str(kDate[i], s.GengoDate[i]);
        str(kShort[i], s.GengoShort[i]);
        str(kLong[i], s.GengoLong[i]);
    }
    num("ColNumErr", s.ColNumErr);
    num("CtlNumErr", s.CtlNumErr);
    num("NewLine", s.NewLine);
    num("NewCol", s.NewCol);
    num("UndoMemory", s.UndoMemory);
}

void ResetSettings(Settings& settings) { settings = Settings{}; }

void LoadSettings(Settings& settings, ISettingsStore& store) {
    ForEachSetting(settings, [&](std::string_view name, std::int32_t* number, std::uint32_t* colour,
                                 std::string* text) {
        std::int32_t value = 0;
        if (number && store.readNumber("", name, value)) *number = ClampNumberSetting(name, value);
        if (colour && store.readNumber("", name, value)) *colour = static_cast<std::uint32_t>(value);
        std::string read;
        if (text && store.readString("", name, read) && TextSettingAccepts(name, read)) *text = std::move(read);
    });
    const Settings defaults;
    for (int i = 0; i < 4; ++i) {
        if (settings.GengoDate[i].empty()) {
            settings.GengoDate[i] = defaults.GengoDate[i];
            settings.GengoShort[i] = defaults.GengoShort[i];
            settings.GengoLong[i] = defaults.GengoLong[i];
        }
    }
}

void SaveSettings(const Settings& settings, ISettingsStore& store) {
    Settings copy = settings;
    ForEachSetting(copy, [&](std::string_view name, std::int32_t* number, std::uint32_t* colour,
                             std::string* text) {
        if (number) store.writeNumber("", name, *number);
        if (colour) store.writeNumber("", name, static_cast<std::int32_t>(*colour));
        if (text) store.writeString("", name, *text);
    });
}

namespace {

bool ParseNumber(std::string_view text, std::int64_t& value) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    if (text.empty()) return false;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

bool SetSettingByName(Settings& settings, std::string_view name, std::string_view value) {
    bool found = false;
    bool ok = false;
    ForEachSetting(settings, [&](std::string_view n, std::int32_t* number, std::uint32_t* colour,
                                 std::string* text) {
        if (found || n != name) return;
        found = true;
        if (text) {
            if (!TextSettingAccepts(name, value)) return;
            *text = std::string(value);
            ok = true;
            return;
        }
        std::int64_t parsed = 0;
        if (!ParseNumber(value, parsed)) return;
        if (number) {
            *number = ClampNumberSetting(name, parsed);
            ok = true;
        } else if (colour && parsed >= INT32_MIN && parsed <= UINT32_MAX) {
            *colour = static_cast<std::uint32_t>(parsed);
            ok = true;
        }
    });
    return ok;
}

}  // namespace tabrix
