// The one progress window of the program: a caption line and a bar in a small
// window without title bar, centred on the main window, shown without
// blocking. Long passes run on the user-interface thread, so the window paints
// itself: once when shown and, throttled, when the position moves.
#pragma once

#include <QElapsedTimer>
#include <QWidget>

#include "app/UserInterface.h"

class QLabel;
class QProgressBar;

namespace tabrix {

class CProgDlg : public QWidget, public IProgress {
    Q_OBJECT
public:
    explicit CProgDlg(QWidget* mainWindow);

    void create(std::string_view text) override;
    void setText(std::string_view text) override;
    void setRange(std::int64_t maximum) override;
    void setPos(std::int64_t pos) override;
    void destroy() override;

    QString text() const;
    int barValue() const;
    int barMaximum() const;

private:
    void paintNow();

    QWidget* m_mainWindow;
    QLabel* m_label;
    QProgressBar* m_bar;
    std::int64_t m_divisor = 1;  // the bar holds an int: large ranges are scaled down
    QElapsedTimer m_sincePaint;
};

}  // namespace tabrix
