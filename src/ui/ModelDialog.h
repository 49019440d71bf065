// Base of every desktop dialog bound to a dialog model: OK copies the widgets
// into the model and runs its checks; a failing check is shown with the stop
// icon and the dialog stays open.
#pragma once

#include <QDialog>

#include <memory>

#include "app/UserInterface.h"

class QDialogButtonBox;

namespace tabrix {

// The "OK" and "キャンセル" buttons of a dialog, wired to accept and reject.
QDialogButtonBox* OkCancelButtons(QDialog* dialog);

class ModelDialog : public QDialog {
    Q_OBJECT
public:
    ModelDialog(CDialogModel& model, QWidget* parent);
    ~ModelDialog() override;

    void accept() override;

    // Where the refusal is shown; the desktop's user interface by default.
    void setUserInterface(IUserInterface* ui) { m_ui = ui; }

protected:
    IUserInterface& userInterface();

    // Copies the widgets into the model; false refuses OK (the binding has
    // already told the user why).
    virtual bool storeToModel() = 0;

private:
    CDialogModel& m_model;
    IUserInterface* m_ui = nullptr;
    std::unique_ptr<IUserInterface> m_ownUi;
};

}  // namespace tabrix
