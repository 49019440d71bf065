#include "ui/TranslateDlgs.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

#include "ui/Cp932Validator.h"
#include "ui/DesktopApp.h"
#include "ui/DialogWidgets.h"
#include "ui/QtText.h"
#include "ui/QtUserInterface.h"

namespace tabrix {

namespace {

QLineEdit* Edit(const std::string& text, QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(ToQ(text), parent);
    edit->setObjectName(QLatin1String(name));
    edit->setValidator(new Cp932Validator(0, edit));
    return edit;
}

QPushButton* Button(const char* caption, QWidget* parent, const char* name) {
    auto* button = new QPushButton(ToQ(caption), parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

QTableWidget* ReadOnlyTable(QWidget* parent, const char* name) {
    auto* table = new QTableWidget(parent);
    table->setObjectName(QLatin1String(name));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    return table;
}

}  // namespace

// "CD翻訳" ----------------------------------------------------------------------

CodeTranslateDialog::CodeTranslateDialog(CColTransParam& model, QWidget* parent)
    : ModelDialog(model, parent),
      m_model(model),
      m_file(Edit(model.m_strFile, this, "file")),
      m_keyPos(new QSpinBox(this)),
      m_names(Edit(model.m_strNamePos, this, "names")),
      m_insertAfter(new QSpinBox(this)),
      m_preview(ReadOnlyTable(this, "preview")) {
    setWindowTitle(ToQ(CColTransParam::kCaption));
    auto* column = new QLineEdit(QString::number(model.m_nCol), this);
    column->setObjectName(QStringLiteral("column"));
    column->setReadOnly(true);
    column->setMaximumWidth(80);
    m_keyPos->setObjectName(QStringLiteral("keyPos"));
    m_keyPos->setRange(1, CColTransParam::kMaxKeyPos);
    m_keyPos->setValue(model.m_nKeyPos);
    m_insertAfter->setObjectName(QStringLiteral("insertAfter"));
    m_insertAfter->setRange(0, std::max(0, model.m_nColCount));
    m_insertAfter->setValue(model.m_nInsertAfter);
    auto* browse = Button("参照", this, "browse");
    auto* refer = Button("照会", this, "refer");

    auto* form = new QGridLayout;
    form->addWidget(new QLabel(ToQ("選択列NO"), this), 0, 0);
    form->addWidget(column, 0, 1, Qt::AlignLeft);
    form->addWidget(new QLabel(ToQ("変換元ファイル名"), this), 1, 0);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_file, 1);
    fileRow->addWidget(browse);
    fileRow->addWidget(refer);
    form->addLayout(fileRow, 1, 1);
    form->addWidget(new QLabel(ToQ("キー項目NO"), this), 2, 0);
    form->addWidget(m_keyPos, 2, 1, Qt::AlignLeft);
    form->addWidget(new QLabel(ToQ("抽出項目NO"), this), 3, 0);
    form->addWidget(m_names, 3, 1);

    auto* delimRow = new QHBoxLayout;
    m_delim = Radios(this, delimRow, {"ＣＳＶ形式", "ＴＡＢ区切", "ｽﾍﾟｰｽ区切"}, model.m_nDelim, "delim");
    delimRow->addStretch();
    auto* delimBox = new QGroupBox(ToQ("ファイル形式"), this);
    delimBox->setLayout(delimRow);
    auto* placeRow = new QHBoxLayout;
    m_placement = Radios(this, placeRow, {"現在の項目に置き換える", "列を追加する"}, model.m_nPlacement, "placement");
    placeRow->addWidget(m_insertAfter);
    placeRow->addWidget(new QLabel(ToQ("列目の後ろ"), this));
    placeRow->addStretch();
    auto* placeBox = new QGroupBox(ToQ("翻訳データ格納場所"), this);
    placeBox->setLayout(placeRow);

    m_preview->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_preview->setContextMenuPolicy(Qt::CustomContextMenu);
    m_preview->setMinimumSize(560, 220);
    m_preview->horizontalHeader()->setStretchLastSection(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(delimBox);
    layout->addWidget(placeBox);
    layout->addWidget(m_preview, 1);
    layout->addWidget(OkCancelButtons(this));

    m_insertAfter->setEnabled(model.m_nPlacement == CColTransParam::AddColumns);
    connect(m_placement, &QButtonGroup::idClicked, this,
            [this](int id) { m_insertAfter->setEnabled(id == CColTransParam::AddColumns); });
    connect(browse, &QPushButton::clicked, this, [this] {
        if (!storeFile()) return;
        if (m_model.browse(userInterface())) {
            m_file->setText(ToQ(m_model.m_strFile));
            fillPreview();
        }
    });
    connect(refer, &QPushButton::clicked, this, [this] {
        if (storeFile()) m_model.refer(userInterface(), DesktopShellOpen);
    });
    connect(m_delim, &QButtonGroup::idClicked, this, [this] {
        if (!storeFile()) return;
        m_model.reloadPreview(userInterface());
        fillPreview();
    });
    connect(m_preview, &QWidget::customContextMenuRequested, this, &CodeTranslateDialog::previewMenu);
    // A typed name is previewed when the typing ends; a name that opens no file just empties it.
    connect(m_file, &QLineEdit::editingFinished, this, [this] {
        const std::string before = m_model.m_strFile;
        if (!storeFile() || m_model.m_strFile == before) return;
        SilentUserInterface quiet;
        m_model.reloadPreview(quiet);
        fillPreview();
    });
}

bool CodeTranslateDialog::storeFile() {
    m_model.m_nDelim = m_delim->checkedId();
    return StoreText(m_file, m_model.m_strFile, userInterface());
}

void CodeTranslateDialog::fillPreview() {
    const auto& lines = m_model.preview();
    const int cols = m_model.previewColumns();
    m_preview->clear();
    m_preview->setColumnCount(cols);
    m_preview->setRowCount(static_cast<int>(lines.size()));
    QStringList titles;
    for (int c = 1; c <= cols; ++c) titles << QStringLiteral("Col.%1").arg(c);
    m_preview->setHorizontalHeaderLabels(titles);
    for (int r = 0; r < static_cast<int>(lines.size()); ++r)
        for (int c = 0; c < cols; ++c)
            m_preview->setItem(r, c, new QTableWidgetItem(ToQ(lines[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)])));
    m_preview->resizeColumnsToContents();
}

std::vector<int> CodeTranslateDialog::selectedPreviewColumns() const {
    std::set<int> cols;
    for (const QModelIndex& index : m_preview->selectionModel()->selectedIndexes()) cols.insert(index.column());
    return {cols.begin(), cols.end()};
}

void CodeTranslateDialog::setKeyFromSelection() {
    const std::string refusal = m_model.setKeyFromPreview(selectedPreviewColumns());
    if (!refusal.empty()) {
        userInterface().messageBox(refusal, MsgIcon::Stop);
        return;
    }
    m_keyPos->setValue(m_model.m_nKeyPos);
}

void CodeTranslateDialog::setNamesFromSelection() {
    const std::string refusal = m_model.setNamesFromPreview(selectedPreviewColumns());
    if (!refusal.empty()) {
        userInterface().messageBox(refusal, MsgIcon::Stop);
        return;
    }
    m_names->setText(ToQ(m_model.m_strNamePos));
}

void CodeTranslateDialog::previewMenu(const QPoint& pos) {
    QMenu menu(this);
    connect(menu.addAction(ToQ("キー項目に設定")), &QAction::triggered, this,
            &CodeTranslateDialog::setKeyFromSelection);
    connect(menu.addAction(ToQ("抽出項目に設定")), &QAction::triggered, this,
            &CodeTranslateDialog::setNamesFromSelection);
    menu.exec(m_preview->viewport()->mapToGlobal(pos));
}

bool CodeTranslateDialog::storeToModel() {
    if (!storeFile() || !StoreText(m_names, m_model.m_strNamePos, userInterface())) return false;
    m_model.m_nKeyPos = m_keyPos->value();
    m_model.m_nPlacement = m_placement->checkedId();
    m_model.m_nInsertAfter = m_insertAfter->value();
    return true;
}

// "翻訳画面" --------------------------------------------------------------------

TranslationScreenDialog::TranslationScreenDialog(CTranDlg& model, QWidget* parent)
    : ModelDialog(model, parent),
      m_model(model),
      m_table(ReadOnlyTable(this, "records")),
      m_search(Edit("", this, "searchText")),
      m_pages(new QComboBox(this)) {
    setWindowTitle(ToQ(CTranDlg::kCaption));
    m_pages->setObjectName(QStringLiteral("pages"));
    for (int page = 1; page <= model.pageCount(); ++page) m_pages->addItem(QStringLiteral("P. %1").arg(page));
    auto* find = Button("検索", this, "search");
    auto* top = new QHBoxLayout;
    top->addWidget(m_search, 1);
    top->addWidget(find);
    top->addSpacing(16);
    top->addWidget(m_pages);

    const auto& headings = model.headings();
    m_table->setColumnCount(static_cast<int>(headings.size()));
    QStringList titles;
    for (const std::string& heading : headings) titles << ToQ(heading);
    m_table->setHorizontalHeaderLabels(titles);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setMinimumSize(480, 360);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_table, 1);
    layout->addWidget(OkCancelButtons(this));

