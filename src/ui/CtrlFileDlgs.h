// The control file editor on the desktop: "制御ファイル設定" bound to
// CMakeCtrlDlg and "項目設定" bound to CCtrlColDlg. Every button hands the
// typed values to the model, lets it act, and shows the model again; the
// rules and messages are the model's.
#pragma once

#include <array>
#include <iterator>

#include "schema/CtrlColDlg.h"
#include "schema/MakeCtrlDlg.h"
#include "ui/ModelDialog.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace tabrix {

class DelimiterGroup;

class CtrlFileDialog : public ModelDialog {
    Q_OBJECT
public:
    CtrlFileDialog(CMakeCtrlDlg& model, QWidget* parent);

    // OK runs the model's checks, the save question and the notice.
    void accept() override;

protected:
    bool storeToModel() override;

private:
    void loadFromModel();
    // Stores the typed values, runs act, and shows the model again.
    template <typename Act>
    void act(Act action);

    CMakeCtrlDlg& m_model;
    QLineEdit* m_file;
    QLineEdit* m_mdb;
    DelimiterGroup* m_delim;
    QLineEdit* m_keys;
    QCheckBox* m_dupCheck;
    QComboBox* m_menu;
    QButtonGroup* m_ime = nullptr;
    QButtonGroup* m_openDlg = nullptr;
    std::array<QCheckBox*, 6> m_flags{};  // column, row, conversion, help, title line, quotes
    QPushButton* m_columns;
    QPushButton* m_attributes;
};

// "項目属性読込": the lines of the column attributes and the type keywords.
class ColAttrReadDialog : public ModelDialog {
    Q_OBJECT
public:
    ColAttrReadDialog(CColAttrReadDlg& model, QWidget* parent);

protected:
    bool storeToModel() override;

private:
    CColAttrReadDlg& m_model;
    std::array<QSpinBox*, 4> m_lines{};
    std::array<std::array<QLineEdit*, 4>, 4> m_keywords{};
};

class CtrlColDialog : public ModelDialog {
    Q_OBJECT
public:
    CtrlColDialog(CCtrlColDlg& model, QWidget* parent);

    void accept() override;

protected:
    bool storeToModel() override;

private:
    QWidget* makeTextPage();
    QWidget* makeNumberPage();
    QWidget* makeDatePage();
    QWidget* makeTimePage();
    QWidget* makeTranslationPage();
    void loadFromModel();
    template <typename Act>
    void act(Act action);

    CCtrlColDlg& m_model;
    bool m_loading = false;
    QLineEdit* m_number;
    QCheckBox* m_fileCol;
    QCheckBox* m_edit;
    QCheckBox* m_obligate;
    QCheckBox* m_noDisp;
    QLineEdit* m_title;
    QSpinBox* m_length;
    QLineEdit* m_permission;
    QLineEdit* m_initial;
    QComboBox* m_macros;
    QLineEdit* m_replace1;
    QLineEdit* m_replace2;
    QTabWidget* m_tabs;
    // Text page.
    std::array<QCheckBox*, std::size(CCtrlColFmt1::kBoxes)> m_boxes{};
    QCheckBox* m_etc = nullptr;
    QLineEdit* m_etcText = nullptr;
    QCheckBox* m_hanSpConv = nullptr;
    // Number page.
    QButtonGroup* m_numberKind = nullptr;
    QSpinBox* m_allLen = nullptr;
    QSpinBox* m_point = nullptr;
    QLineEdit* m_min = nullptr;
    QLineEdit* m_max = nullptr;
    // Date and time pages.
    QComboBox* m_dateShow = nullptr;
    QComboBox* m_dateSave = nullptr;
    QComboBox* m_timeShow = nullptr;
    QComboBox* m_timeSave = nullptr;
    QButtonGroup* m_round = nullptr;
    QComboBox* m_base = nullptr;
    // Translation page.
    QWidget* m_tranControls = nullptr;
    QCheckBox* m_tran = nullptr;
    QLineEdit* m_tranFile = nullptr;
    DelimiterGroup* m_tranDelim = nullptr;
    QSpinBox* m_keyPos = nullptr;
    QLineEdit* m_namePos = nullptr;
    QLineEdit* m_targets = nullptr;
    QCheckBox* m_autoRun = nullptr;
    // Buttons.
    QPushButton* m_back;
    QPushButton* m_forward;
    QPushButton* m_pick;
    QPushButton* m_addVirtual;
    QPushButton* m_deleteVirtual;
};

}  // namespace tabrix
