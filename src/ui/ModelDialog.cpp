#include "ui/ModelDialog.h"

#include <QDialogButtonBox>
#include <QPushButton>

#include "ui/QtText.h"
#include "ui/QtUserInterface.h"

namespace tabrix {

QDialogButtonBox* OkCancelButtons(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(ToQ("キャンセル"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

ModelDialog::ModelDialog(CDialogModel& model, QWidget* parent) : QDialog(parent), m_model(model) {}

ModelDialog::~ModelDialog() = default;

IUserInterface& ModelDialog::userInterface() {
    if (m_ui) return *m_ui;
    if (!m_ownUi) m_ownUi = std::make_unique<QtUserInterface>(this);
    return *m_ownUi;
}

void ModelDialog::accept() {
    if (!storeToModel()) return;
    if (!AcceptDialog(userInterface(), m_model)) return;
    QDialog::accept();
}

}  // namespace tabrix
