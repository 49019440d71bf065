// The writers of the date and time notations, weekday and age.
#include <cstddef>
#include <string>
#include <utility>

#include "text/Dates.h"
#include "text/DecimalText.h"

namespace tabrix {
namespace {

enum class EraForm { kWestern, kLetter, kName };

struct DateForm {
    FormatBits bit;
    EraForm era;
    std::string_view afterYear, afterMonth, afterDay;
    bool withTime;
};

constexpr DateForm kDateForms[] = {
    {kFmtDate1, EraForm::kWestern, "", "", "", false},
    {kFmtDate2, EraForm::kWestern, "/", "/", "", false},
    {kFmtDate3, EraForm::kWestern, "年", "月", "日", false},
    {kFmtDate4, EraForm::kLetter, ".", ".", "", false},
    {kFmtDate5, EraForm::kName, "年", "月", "日", false},
    {kFmtDate6, EraForm::kWestern, "/", "/", "", true},
};

struct TimeForm {
    FormatBits bit;
    std::string_view afterHour, afterMinute, afterSecond;
    bool withSeconds;
};

constexpr TimeForm kTimeForms[] = {
    {kFmtTime1, "", "", "", false},     {kFmtTime2, ":", "", "", false},
    {kFmtTime3, "時", "分", "", false}, {kFmtTime4, "", "", "", true},
    {kFmtTime5, ":", ":", "", true},    {kFmtTime6, "時", "分", "秒", true},
};

template <typename Form, std::size_t N>
const Form* FormOf(const Form (&forms)[N], FormatBits bit) {
    for (const Form& form : forms) {
        if (form.bit == bit) return &form;
    }
    return nullptr;
}

void AppendTime(std::string& out, const TimeForm& form, int hour, int minute, int second) {
    AppendDecimal(out, hour, 2);
    out += form.afterHour;
    AppendDecimal(out, minute, 2);
    out += form.afterMinute;
    if (form.withSeconds) {
        AppendDecimal(out, second, 2);
        out += form.afterSecond;
    }
}

// False only for an era form of a date outside every era.
bool WriteDate(const LocalDateTime& date, const EraTable& eras, const DateForm& form,
               std::string& out) {
    out.clear();
    int year = date.year;
    int yearWidth = 4;
    if (form.era != EraForm::kWestern) {
        const EraEntry* era = EraOf(eras, DayNumber(date.year, date.month, date.day));
        if (era == nullptr) return false;
        out = form.era == EraForm::kLetter ? era->shortName : era->longName;
        year = date.year - era->startYear + 1;
        yearWidth = 2;
    }
    AppendDecimal(out, year, yearWidth);
    out += form.afterYear;
    AppendDecimal(out, date.month, 2);
    out += form.afterMonth;
    AppendDecimal(out, date.day, 2);
    out += form.afterDay;
    if (form.withTime) {
        out += ' ';
        AppendTime(out, *FormOf(kTimeForms, kFmtTime5), date.hour, date.minute, date.second);
    }
    return true;
}

}  // namespace

bool FormatDate(std::string& text, const EraTable& eras, FormatBits dateBit) {
    const DateForm* form = FormOf(kDateForms, dateBit);
    LocalDateTime date;
    std::string written;
    if (form == nullptr || !ParseDate(text, eras, date) || !WriteDate(date, eras, *form, written)) {
        return false;
    }
    text = std::move(written);
    return true;
}

bool FormatTime(std::string& text, FormatBits timeBit) {
    const TimeForm* form = FormOf(kTimeForms, timeBit);
    TimeOfDay time;
    if (form == nullptr || !ParseTime(text, time)) return false;
    std::string written;
    AppendTime(written, *form, time.hour, time.minute, time.second);
    text = std::move(written);
    return true;
}

bool WeekdayOf(std::string& text, const EraTable& eras) {
    LocalDateTime date;
    if (!ParseDate(text, eras, date)) return false;
    text = WeekdayName(WeekdayIndex(DayNumber(date.year, date.month, date.day)));
    return true;
}

bool AgeOf(std::string_view text, const EraTable& eras, int& years, const Clock& clock) {
    const LocalDateTime today = clock.now();
    LocalDateTime date;
    if (!IsValidDate(today.year, today.month, today.day) || !ParseDate(text, eras, date) ||
        DayNumber(date.year, date.month, date.day) >
            DayNumber(today.year, today.month, today.day)) {
        return false;
    }
    const bool anniversaryReached =
        today.month > date.month || (today.month == date.month && today.day >= date.day);
    years = today.year - date.year - (anniversaryReached ? 0 : 1);
    return true;
}

std::string DateText(const LocalDateTime& date) {
    std::string text;
    AppendDecimal(text, date.year, 4);
    text += '/';
    AppendDecimal(text, date.month, 2);
    text += '/';
    AppendDecimal(text, date.day, 2);
    return text;
}

std::string TodayText(const Clock& clock) {
    return DateText(clock.now());
}

}  // namespace tabrix
