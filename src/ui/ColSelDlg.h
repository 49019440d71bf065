// "項目選択", the column chooser, bound to CColSelDlg: a list of the columns,
// "《" "》" to step through the records in data mode.
#pragma once

#include "ui/ModelDialog.h"
#include "view/ColSelDlg.h"

class QListWidget;
class QPushButton;

namespace tabrix {

class ColSelDialog : public ModelDialog {
    Q_OBJECT
public:
    ColSelDialog(CColSelDlg& model, QWidget* parent);

protected:
    bool storeToModel() override;

private:
    void step(bool forward);
    void loadEntries();

    CColSelDlg& m_model;
    QListWidget* m_list;
    QPushButton* m_back;
    QPushButton* m_forward;
};

}  // namespace tabrix
