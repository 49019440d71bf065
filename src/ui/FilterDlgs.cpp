#include "ui/FilterDlgs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/Cp932Validator.h"
#include "ui/DialogWidgets.h"
#include "ui/QtText.h"
#include "view/TokenButtons.h"

namespace tabrix {

namespace {

QLineEdit* TextBox(QWidget* parent, const std::string& text) {
    auto* edit = new QLineEdit(ToQ(text), parent);
    edit->setValidator(new Cp932Validator(0, edit));
    return edit;
}

std::string TextOf(const QLineEdit* edit) { return FromQLossy(edit->text()); }

}  // namespace

QWidget* TokenButtonGroups(QWidget* parent, QLineEdit* edit, bool saveDialog) {
    auto* holder = new QWidget(parent);
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const bool full : {false, true}) {
        auto* grid = new QGridLayout;
        int n = 0;
        for (const TokenButton& token : TokenButtons) {
            if (token.fullWidth != full || (saveDialog && !token.inSaveDialog)) continue;
            auto* button = new QPushButton(ToQ(token.caption), holder);
            button->setAutoDefault(false);
            const std::string text(token.token);
            QObject::connect(button, &QPushButton::clicked, edit, [edit, text] {
                std::string current = FromQLossy(edit->text());
                AppendSearchEntry(current, text);
                edit->setText(ToQ(current));
            });
            grid->addWidget(button, n / 7, n % 7);
            ++n;
        }
        layout->addWidget(Framed(holder, full ? kFullTokenGroup.data() : kHalfTokenGroup.data(), grid));
    }
    return holder;
}

FilterSettingsDialog::FilterSettingsDialog(CSampleDlg& model, QWidget* parent)
    : ModelDialog(model, parent), m_model(model), m_tabs(new QTabWidget(this)), m_showCount(new QCheckBox(ToQ(CSampleDlg::kShowCount), this)) {
    setWindowTitle(ToQ(CSampleDlg::kCaption));
    m_tabs->setObjectName(QStringLiteral("tabs"));
    for (int i = 0; i < CSampleDlg::kConditions; ++i) m_tabs->addTab(selPage(i), ToQ(CSampleDlg::kTabCaptions[i]));
    for (int i = 0; i < CSampleDlg::kConditions; ++i)
        m_tabs->addTab(rangePage(i), ToQ(CSampleDlg::kTabCaptions[CSampleDlg::kConditions + i]));
    for (int i = 0; i < CSampleDlg::kConditions; ++i)
        m_tabs->addTab(dupPage(i), ToQ(CSampleDlg::kTabCaptions[2 * CSampleDlg::kConditions + i]));
    m_tabs->setCurrentIndex(model.initialPage());
    m_showCount->setObjectName(QStringLiteral("showCount"));
    m_showCount->setChecked(model.m_bShowCount);
    markTabs();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(m_showCount);
    layout->addWidget(OkCancelButtons(this));
}

ColumnField FilterSettingsDialog::columnField(QWidget* page, int value) {
    ColumnField field;
    field.number = new QSpinBox(page);
    field.number->setRange(0, CSampleDlg::kMaxColumn);
    field.number->setValue(value);
    field.title = new QLabel(page);
    field.title->setMinimumWidth(160);
    field.title->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    field.pick = new QPushButton(ToQ("参照"), page);
    field.pick->setAutoDefault(false);
    field.pick->setEnabled(false);  // the column chooser
    auto showTitle = [this, label = field.title](int col) { label->setText(ToQ(m_model.columnTitle(col))); };
    connect(field.number, &QSpinBox::valueChanged, page, showTitle);
    showTitle(value);
    return field;
}

QWidget* FilterSettingsDialog::pageWithEnable(QCheckBox*& enable, int index) {
    auto* page = new QWidget(m_tabs);
    enable = new QCheckBox(ToQ("この条件を有効にする"), page);
    enable->setObjectName(QStringLiteral("enable%1").arg(index));
    enable->setChecked(m_model.pageEnabled(index));
    return page;
}

