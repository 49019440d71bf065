#include "app/Option.h"

#include <charconv>
#include <cstdio>

#include "text/SpaceMark.h"

namespace tabrix {

namespace {

bool ParseInt(std::string_view text, int& value) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

EraDate EraDateOf(const std::string& text, const std::string& fallback) {
    EraDate date;
    if (!ParseEraDate(text, date)) ParseEraDate(fallback, date);
    return date;
}

}  // namespace

bool ParseEraDate(std::string_view text, EraDate& date) {
    const std::size_t first = text.find('/');
    const std::size_t second = first == std::string_view::npos ? first : text.find('/', first + 1);
    if (second == std::string_view::npos) return false;
    EraDate parsed;
    if (!ParseInt(text.substr(0, first), parsed.year) ||
        !ParseInt(text.substr(first + 1, second - first - 1), parsed.month) ||
        !ParseInt(text.substr(second + 1), parsed.day))
        return false;
    if (parsed.year < 1 || parsed.year > 9999 || parsed.month < 1 || parsed.month > 12 ||
        parsed.day < 1 || parsed.day > 31)
        return false;
    date = parsed;
    return true;
}

std::string FormatEraDate(const EraDate& date) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", date.year, date.month, date.day);
    return text;
}

FontChoice FontChoiceOf(const std::string& name, const std::string& size, const std::string& style) {
    FontChoice font;
    font.face = name;
    int points = 0;
    if (ParseInt(size, points) && points > 0) font.pointSize = points;
    font.weight = (style == "太字" || style == "太字 斜体") ? 700 : 400;
    font.italic = style == "斜体" || style == "太字 斜体";
    return font;
}

std::string FontStyleWord(int weight, bool italic) {
    if (weight == 700 && italic) return "太字 斜体";
    if (weight == 700) return "太字";
    if (italic) return "斜体";
    return "標準";
}

void COption::setFont(const FontChoice& font) {
    FontName = font.face;
    FontSize = std::to_string(font.pointSize);
    FontStyle = FontStyleWord(font.weight, font.italic);
}

void COption::fillFrom(const Settings& s) {
    const Settings defaults;
    DefDir = s.DefDir;
    FontName = s.FontName;
    FontSize = s.FontSize;
    FontStyle = s.FontStyle;
    NoEditClr = s.NoEditClr;
    VirtualClr = s.VirtualClr;
    PsizeMode = s.PsizeMode;
    TsizeMode = s.TsizeMode;
    RecNum = s.RecNum;
    OpenDlg = s.OpenDlg != 0;
    HanspDisp = s.HanspDisp != 0;
    HanspChar = s.HanspChar;
    ZenspDisp = s.ZenspDisp != 0;
    ZenspChar = s.ZenspChar;
    SavePos = s.SavePos != 0;
    PrnmMde = s.PrnmMde != 0;
    WindBar = s.WindBar != 0;
    WindBarPos = s.WindBarPos == 0 ? 0 : 1;
    ColorDisp = s.ColorDisp != 0;
    BackColor1 = s.BackColor1;
    BackColor2 = s.BackColor2;
    ForeColor = s.ForeColor;
    for (std::size_t i = 0; i < 4; ++i) {
        GengoDate[i] = EraDateOf(s.GengoDate[i], defaults.GengoDate[i]);
        GengoShort[i] = s.GengoShort[i];
        GengoLong[i] = s.GengoLong[i];
    }
    ColNumErr = s.ColNumErr != 0;
    CtlNumErr = s.CtlNumErr != 0;
    NewLine = s.NewLine;
    NewCol = s.NewCol;
    UndoMemory = s.UndoMemory;
}

void COption::applyTo(Settings& s) const {
    s.DefDir = DefDir;
    s.FontName = FontName;
    s.FontSize = FontSize;
    s.FontStyle = FontStyle;
    s.NoEditClr = NoEditClr;
    s.VirtualClr = VirtualClr;
    s.PsizeMode = PsizeMode;
    s.Psize = PageSizeOfMode(PsizeMode);
    s.TsizeMode = TsizeMode;
    s.Tsize = TranPageSizeOfMode(TsizeMode);
    s.RecNum = RecNum;
    s.OpenDlg = OpenDlg;
    s.HanspDisp = HanspDisp;
    s.HanspChar = HanspChar;
    s.ZenspDisp = ZenspDisp;
    s.ZenspChar = ZenspChar;
    s.SavePos = SavePos;
    s.PrnmMde = PrnmMde;
    s.WindBar = WindBar;
    s.WindBarPos = WindBarPos;
    s.ColorDisp = ColorDisp;
    s.BackColor1 = BackColor1;
    s.BackColor2 = BackColor2;
    s.ForeColor = ForeColor;
    for (std::size_t i = 0; i < 4; ++i) {
        s.GengoDate[i] = FormatEraDate(GengoDate[i]);
        s.GengoShort[i] = GengoShort[i];
        s.GengoLong[i] = GengoLong[i];
    }
    s.ColNumErr = ColNumErr;
    s.CtlNumErr = CtlNumErr;
    s.NewLine = NewLine;
    s.NewCol = NewCol;
    s.UndoMemory = UndoMemory;
}

void COption::resetDefaults() {
    ResetSettings(m_settings);
    fillFrom(m_settings);
}

std::string COption::validate() const {
    if (DefDir.empty()) return "ディレクトリ名を入力して下さい。";
    if (HanspDisp && HanspChar.size() != 1)
        return "半角スペース文字を表示する場合は、１文字で入力して下さい。";
    if (HanspDisp && !IsUsableHalfMark(HanspChar)) return kUnusableHalfMark;
    if (ZenspDisp && ZenspChar.size() != 2)
        return "全角スペース文字を表示する場合は、２文字で入力して下さい。";
    if (ZenspDisp && !IsUsableFullMark(ZenspChar)) return kUnusableFullMark;
    for (std::size_t i = 0; i < 4; ++i)
        if (GengoShort[i].empty() || GengoLong[i].empty()) return "元号は、入力必須です。";
    for (const std::string& name : GengoLong)
        if (name.size() != 4) return "元号の長い形式は、4byteで入力して下さい。";
    return {};
}

}  // namespace tabrix
