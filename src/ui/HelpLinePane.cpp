#include "ui/HelpLinePane.h"

#include <QFontMetrics>
#include <QResizeEvent>

namespace tabrix {

CHelpLinePane::CHelpLinePane(QWidget* parent) : QLabel(parent) {
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void CHelpLinePane::setFullText(const QString& text) {
    if (text == m_text) return;
    m_text = text;
    fit();
}

QSize CHelpLinePane::minimumSizeHint() const { return {0, QLabel::minimumSizeHint().height()}; }

QSize CHelpLinePane::sizeHint() const { return {0, QLabel::sizeHint().height()}; }

void CHelpLinePane::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    fit();
}

void CHelpLinePane::fit() {
    const QString shown = fontMetrics().elidedText(m_text, Qt::ElideRight, contentsRect().width());
    setText(shown);
    setToolTip(shown == m_text ? QString() : m_text);
}

}  // namespace tabrix