QWidget* FilterSettingsDialog::selPage(int i) {
    SelPage& p = m_sel[static_cast<std::size_t>(i)];
    const CSelCond& cond = m_model.m_Sel[static_cast<std::size_t>(i)];
    QWidget* page = pageWithEnable(p.enable, i);
    auto* body = new QWidget(page);
    p.col = columnField(body, cond.m_nCol);
    p.search = TextBox(body, cond.m_strSearch);
    p.search->setObjectName(QStringLiteral("search%1").arg(i));
    auto* pickValue = new QPushButton(ToQ("参照"), body);
    pickValue->setAutoDefault(false);
    connect(pickValue, &QPushButton::clicked, this, [this, &p] { pickValues(p.col.number->value(), p.search, true); });
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(ToQ("検索列番号"), body), 0, 0);
    grid->addWidget(p.col.number, 0, 1);
    grid->addWidget(p.col.pick, 0, 2);
    grid->addWidget(p.col.title, 0, 3);
    grid->addWidget(new QLabel(ToQ("検索文字列"), body), 1, 0);
    grid->addWidget(p.search, 1, 1, 1, 3);
    grid->addWidget(pickValue, 1, 4);
    auto* typeRow = new QHBoxLayout;
    p.type = Radios(body, typeRow, {"＊？を文字として扱う", "ワイルドカードを展開する"}, cond.m_bWildcard ? 1 : 0);
    auto* modeRow = new QHBoxLayout;
    p.mode = Radios(body, modeRow, {"一致データを抽出", "不一致データを抽出"}, cond.m_bNotMatch ? 1 : 0);
    auto* sample = new QPushButton(ToQ("ｻﾝﾌﾟﾙ\n表示"), body);
    sample->setAutoDefault(false);
    connect(sample, &QPushButton::clicked, this, [this] {
        CSampleCodeDlg chart;
        userInterface().runModal(chart);
    });
    auto* tokens = new QHBoxLayout;
    tokens->addWidget(TokenButtonGroups(body, p.search, false), 1);
    tokens->addWidget(sample);
    auto* layout = new QVBoxLayout(body);
    layout->addLayout(grid);
    layout->addWidget(Framed(body, "検索タイプ", typeRow));
    layout->addWidget(Framed(body, "抽出モード", modeRow));
    layout->addLayout(tokens);
    auto* outer = new QVBoxLayout(page);
    outer->addWidget(p.enable);
    outer->addWidget(body);
    outer->addStretch();
    body->setEnabled(cond.m_bEnable);
    connect(p.enable, &QCheckBox::toggled, body, &QWidget::setEnabled);
    connect(p.enable, &QCheckBox::toggled, this, &FilterSettingsDialog::markTabs);
    return page;
}

QWidget* FilterSettingsDialog::rangePage(int i) {
    RangePage& p = m_range[static_cast<std::size_t>(i)];
    const CSelCond2& cond = m_model.m_Range[static_cast<std::size_t>(i)];
    QWidget* page = pageWithEnable(p.enable, CSampleDlg::kConditions + i);
    auto* body = new QWidget(page);
    p.col = columnField(body, cond.m_nCol);
    p.value1 = TextBox(body, cond.m_strValue1);
    p.value2 = TextBox(body, cond.m_strValue2);
    p.value1->setObjectName(QStringLiteral("value1_%1").arg(i));
    p.value2->setObjectName(QStringLiteral("value2_%1").arg(i));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(ToQ("検索列番号"), body), 0, 0);
    grid->addWidget(p.col.number, 0, 1);
    grid->addWidget(p.col.pick, 0, 2);
    grid->addWidget(p.col.title, 0, 3);
    int row = 1;
    for (QLineEdit* edit : {p.value1, p.value2}) {
        auto* pick = new QPushButton(ToQ("参照"), body);
        pick->setAutoDefault(false);
        connect(pick, &QPushButton::clicked, this, [this, &p, edit] { pickValues(p.col.number->value(), edit, false); });
        grid->addWidget(new QLabel(ToQ(row == 1 ? "検索値１" : "検索値２"), body), row, 0);
        grid->addWidget(edit, row, 1, 1, 3);
        grid->addWidget(pick, row, 4);
        if (row == 2) p.value2->setProperty("pick", QVariant::fromValue<QObject*>(pick));
        ++row;
    }
    auto* modeColumn = new QVBoxLayout;
    p.mode = Radios(body, modeColumn,
                    {"「検索値１～検索値２」の範囲を抽出", "「検索値１」以下を抽出", "「検索値１」以上を抽出",
                     "「検索値１」未満を抽出", "「検索値１」より大きいを抽出"},
                    cond.m_nMode);
    auto* compareRow = new QHBoxLayout;
    p.compare = Radios(body, compareRow, {"文字列として比較", "数値に変換して比較"}, cond.m_bNumeric ? 1 : 0);
    auto followMode = [&p](int mode) {
        const bool between = mode == CSelCond2::Between;
        p.value2->setEnabled(between);
        if (auto* pick = qobject_cast<QWidget*>(p.value2->property("pick").value<QObject*>())) pick->setEnabled(between);
    };
    connect(p.mode, &QButtonGroup::idClicked, body, followMode);
    followMode(cond.m_nMode);
    auto* layout = new QVBoxLayout(body);
    layout->addLayout(grid);
    layout->addWidget(Framed(body, "抽出モード", modeColumn));
    layout->addWidget(Framed(body, "比較モード", compareRow));
    auto* outer = new QVBoxLayout(page);
    outer->addWidget(p.enable);
    outer->addWidget(body);
    outer->addStretch();
    body->setEnabled(cond.m_bEnable);
    connect(p.enable, &QCheckBox::toggled, body, &QWidget::setEnabled);
    connect(p.enable, &QCheckBox::toggled, this, &FilterSettingsDialog::markTabs);
    return page;
}

