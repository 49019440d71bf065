// The dialogs of the numeric column commands, each bound to its model in
// view/CalcDialogs.h: "計算", "数値オートフィル" and "列ソート".
#pragma once

#include <array>

#include "ui/ModelDialog.h"
#include "view/CalcDialogs.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tabrix {

class CalcColDialog : public ModelDialog {
    Q_OBJECT
public:
    CalcColDialog(CCalCol& model, QWidget* parent);

protected:
    bool storeToModel() override;

private:
    void enableFields();

    CCalCol& m_model;
    QButtonGroup* m_operation;
    QButtonGroup* m_convert;
    QButtonGroup* m_method;
    QButtonGroup* m_place;
    QSpinBox* m_decimals;
    QLineEdit* m_title;
};

class AutoFillDialog : public ModelDialog {
    Q_OBJECT
public:
    AutoFillDialog(CAutoFillDlg& model, QWidget* parent);

protected:
    bool storeToModel() override;

private:
    CAutoFillDlg& m_model;
    QButtonGroup* m_mode;
    QButtonGroup* m_pad;
    QSpinBox* m_base;
    QSpinBox* m_step;
    QSpinBox* m_digits;
};

class ColSortDialog : public ModelDialog {
    Q_OBJECT
public:
    ColSortDialog(CColSort& model, QWidget* parent);

protected:
    bool storeToModel() override;

private:
    void enableFields();
    // "参照" beside field (0 the key column, 1 .. 4 the sort columns).
    void browse(int field);

    CColSort& m_model;
    QButtonGroup* m_direction;
    QSpinBox* m_key;
    std::array<QSpinBox*, CColSort::kSortColumns> m_sort{};
    std::array<QCheckBox*, CColSort::kSortColumns> m_used{};
    std::array<QPushButton*, CColSort::kSortColumns> m_browse{};
};

}  // namespace tabrix
