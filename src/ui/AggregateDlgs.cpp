#include "ui/AggregateDlgs.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/Cp932Validator.h"
#include "ui/DialogWidgets.h"
#include "ui/QtText.h"

namespace tabrix {

namespace {

constexpr int kMaxColumn = 999999;

QSpinBox* ColumnBox(QWidget* parent, int value, const QString& name) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(CSumParamDlg::kUnused, kMaxColumn);
    box->setValue(value);
    box->setMinimumWidth(80);
    return box;
}

QCheckBox* Check(QWidget* parent, const char* caption, bool checked, const QString& name) {
    auto* box = new QCheckBox(ToQ(caption), parent);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

}  // namespace

SumParamDialog::SumParamDialog(CSumParamDlg& model, QWidget* parent) : ModelDialog(model, parent), m_model(model) {
    setWindowTitle(ToQ(CSumParamDlg::kCaption));
    auto* modeRow = new QHBoxLayout;
    m_mode = Radios(this, modeRow, {"列集計", "列総合計"}, model.m_nMode, "mode");
    modeRow->addStretch();

    // Key and calculation columns side by side, each with its chooser.
    auto* columns = new QGridLayout;
    auto addColumnRow = [&](int row, int col, const char* label, QSpinBox* box) {
        columns->addWidget(new QLabel(ToQ(label), this), row, col);
        columns->addWidget(box, row, col + 1);
        // "参照" opens the column chooser and writes the choice into the box.
        auto* chooser = new QPushButton(ToQ("参照"), this);
        chooser->setObjectName(box->objectName() + QStringLiteral("Browse"));
        chooser->setAutoDefault(false);
        connect(chooser, &QPushButton::clicked, this, [this, box] {
            int col = box->value();
            if (m_model.browse(userInterface(), col)) box->setValue(col);
        });
        columns->addWidget(chooser, row, col + 2);
        return chooser;
    };
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        m_keys[i] = ColumnBox(this, model.m_nKey[i], QStringLiteral("key%1").arg(i + 1));
        QPushButton* chooser = addColumnRow(static_cast<int>(i), 0, CSumParamDlg::kKeyLabels[i], m_keys[i]);
        if (i > 0) m_aggregateOnly.insert(m_aggregateOnly.end(), {m_keys[i], chooser});
    }
    m_keyCount = Check(this, "キーの個数", model.m_bKeyCount, QStringLiteral("keyCount"));
    columns->addWidget(m_keyCount, CSumParamDlg::kKeys, 1, 1, 2);
    m_aggregateOnly.push_back(m_keyCount);
    for (std::size_t i = 0; i < m_calcs.size(); ++i) {
        m_calcs[i] = ColumnBox(this, model.m_nCalc[i], QStringLiteral("calc%1").arg(i + 1));
        QPushButton* chooser = addColumnRow(static_cast<int>(i), 3, CSumParamDlg::kCalcLabels[i], m_calcs[i]);
        m_aggregateOnly.insert(m_aggregateOnly.end(), {m_calcs[i], chooser});
    }
    columns->setColumnMinimumWidth(3, 24);

    // "集計値": the aggregates, each with its decimals, and the totals row.
    auto* outputRow = new QHBoxLayout;
    m_output = Radios(this, outputRow, {"集計値", "データ"}, model.m_nOutput, "output");
    outputRow->addStretch();
    for (QAbstractButton* button : m_output->buttons()) m_aggregateOnly.push_back(button);
    auto* values = new QGridLayout;
    for (std::size_t k = 0; k < m_aggregates.size(); ++k) {
        m_aggregates[k] = Check(this, CSumParamDlg::kAggregateLabels[k], model.m_bAggregate[k], QStringLiteral("aggregate%1").arg(k));
        m_decimals[k] = Check(this, "少数で表示する", model.m_bDecimals[k], QStringLiteral("decimals%1").arg(k));
        values->addWidget(m_aggregates[k], static_cast<int>(k), 0);
        values->addWidget(m_decimals[k], static_cast<int>(k), 1);
        m_valuesOnly.push_back(m_aggregates[k]);
        connect(m_aggregates[k], &QCheckBox::toggled, this, &SumParamDialog::updateEnabling);
    }
    m_totalRow = Check(this, "各総計を最終行に表示する", model.m_bTotalRow, QStringLiteral("totalRow"));
    values->addWidget(m_totalRow, CSumParamDlg::kAggregates, 0, 1, 2);
    m_valuesOnly.push_back(m_totalRow);
    auto* valuesBox = new QGroupBox(this);
    valuesBox->setLayout(values);