QWidget* FilterSettingsDialog::dupPage(int i) {
    DupPage& p = m_dup[static_cast<std::size_t>(i)];
    const CDupCond& cond = m_model.m_Dup[static_cast<std::size_t>(i)];
    QWidget* page = pageWithEnable(p.enable, 2 * CSampleDlg::kConditions + i);
    auto* body = new QWidget(page);
    p.key1 = columnField(body, cond.m_nKey1);
    p.key2 = columnField(body, cond.m_nKey2);
    p.key3 = columnField(body, cond.m_nKey3);
    p.use2 = new QCheckBox(ToQ("検索列番号２"), body);
    p.use3 = new QCheckBox(ToQ("検索列番号３"), body);
    p.use2->setChecked(cond.m_bKey2);
    p.use3->setChecked(cond.m_bKey3);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(ToQ("検索列番号１"), body), 0, 0);
    grid->addWidget(p.use2, 1, 0);
    grid->addWidget(p.use3, 2, 0);
    int row = 0;
    for (const ColumnField* field : {&p.key1, &p.key2, &p.key3}) {
        grid->addWidget(field->number, row, 1);
        grid->addWidget(field->pick, row, 2);
        grid->addWidget(field->title, row, 3);
        ++row;
    }
    p.key2.number->setEnabled(cond.m_bKey2);
    p.key3.number->setEnabled(cond.m_bKey3);
    connect(p.use2, &QCheckBox::toggled, p.key2.number, &QWidget::setEnabled);
    connect(p.use3, &QCheckBox::toggled, p.key3.number, &QWidget::setEnabled);
    auto* modeRow = new QHBoxLayout;
    p.mode = Radios(body, modeRow, {"重複データを除外する", "重複データのみ表示する"}, cond.m_bOnlyDup ? 1 : 0);
    auto* layout = new QVBoxLayout(body);
    layout->addLayout(grid);
    layout->addWidget(Framed(body, "抽出モード", modeRow));
    layout->addWidget(new QLabel(ToQ(CSampleDlg::kDupNoteJoin), body));
    layout->addWidget(new QLabel(ToQ(CSampleDlg::kDupNoteSlow), body));
    auto* outer = new QVBoxLayout(page);
    outer->addWidget(p.enable);
    outer->addWidget(body);
    outer->addStretch();
    body->setEnabled(cond.m_bEnable);
    connect(p.enable, &QCheckBox::toggled, body, &QWidget::setEnabled);
    connect(p.enable, &QCheckBox::toggled, this, &FilterSettingsDialog::markTabs);
    return page;
}

void FilterSettingsDialog::markTabs() {
    for (int page = 0; page < CSampleDlg::kPages; ++page) {
        QCheckBox* enable = page < 3 ? m_sel[static_cast<std::size_t>(page)].enable
                            : page < 6 ? m_range[static_cast<std::size_t>(page - 3)].enable
                                       : m_dup[static_cast<std::size_t>(page - 6)].enable;
        if (!enable) continue;  // pages still being built
        m_tabs->tabBar()->setTabTextColor(page, enable->isChecked() ? QColor(Qt::red) : palette().color(QPalette::WindowText));
    }
}

void FilterSettingsDialog::pickValues(int col, QLineEdit* edit, bool multi) {
    if (!m_model.m_pLines) return;
    CDataSelDlg picker;
    picker.m_bMulti = multi;
    picker.collect(*m_model.m_pLines, m_model.m_nFirstLine, col);
    if (!userInterface().runModal(picker)) return;
    edit->setText(ToQ(picker.applyTo(TextOf(edit))));
}

