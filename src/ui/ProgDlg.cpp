#include "ui/ProgDlg.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

#include <climits>

#include "ui/QtText.h"

namespace tabrix {

namespace {
constexpr qint64 kRepaintIntervalMs = 50;
}

CProgDlg::CProgDlg(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_mainWindow(mainWindow),
      m_label(new QLabel(this)),
      m_bar(new QProgressBar(this)) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_bar);
    m_bar->setTextVisible(false);
    setFixedWidth(360);
    setAutoFillBackground(true);
    setObjectName(QStringLiteral("progressWindow"));
    setStyleSheet(QStringLiteral("#progressWindow { border: 1px solid palette(dark); }"));
}

void CProgDlg::create(std::string_view text) {
    m_label->setText(ToQ(text));
    m_divisor = 1;
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    adjustSize();
    const QRect area = m_mainWindow && m_mainWindow->isVisible()
                           ? m_mainWindow->frameGeometry()
                           : (screen() ? screen()->availableGeometry() : QRect(0, 0, 800, 600));
    move(area.center() - rect().center());
    show();
    raise();
    paintNow();
}

void CProgDlg::setText(std::string_view text) {
    m_label->setText(ToQ(text));
    paintNow();
}

void CProgDlg::setRange(std::int64_t maximum) {
    maximum = std::max<std::int64_t>(maximum, 0);
    m_divisor = maximum / INT_MAX + 1;
    m_bar->setRange(0, static_cast<int>(maximum / m_divisor));
    m_bar->setValue(0);
}

void CProgDlg::setPos(std::int64_t pos) {
    const int value = static_cast<int>(std::clamp<std::int64_t>(pos / m_divisor, 0, m_bar->maximum()));
    if (value == m_bar->value()) return;
    m_bar->setValue(value);
    if (!m_sincePaint.isValid() || m_sincePaint.elapsed() >= kRepaintIntervalMs) paintNow();
}

void CProgDlg::destroy() { hide(); }

void CProgDlg::paintNow() {
    if (!isVisible()) return;
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_sincePaint.restart();
}

QString CProgDlg::text() const { return m_label->text(); }
int CProgDlg::barValue() const { return m_bar->value(); }
int CProgDlg::barMaximum() const { return m_bar->maximum(); }

}  // namespace tabrix