    // "データ": the group sizes shown and how the values are laid out.
    auto* data = new QVBoxLayout;
    auto* countRow = new QHBoxLayout;
    m_minCount = ColumnBox(this, model.m_nMinCount, QStringLiteral("minCount"));
    m_maxCount = ColumnBox(this, model.m_nMaxCount, QStringLiteral("maxCount"));
    auto* countLabel = new QLabel(ToQ("キーの個数"), this);
    auto* countTo = new QLabel(ToQ("～"), this);
    countRow->addWidget(countLabel);
    countRow->addWidget(m_minCount);
    countRow->addWidget(countTo);
    countRow->addWidget(m_maxCount);
    countRow->addStretch();
    data->addLayout(countRow);
    m_keyEveryRow = Check(this, "全ての行にキーを出力する", model.m_bKeyEveryRow, QStringLiteral("keyEveryRow"));
    data->addWidget(m_keyEveryRow);
    auto* oneCellRow = new QHBoxLayout;
    m_oneCell = Check(this, "１セルに全データを表示する", model.m_bOneCell, QStringLiteral("oneCell"));
    m_separator = new QLineEdit(ToQ(model.m_strSeparator), this);
    m_separator->setObjectName(QStringLiteral("separator"));
    m_separator->setMaxLength(1);
    m_separator->setValidator(new Cp932Validator(0, m_separator));
    m_separator->setMaximumWidth(40);
    oneCellRow->addWidget(m_oneCell);
    oneCellRow->addWidget(m_separator);
    oneCellRow->addStretch();
    data->addLayout(oneCellRow);
    m_quotePrefix = Check(this, "セルの先頭に「'」を付与する", model.m_bQuotePrefix, QStringLiteral("quotePrefix"));
    data->addWidget(m_quotePrefix);
    connect(m_oneCell, &QCheckBox::toggled, this, &SumParamDialog::updateEnabling);
    m_dataOnly = {countLabel, m_minCount, countTo, m_maxCount, m_keyEveryRow, m_oneCell, m_quotePrefix};
    auto* dataBox = new QGroupBox(this);
    dataBox->setLayout(data);

    auto* kinds = new QHBoxLayout;
    kinds->addWidget(valuesBox);
    kinds->addWidget(dataBox);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(modeRow);
    layout->addLayout(columns);
    layout->addLayout(outputRow);
    layout->addLayout(kinds);
    layout->addWidget(OkCancelButtons(this));
    connect(m_mode, &QButtonGroup::idToggled, this, &SumParamDialog::updateEnabling);
    connect(m_output, &QButtonGroup::idToggled, this, &SumParamDialog::updateEnabling);
    updateEnabling();
}

void SumParamDialog::store(CSumParamDlg& model) const {
    model.m_nMode = m_mode->checkedId();
    for (std::size_t i = 0; i < m_keys.size(); ++i) model.m_nKey[i] = m_keys[i]->value();
    model.m_bKeyCount = m_keyCount->isChecked();
    for (std::size_t i = 0; i < m_calcs.size(); ++i) model.m_nCalc[i] = m_calcs[i]->value();
    model.m_nOutput = m_output->checkedId();
    for (std::size_t k = 0; k < m_aggregates.size(); ++k) {
        model.m_bAggregate[k] = m_aggregates[k]->isChecked();
        model.m_bDecimals[k] = m_decimals[k]->isChecked();
    }
    model.m_bTotalRow = m_totalRow->isChecked();
    model.m_nMinCount = m_minCount->value();
    model.m_nMaxCount = m_maxCount->value();
    model.m_bKeyEveryRow = m_keyEveryRow->isChecked();
    model.m_bOneCell = m_oneCell->isChecked();
    model.m_strSeparator = FromQLossy(m_separator->text());
    model.m_bQuotePrefix = m_quotePrefix->isChecked();
}

void SumParamDialog::updateEnabling() {
    CSumParamDlg state = m_model;
    store(state);
    for (QWidget* w : m_aggregateOnly) w->setEnabled(state.aggregateEnabled());
    for (QWidget* w : m_valuesOnly) w->setEnabled(state.valuesEnabled());
    for (QWidget* w : m_dataOnly) w->setEnabled(state.dataEnabled());
    for (std::size_t k = 0; k < m_decimals.size(); ++k) m_decimals[k]->setEnabled(state.decimalsEnabled(static_cast<int>(k)));
    m_separator->setEnabled(state.separatorEnabled());
}