bool FilterSettingsDialog::storeToModel() {
    for (std::size_t i = 0; i < m_sel.size(); ++i) {
        const SelPage& p = m_sel[i];
        CSelCond& cond = m_model.m_Sel[i];
        cond.m_bEnable = p.enable->isChecked();
        cond.m_nCol = p.col.number->value();
        cond.m_strSearch = TextOf(p.search);
        cond.m_bWildcard = p.type->checkedId() == 1;
        cond.m_bNotMatch = p.mode->checkedId() == 1;
    }
    for (std::size_t i = 0; i < m_range.size(); ++i) {
        const RangePage& p = m_range[i];
        CSelCond2& cond = m_model.m_Range[i];
        cond.m_bEnable = p.enable->isChecked();
        cond.m_nCol = p.col.number->value();
        cond.m_strValue1 = TextOf(p.value1);
        cond.m_strValue2 = TextOf(p.value2);
        cond.m_nMode = p.mode->checkedId();
        cond.m_bNumeric = p.compare->checkedId() == 1;
    }
    for (std::size_t i = 0; i < m_dup.size(); ++i) {
        const DupPage& p = m_dup[i];
        CDupCond& cond = m_model.m_Dup[i];
        cond.m_bEnable = p.enable->isChecked();
        cond.m_nKey1 = p.key1.number->value();
        cond.m_bKey2 = p.use2->isChecked();
        cond.m_nKey2 = p.key2.number->value();
        cond.m_bKey3 = p.use3->isChecked();
        cond.m_nKey3 = p.key3.number->value();
        cond.m_bOnlyDup = p.mode->checkedId() == 1;
    }
    m_model.m_bShowCount = m_showCount->isChecked();
    // The page whose check fails comes to the front before its message shows.
    std::string message;
    const int page = m_model.firstInvalidPage(message);
    if (page >= 0) m_tabs->setCurrentIndex(page);
    return true;
}

DataSelDialog::DataSelDialog(CDataSelDlg& model, QWidget* parent)
    : ModelDialog(model, parent), m_model(model), m_list(new QListWidget(this)), m_overwrite(new QCheckBox(ToQ(CDataSelDlg::kOverwrite), this)) {
    setWindowTitle(ToQ(CDataSelDlg::kCaption));
    m_list->setObjectName(QStringLiteral("values"));
    m_list->setSelectionMode(model.m_bMulti ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
    for (const std::string& value : model.m_Values) m_list->addItem(ToQ(value));
    m_overwrite->setChecked(model.m_bOverwrite);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(new QLabel(ToQ(CDataSelDlg::kNote), this));
    layout->addWidget(m_overwrite);
    layout->addWidget(OkCancelButtons(this));
}

bool DataSelDialog::storeToModel() {
    m_model.m_Chosen.clear();
    for (int row = 0; row < m_list->count(); ++row)
        if (m_list->item(row)->isSelected()) m_model.m_Chosen.push_back(row);
    m_model.m_bOverwrite = m_overwrite->isChecked();
    return true;
}

SampleCodeDialog::SampleCodeDialog(CSampleCodeDlg& model, QWidget* parent)
    : ModelDialog(model, parent), m_model(model), m_table(new QTableWidget(this)) {
    setWindowTitle(ToQ(CSampleCodeDlg::kCaption));
    m_table->setObjectName(QStringLiteral("chart"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setColumnCount(16);
    QStringList titles;
    for (int col = 0; col < 16; ++col) titles << ToQ(CSampleCodeDlg::columnTitle(col));
    m_table->setHorizontalHeaderLabels(titles);
    m_table->horizontalHeader()->setDefaultSectionSize(28);
    QFont font(ToQ(CSampleCodeDlg::kFontFace));
    font.setPointSize(CSampleCodeDlg::kFontPoints);
    m_table->setFont(font);
    auto* radios = new QGridLayout;
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < static_cast<int>(CSampleCodeDlg::kClasses.size()); ++i) {
        auto* button = new QRadioButton(ToQ(CSampleCodeDlg::kClasses[static_cast<std::size_t>(i)].caption), this);
        group->addButton(button, i);
        radios->addWidget(button, i / 6, i % 6);
        if (i == model.m_nClass) button->setChecked(true);
    }
    connect(group, &QButtonGroup::idClicked, this, [this](int id) {
        m_model.m_nClass = id;
        fill();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(radios);
    layout->addWidget(m_table);
    layout->addWidget(OkCancelButtons(this));
    resize(620, 520);
    fill();
}

void SampleCodeDialog::fill() {
    const std::vector<CSampleCodeDlg::Row> rows = m_model.rows();
    m_table->setRowCount(static_cast<int>(rows.size()));
    QStringList titles;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const CSampleCodeDlg::Row& row = rows[static_cast<std::size_t>(r)];
        titles << ToQ(CSampleCodeDlg::rowTitle(row.block));
        for (int c = 0; c < 16; ++c) m_table->setItem(r, c, new QTableWidgetItem(ToQ(row.cells[static_cast<std::size_t>(c)])));
    }
    m_table->setVerticalHeaderLabels(titles);
}

}  // namespace tabrix
