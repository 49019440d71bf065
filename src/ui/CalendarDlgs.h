// "カレンダー画面" and "時刻入力画面", the input dialogs of F4 on date and time
// cells, bound to CCalenDlg and CTimeDlg.
#pragma once

#include "app/CalendarDlgs.h"
#include "ui/ModelDialog.h"

class QCalendarWidget;
class QTimeEdit;

namespace tabrix {

class CalendarDialog : public ModelDialog {
    Q_OBJECT
public:
    CalendarDialog(CCalenDlg& model, QWidget* parent);
    QCalendarWidget* calendar() const { return m_calendar; }

protected:
    bool storeToModel() override;

private:
    CCalenDlg& m_model;
    QCalendarWidget* m_calendar;
};

class TimeDialog : public ModelDialog {
    Q_OBJECT
public:
    TimeDialog(CTimeDlg& model, QWidget* parent);
    QTimeEdit* timeEdit() const { return m_time; }

protected:
    bool storeToModel() override;

private:
    CTimeDlg& m_model;
    QTimeEdit* m_time;
};

}  // namespace tabrix
