// The dialogs of split save ("分割条件設定", CDivOptDlg) and conditional save
// ("出力条件設定", CSaveOpt).
#pragma once

#include "ui/ModelDialog.h"
#include "view/SaveDialogs.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace tabrix {

class SplitOptDialog : public ModelDialog {
    Q_OBJECT
public:
    SplitOptDialog(CDivOptDlg& model, QWidget* parent);

protected:
    bool storeToModel() override;

private:
    void refresh();
    CDivOptDlg& m_model;
    QButtonGroup* m_mode;
    QButtonGroup* m_title;
    QButtonGroup* m_delim;
    QLineEdit* m_other;
    QSpinBox* m_files;
    QCheckBox* m_perKey;
    QLineEdit* m_outFile;
};

class SaveOptDialog : public ModelDialog {
    Q_OBJECT
public:
    SaveOptDialog(CSaveOpt& model, QWidget* parent);

protected:
    bool storeToModel() override;

private:
    void refresh();
    CSaveOpt& m_model;
    QButtonGroup* m_colMode;
    QButtonGroup* m_rowMode;
    QButtonGroup* m_format;
    QLineEdit* m_other;
    QSpinBox* m_searchCol;
    QLineEdit* m_search;
    QButtonGroup* m_searchType;
    QButtonGroup* m_extract;
    QLineEdit* m_outFile;
    QCheckBox* m_title;
    QCheckBox* m_virtual;
    QWidget* m_searchBox;
};

}  // namespace tabrix
