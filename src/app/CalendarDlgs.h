// The input dialogs of date and time cells, as data: "カレンダー画面", a month
// calendar whose value is a day, and "時刻入力画面", a picker of hour and minute.
#pragma once

#include "app/UserInterface.h"
#include "text/Calendar.h"

namespace tabrix {

class CCalenDlg : public CDialogModel {
public:
    static constexpr const char* kCaption = "カレンダー画面";
    static constexpr int kFirstYear = 1000;
    static constexpr int kLastYear = 9999;

    // The selected day; the calendar starts on it.
    int m_nYear = 2000;
    int m_nMonth = 1;
    int m_nDay = 1;
    bool m_bSelected = true;  // the calendar reports a selected day

    // Without a day to take, OK does nothing.
    bool refusesSilently() const override { return !m_bSelected || !IsValidDate(m_nYear, m_nMonth, m_nDay); }
};

class CTimeDlg : public CDialogModel {
public:
    static constexpr const char* kCaption = "時刻入力画面";

    int m_nHour = 0;    // 0-23
    int m_nMinute = 0;  // 0-59

    bool refusesSilently() const override { return m_nHour < 0 || m_nHour > 23 || m_nMinute < 0 || m_nMinute > 59; }
};

}  // namespace tabrix
