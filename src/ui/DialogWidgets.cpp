#include "ui/DialogWidgets.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/Cp932Validator.h"
#include "ui/QtText.h"
#include "ui/QtUserInterface.h"

namespace tabrix {

QLineEdit* TextEdit(QWidget* parent, const char* name, int maxBytes) {
    auto* edit = new QLineEdit(parent);
    edit->setValidator(new Cp932Validator(maxBytes, edit));
    edit->setObjectName(QLatin1String(name));
    edit->setMinimumWidth(240);
    return edit;
}

QSpinBox* Spin(int minimum, int maximum, int value, QWidget* parent, const char* name) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(minimum, maximum);
    spin->setValue(value);
    spin->setObjectName(QLatin1String(name));
    return spin;
}

QGroupBox* RadioBox(const char* title, std::span<const char* const> captions, QButtonGroup*& group, QWidget* parent,
                    const char* name) {
    auto* box = new QGroupBox(ToQ(title), parent);
    group = new QButtonGroup(box);
    group->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(box);
    int id = 0;
    for (const char* caption : captions) {
        auto* radio = new QRadioButton(ToQ(caption), box);
        radio->setObjectName(QLatin1String(name) + QString::number(id));
        group->addButton(radio, id++);
        layout->addWidget(radio);
    }
    return box;
}

void Check(QButtonGroup* group, int id) {
    if (QAbstractButton* button = group->button(id)) button->setChecked(true);
}

QButtonGroup* Radios(QWidget* parent, QBoxLayout* layout, std::initializer_list<const char*> captions, int checked,
                     const char* name) {
    auto* group = new QButtonGroup(parent);
    if (name) group->setObjectName(QLatin1String(name));
    int id = 0;
    for (const char* caption : captions) {
        auto* button = new QRadioButton(ToQ(caption), parent);
        if (name) button->setObjectName(QLatin1String(name) + QString::number(id));
        group->addButton(button, id);
        layout->addWidget(button);
        if (id == checked) button->setChecked(true);
        ++id;
    }
    return group;
}

QGroupBox* Framed(QWidget* parent, const char* caption, QLayout* inner) {
    auto* box = new QGroupBox(ToQ(caption), parent);
    box->setLayout(inner);
    return box;
}

bool StoreText(const QLineEdit* edit, std::string& text, IUserInterface& ui) {
    QString bad;
    if (FromQ(edit->text(), text, &bad)) return true;
    ui.messageBox(UnencodableMessage(bad), MsgIcon::Stop);
    return false;
}

}  // namespace tabrix