    connect(find, &QPushButton::clicked, this, &TranslationScreenDialog::search);
    connect(m_search, &QLineEdit::returnPressed, this, &TranslationScreenDialog::search);
    connect(m_pages, &QComboBox::activated, this, [this](int index) {
        m_model.showPage(index + 1);
        fillPage();
    });
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        m_table->clearSelection();
        m_table->selectRow(row);
        accept();
    });
    fillPage();
    resize(sizeHint().expandedTo(QSize(560, 480)));
}

void TranslationScreenDialog::fillPage() {
    const std::size_t rows = m_model.rowsOnPage();
    m_table->clearContents();
    m_table->setRowCount(static_cast<int>(rows));
    // Rows are numbered by their record, across the pages.
    const std::size_t firstRecord = static_cast<std::size_t>(m_model.page() - 1) * static_cast<std::size_t>(m_model.pageSize());
    QStringList numbers;
    for (std::size_t r = 0; r < rows; ++r) numbers << QString::number(firstRecord + r + 1);
    m_table->setVerticalHeaderLabels(numbers);
    for (std::size_t r = 0; r < rows; ++r) {
        const std::vector<std::string> cells = m_model.row(r);
        for (std::size_t c = 0; c < cells.size(); ++c)
            m_table->setItem(static_cast<int>(r), static_cast<int>(c), new QTableWidgetItem(ToQ(cells[c])));
    }
    m_table->resizeColumnsToContents();
    if (m_pages->currentIndex() != m_model.page() - 1) m_pages->setCurrentIndex(m_model.page() - 1);
    m_table->clearSelection();
    // The key cell of the row is selected, so that a search goes to the keys
    // until the user picks another column.
    for (std::size_t r : m_model.m_SelectedRows) {
        m_table->setCurrentCell(static_cast<int>(r), 0, QItemSelectionModel::ClearAndSelect);
        m_table->scrollToItem(m_table->item(static_cast<int>(r), 0), QAbstractItemView::PositionAtCenter);
    }
}

void TranslationScreenDialog::search() {
    std::set<int> cols;
    for (const QModelIndex& index : m_table->selectionModel()->selectedIndexes()) cols.insert(index.column());
    std::string text;
    if (!StoreText(m_search, text, userInterface())) return;
    const int pageBefore = m_model.page();
    const auto selectedBefore = m_model.m_SelectedRows;
    const std::string refusal = m_model.search({cols.begin(), cols.end()}, text);
    if (!refusal.empty()) {
        userInterface().messageBox(refusal, MsgIcon::Stop);
        return;
    }
    if (m_model.page() != pageBefore || m_model.m_SelectedRows != selectedBefore) fillPage();
}

bool TranslationScreenDialog::storeToModel() {
    std::set<int> rows;
    for (const QModelIndex& index : m_table->selectionModel()->selectedIndexes()) rows.insert(index.row());
    m_model.m_SelectedRows.assign(rows.begin(), rows.end());
    return true;
}

}  // namespace tabrix
