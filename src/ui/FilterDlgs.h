// The row filter's dialogs: "行絞込表示設定" with its nine tabs bound to
// CSampleDlg, the value picker "データ選択" and the character chart
// "サンプル表示".
#pragma once

#include <array>
#include <functional>

#include "ui/ModelDialog.h"
#include "view/FilterDlg.h"
#include "view/PickerDlgs.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;

namespace tabrix {

// A column number box with the title of its column beside it and the "参照"
// of the column chooser (enabled once the chooser is there).
struct ColumnField {
    QSpinBox* number = nullptr;
    QLabel* title = nullptr;
    QPushButton* pick = nullptr;
};

class FilterSettingsDialog : public ModelDialog {
    Q_OBJECT
public:
    FilterSettingsDialog(CSampleDlg& model, QWidget* parent);
    QTabWidget* tabs() const { return m_tabs; }

protected:
    bool storeToModel() override;

private:
    struct SelPage {
        QCheckBox* enable;
        ColumnField col;
        QLineEdit* search;
        QButtonGroup* type;
        QButtonGroup* mode;
    };
    struct RangePage {
        QCheckBox* enable;
        ColumnField col;
        QLineEdit* value1;
        QLineEdit* value2;
        QButtonGroup* mode;
        QButtonGroup* compare;
    };
    struct DupPage {
        QCheckBox* enable;
        ColumnField key1;
        QCheckBox* use2;
        ColumnField key2;
        QCheckBox* use3;
        ColumnField key3;
        QButtonGroup* mode;
    };
    QWidget* selPage(int i);
    QWidget* rangePage(int i);
    QWidget* dupPage(int i);
    ColumnField columnField(QWidget* page, int value);
    QWidget* pageWithEnable(QCheckBox*& enable, int index);
    // Opens the value picker for a column; appends or sets the text.
    void pickValues(int col, QLineEdit* edit, bool multi);
    void markTabs();

    CSampleDlg& m_model;
    QTabWidget* m_tabs;
    QCheckBox* m_showCount;
    std::array<SelPage, CSampleDlg::kConditions> m_sel{};
    std::array<RangePage, CSampleDlg::kConditions> m_range{};
    std::array<DupPage, CSampleDlg::kConditions> m_dup{};
};

class DataSelDialog : public ModelDialog {
    Q_OBJECT
public:
    DataSelDialog(CDataSelDlg& model, QWidget* parent);
    QListWidget* list() const { return m_list; }

protected:
    bool storeToModel() override;

private:
    CDataSelDlg& m_model;
    QListWidget* m_list;
    QCheckBox* m_overwrite;
};

class SampleCodeDialog : public ModelDialog {
    Q_OBJECT
public:
    SampleCodeDialog(CSampleCodeDlg& model, QWidget* parent);
    QTableWidget* table() const { return m_table; }

protected:
    bool storeToModel() override { return true; }

private:
    void fill();
    CSampleCodeDlg& m_model;
    QTableWidget* m_table;
};

// The token buttons of a search text in their two groups; a click appends the token to edit.
QWidget* TokenButtonGroups(QWidget* parent, QLineEdit* edit, bool saveDialog);

}  // namespace tabrix
