#include "ui/DelimiterGroup.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QRadioButton>

#include "ui/Cp932Validator.h"
#include "ui/QtText.h"

namespace tabrix {

DelimiterGroup::DelimiterGroup(const QString& title, QWidget* parent, bool withOther)
    : QGroupBox(title, parent), m_other(new QLineEdit(this)) {
    static const char* const kCaptions[] = {"ＣＳＶ形式", "ＴＡＢ区切", "ｽﾍﾟｰｽ区切", "その他"};
    auto* grid = new QGridLayout(this);
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        m_buttons[i] = new QRadioButton(ToQ(kCaptions[i]), this);
        m_buttons[i]->setObjectName(QStringLiteral("delimiter%1").arg(i));
        grid->addWidget(m_buttons[i], static_cast<int>(i / 2), static_cast<int>(i % 2) * 2);
        connect(m_buttons[i], &QRadioButton::toggled, this, &DelimiterGroup::updateEnabling);
    }
    m_other->setObjectName(QStringLiteral("otherDelimiter"));
    m_other->setValidator(new Cp932Validator(1, m_other));
    m_other->setMaximumWidth(40);
    grid->addWidget(m_other, 1, 3);
    grid->setColumnStretch(4, 1);
    m_buttons[0]->setChecked(true);
    m_buttons[3]->setVisible(withOther);
    m_other->setVisible(withOther);
}

void DelimiterGroup::setChoice(DelimKind choice, const std::string& other) {
    m_buttons[static_cast<std::size_t>(choice)]->setChecked(true);
    m_other->setText(ToQ(other));
    updateEnabling();
}

DelimKind DelimiterGroup::choice() const {
    for (std::size_t i = 0; i < m_buttons.size(); ++i)
        if (m_buttons[i]->isChecked()) return static_cast<DelimKind>(i);
    return DelimKind::Csv;
}

QString DelimiterGroup::otherText() const { return m_other->text(); }

void DelimiterGroup::updateEnabling() { m_other->setEnabled(choice() == DelimKind::Other); }

}  // namespace tabrix
