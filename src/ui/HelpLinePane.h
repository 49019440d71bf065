// The message pane of the status bar: the help line of the column with the
// focus, which is often longer than the pane. It shows what fits, ending in
// "…", and the whole text as its tooltip; it asks for no width of its own, so
// a long help line never widens the main window beyond its saved size.
#pragma once

#include <QLabel>

namespace tabrix {

class CHelpLinePane : public QLabel {
    Q_OBJECT
public:
    explicit CHelpLinePane(QWidget* parent = nullptr);

    void setFullText(const QString& text);
    QString fullText() const { return m_text; }

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fit();

    QString m_text;
};

}  // namespace tabrix
