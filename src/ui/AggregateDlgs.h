// The windows of "集計": the parameters "集計パラメータ" bound to
// CSumParamDlg, the column total "列総合計" of CColTotalDlg, and the modal
// result window "集計結果" over CSummaryDlg: a read-only grid that fills the
// window, sorted by a click on a column title, with its menu.
#pragma once

#include <QAbstractTableModel>

#include <array>

#include "ui/ModelDialog.h"
#include "view/AggregateDlgs.h"
#include "view/SummaryDlg.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QSpinBox;
class QTableView;

namespace tabrix {

class SumParamDialog : public ModelDialog {
    Q_OBJECT
public:
    SumParamDialog(CSumParamDlg& model, QWidget* parent);

protected:
    bool storeToModel() override;

private:
    // The widgets into a model (the choices only when switches is set).
    void store(CSumParamDlg& model) const;
    void updateEnabling();

    CSumParamDlg& m_model;
    QButtonGroup* m_mode;
    std::array<QSpinBox*, CSumParamDlg::kKeys> m_keys{};
    QCheckBox* m_keyCount;
    std::array<QSpinBox*, CSumParamDlg::kCalcs> m_calcs{};
    QButtonGroup* m_output;
    std::array<QCheckBox*, CSumParamDlg::kAggregates> m_aggregates{};
    std::array<QCheckBox*, CSumParamDlg::kAggregates> m_decimals{};
    QCheckBox* m_totalRow;
    QSpinBox* m_minCount;
    QSpinBox* m_maxCount;
    QCheckBox* m_keyEveryRow;
    QCheckBox* m_oneCell;
    QLineEdit* m_separator;
    QCheckBox* m_quotePrefix;
    // Everything but key column 1 and its chooser, for "列総合計".
    std::vector<QWidget*> m_aggregateOnly;
    std::vector<QWidget*> m_valuesOnly;
    std::vector<QWidget*> m_dataOnly;
};

class ColTotalDialog : public ModelDialog {
    Q_OBJECT
public:
    ColTotalDialog(CColTotalDlg& model, QWidget* parent);

protected:
    bool storeToModel() override { return true; }
};

// The result rows as a table model; the title row is the header.
class SummaryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SummaryModel(CSummaryDlg& result, QObject* parent = nullptr) : QAbstractTableModel(parent), m_result(result) {}
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sortByColumn(int col);

private:
    CSummaryDlg& m_result;
};

class SummaryWindow : public ModelDialog {
    Q_OBJECT
public:
    SummaryWindow(CSummaryDlg& model, QWidget* parent);
    QTableView* table() const { return m_table; }
    // The menu commands.
    void fileOutput();
    void copy();
    void selectAll();

protected:
    bool storeToModel() override { return true; }

private:
    CSummaryDlg& m_model;
    SummaryModel* m_rows;
    QTableView* m_table;
};

}  // namespace tabrix