bool SumParamDialog::storeToModel() {
    store(m_model);
    return true;
}

ColTotalDialog::ColTotalDialog(CColTotalDlg& model, QWidget* parent) : ModelDialog(model, parent) {
    setWindowTitle(ToQ(model.m_strCaption));
    auto* form = new QFormLayout;
    auto field = [&](const char* label, const std::string& text, const QString& name) {
        auto* value = new QLineEdit(ToQ(text), this);
        value->setObjectName(name);
        value->setReadOnly(true);
        value->setAlignment(Qt::AlignRight);
        form->addRow(ToQ(label), value);
    };
    field("列", std::to_string(model.m_nCol), QStringLiteral("column"));
    field("行数", std::to_string(model.m_nCount), QStringLiteral("count"));
    field("総計", model.m_strTotal, QStringLiteral("total"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(ToQ(CColTotalDlg::kNote), this));
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

int SummaryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_result.rowCount());
}

int SummaryModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_result.columnCount(); }

QVariant SummaryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole) return ToQ(m_result.text(static_cast<std::size_t>(index.row()), index.column()));
    if (role == Qt::TextAlignmentRole && m_result.m_table.isNumeric(index.column()))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant SummaryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return ToQ(m_result.m_table.title(section));
    return section + 1;
}

void SummaryModel::sortByColumn(int col) {
    beginResetModel();
    m_result.sortByColumn(col);
    endResetModel();
}

SummaryWindow::SummaryWindow(CSummaryDlg& model, QWidget* parent)
    : ModelDialog(model, parent), m_model(model), m_rows(new SummaryModel(model, this)), m_table(new QTableView(this)) {
    setWindowTitle(ToQ(model.m_strTitle));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    m_table->setObjectName(QStringLiteral("result"));
    m_table->setModel(m_rows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setSectionsClickable(true);
    m_table->horizontalHeader()->setSortIndicatorShown(true);
    m_table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    connect(m_table->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int col) {
        m_rows->sortByColumn(col);
        m_table->horizontalHeader()->setSortIndicator(col, m_model.sortDescending() ? Qt::DescendingOrder : Qt::AscendingOrder);
    });
    // Titles and a first screen of rows decide the widths; a million rows are not measured.
    m_table->horizontalHeader()->setResizeContentsPrecision(200);
    m_table->resizeColumnsToContents();

    auto* menus = new QMenuBar(this);
    auto caption = [](const char* text) {
        const std::string_view full(text);
        return ToQ(full.substr(0, full.find('\t')));
    };
    QMenu* file = menus->addMenu(ToQ("ファイル(&F)"));
    QAction* output = file->addAction(caption(CSummaryDlg::kFileOutput), this, &SummaryWindow::fileOutput);
    output->setObjectName(QStringLiteral("fileOutput"));
    file->addSeparator();
    file->addAction(caption(CSummaryDlg::kExit), this, &QDialog::reject);
    QMenu* edit = menus->addMenu(ToQ("編集(&E)"));
    QAction* copyAction = edit->addAction(caption(CSummaryDlg::kCopy), this, &SummaryWindow::copy);
    copyAction->setShortcut(QKeySequence::Copy);
    QAction* all = edit->addAction(caption(CSummaryDlg::kSelectAll), this, &SummaryWindow::selectAll);
    all->setShortcut(QKeySequence::SelectAll);
    addActions({copyAction, all});

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    resize(800, 500);
}

void SummaryWindow::fileOutput() { m_model.OnFileOutput(userInterface()); }

void SummaryWindow::copy() {
    const QItemSelectionModel* selection = m_table->selectionModel();
    const QModelIndexList indexes = selection->selectedIndexes();
    if (indexes.isEmpty()) return;
    GridRange range{indexes.first().row(), indexes.first().column(), indexes.first().row(), indexes.first().column()};
    for (const QModelIndex& index : indexes) {
        range.minRow = std::min(range.minRow, index.row());
        range.maxRow = std::max(range.maxRow, index.row());
        range.minCol = std::min(range.minCol, index.column());
        range.maxCol = std::max(range.maxCol, index.column());
    }
    const std::string text = m_model.copyText(range, [&](std::size_t row, int col) {
        return selection->isSelected(m_rows->index(static_cast<int>(row), col));
    });
    QApplication::clipboard()->setText(ToQ(text));
}

void SummaryWindow::selectAll() { m_table->selectAll(); }

}  // namespace tabrix
