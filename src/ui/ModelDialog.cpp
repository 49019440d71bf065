#include "ui/ModelDialog.h"

#include "ui/QtUserInterface.h"

namespace tabrix {

ModelDialog::ModelDialog(CDialogModel& model, QWidget* parent) : QDialog(parent), m_model(model) {}

ModelDialog::~ModelDialog() = default;

IUserInterface& ModelDialog::userInterface() {
    if (m_ui) return *m_ui;
    if (!m_ownUi) m_ownUi = std::make_unique<QtUserInterface>(this);
    return *m_ownUi;
}

void ModelDialog::accept() {
    if (!storeToModel()) return;
    const std::string message = m_model.validate();
    if (!message.empty()) {
        userInterface().messageBox(message, MsgIcon::Stop);
        return;
    }
    QDialog::accept();
}

}  // namespace tabrix
