#include "ui/CalendarDlgs.h"

#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QLocale>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "ui/QtText.h"

namespace tabrix {

CalendarDialog::CalendarDialog(CCalenDlg& model, QWidget* parent)
    : ModelDialog(model, parent), m_model(model), m_calendar(new QCalendarWidget(this)) {
    setWindowTitle(ToQ(CCalenDlg::kCaption));
    m_calendar->setObjectName(QStringLiteral("calendar"));
    // Japanese month and day names, the week from Sunday, the days the readers accept.
    m_calendar->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    m_calendar->setFirstDayOfWeek(Qt::Sunday);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendar->setDateRange(QDate(CCalenDlg::kFirstYear, 1, 1), QDate(CCalenDlg::kLastYear, 12, 31));
    m_calendar->setSelectedDate(QDate(model.m_nYear, model.m_nMonth, model.m_nDay));
    connect(m_calendar, &QCalendarWidget::activated, this, &CalendarDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_calendar);
    layout->addWidget(OkCancelButtons(this));
}

bool CalendarDialog::storeToModel() {
    const QDate day = m_calendar->selectedDate();
    m_model.m_bSelected = day.isValid();
    if (day.isValid()) {
        m_model.m_nYear = day.year();
        m_model.m_nMonth = day.month();
        m_model.m_nDay = day.day();
    }
    return true;
}

TimeDialog::TimeDialog(CTimeDlg& model, QWidget* parent)
    : ModelDialog(model, parent), m_model(model), m_time(new QTimeEdit(this)) {
    setWindowTitle(ToQ(CTimeDlg::kCaption));
    m_time->setObjectName(QStringLiteral("time"));
    m_time->setDisplayFormat(QStringLiteral("HH:mm"));
    m_time->setTime(QTime(model.m_nHour, model.m_nMinute));
    m_time->setMinimumWidth(140);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_time);
    layout->addWidget(OkCancelButtons(this));
}

bool TimeDialog::storeToModel() {
    const QTime time = m_time->time();
    m_model.m_nHour = time.hour();
    m_model.m_nMinute = time.minute();
    return true;
}

}  // namespace tabrix
