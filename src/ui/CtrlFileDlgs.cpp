#include "ui/CtrlFileDlgs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "document/Delimiter.h"
#include "ui/DelimiterGroup.h"
#include "ui/DialogWidgets.h"
#include "ui/QtText.h"

namespace tabrix {

namespace {

QCheckBox* Tick(const char* caption, QWidget* parent, const char* name) {
    auto* box = new QCheckBox(ToQ(caption), parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QPushButton* Button(const char* caption, QWidget* parent, const char* name) {
    auto* button = new QPushButton(ToQ(caption), parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

template <std::size_t N>
QComboBox* Choice(const char* const (&captions)[N], QWidget* parent, const char* name) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    for (const char* caption : captions) combo->addItem(ToQ(caption));
    return combo;
}

// An edit with its "参照" button in one row.
QHBoxLayout* WithBrowse(QWidget* edit, QPushButton* browse) {
    auto* row = new QHBoxLayout;
    row->addWidget(edit, 1);
    row->addWidget(browse);
    return row;
}

}  // namespace

CtrlFileDialog::CtrlFileDialog(CMakeCtrlDlg& model, QWidget* parent)
    : ModelDialog(model, parent),
      m_model(model),
      m_file(TextEdit(this, "fileName")),
      m_mdb(TextEdit(this, "mdb")),
      m_delim(new DelimiterGroup(ToQ("区切文字"), this, false)),
      m_keys(TextEdit(this, "keyCols")),
      m_dupCheck(Tick("重複チェックを行う", this, "dupCheck")),
      m_menu(Choice(CMakeCtrlDlg::kMenuModes, this, "menu")),
      m_columns(Button("項目設定", this, "columns")),
      m_attributes(Button("項目属性自動設定", this, "attributes")) {
    setWindowTitle(ToQ(CMakeCtrlDlg::kCaption));
    m_delim->setObjectName(QStringLiteral("delimiter"));
    auto* fileBrowse = Button("参照", this, "fileBrowse");
    auto* mdbBrowse = Button("参照", this, "mdbBrowse");
    auto* keysBrowse = Button("参照", this, "keysBrowse");
    auto* form = new QFormLayout;
    form->addRow(ToQ("ファイル名"), WithBrowse(m_file, fileBrowse));
    form->addRow(ToQ("MDB名"), WithBrowse(m_mdb, mdbBrowse));
    // The work database stays as the control file names it; it is not offered here.
    form->setRowVisible(1, false);
    form->addRow(m_delim);
    form->addRow(ToQ("キー列番号"), WithBrowse(m_keys, keysBrowse));
    form->addRow(QString(), m_dupCheck);
    form->addRow(ToQ("メニュー"), m_menu);

    QGroupBox* ime = RadioBox("IMEモード", {"制御しない", "通常", "詳細"}, m_ime, this, "ime");
    QGroupBox* openDlg = RadioBox("ファイル読込種別画面", {"表示する", "表示しない", "オプションに従う"}, m_openDlg, this,
                                  "openDlg");
    static const char* const kFlags[][2] = {
        {"列変更を許可する", "colChange"},          {"行変更を許可する", "lineChange"},
        {"変換処理を許可する", "convUse"},          {"ﾍﾙﾌﾟﾒｯｾｰｼﾞを表示する", "helpMsg"},
        {"１行目を見出し行とする", "headTitle"}, {"ﾌｧｲﾙ上はﾀﾞﾌﾞﾙｺｰﾃｰｼｮﾝで囲まれている", "quote"},
    };
    auto* flags = new QVBoxLayout;
    for (std::size_t i = 0; i < m_flags.size(); ++i) {
        m_flags[i] = Tick(kFlags[i][0], this, kFlags[i][1]);
        flags->addWidget(m_flags[i]);
    }
    auto* choices = new QHBoxLayout;
    choices->addWidget(ime);
    choices->addWidget(openDlg);
    auto* buttons = OkCancelButtons(this);
    buttons->addButton(m_attributes, QDialogButtonBox::ActionRole);
    buttons->addButton(m_columns, QDialogButtonBox::ActionRole);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(choices);
    layout->addLayout(flags);
    layout->addWidget(buttons);

    connect(m_openDlg, &QButtonGroup::idToggled, this,
            [this] { m_delim->setEnabled(m_openDlg->checkedId() != CMakeCtrlDlg::kOpenDlgView); });
    connect(m_dupCheck, &QCheckBox::clicked, this, [this](bool on) { act([this, on] { m_model.setDupCheck(on, userInterface()); }); });
    connect(fileBrowse, &QPushButton::clicked, this, [this] { act([this] { m_model.browseFile(userInterface()); }); });
    connect(mdbBrowse, &QPushButton::clicked, this, [this] { act([this] { m_model.browseMdb(userInterface()); }); });
    connect(keysBrowse, &QPushButton::clicked, this, [this] { act([this] { m_model.browseKeyCols(userInterface()); }); });
    connect(m_columns, &QPushButton::clicked, this, [this] { act([this] { m_model.editColumns(userInterface()); }); });
    connect(m_attributes, &QPushButton::clicked, this,
            [this] { act([this] { m_model.readAttributes(userInterface()); }); });
    loadFromModel();
}

template <typename Act>
void CtrlFileDialog::act(Act action) {
    if (!storeToModel()) return;
    action();
    loadFromModel();
}

void CtrlFileDialog::loadFromModel() {
    m_file->setText(ToQ(m_model.m_strFileName));
    m_mdb->setText(ToQ(m_model.m_strMdb));
    m_delim->setChoice(ChoiceOf(m_model.m_cDelim).kind, std::string());
    m_keys->setText(ToQ(m_model.m_strKeyCols));
    m_dupCheck->setChecked(m_model.m_bDupCheck);
    m_menu->setCurrentIndex(m_model.m_nMenuMode);
    Check(m_ime, m_model.m_nImeMode);
    Check(m_openDlg, m_model.m_nOpenDlg);
    const bool flags[] = {m_model.m_bColChange, m_model.m_bLineChange, m_model.m_bConvUse,
                          m_model.m_bHelpMsg,   m_model.m_bHeadTitle,  m_model.m_bQuote};
    for (std::size_t i = 0; i < m_flags.size(); ++i) m_flags[i]->setChecked(flags[i]);
    m_delim->setEnabled(m_model.delimiterEnabled());
    m_columns->setEnabled(m_model.columnsEnabled());
    m_attributes->setEnabled(m_model.columnsEnabled());
}

bool CtrlFileDialog::storeToModel() {
    IUserInterface& ui = userInterface();
    if (!StoreText(m_file, m_model.m_strFileName, ui) || !StoreText(m_mdb, m_model.m_strMdb, ui) ||
        !StoreText(m_keys, m_model.m_strKeyCols, ui))
        return false;
    m_model.m_cDelim = DelimChoice{m_delim->choice(), ','}.byte();
    m_model.m_bDupCheck = m_dupCheck->isChecked();
    m_model.m_nMenuMode = m_menu->currentIndex();
    m_model.m_nImeMode = m_ime->checkedId();
    m_model.m_nOpenDlg = m_openDlg->checkedId();
    bool* flags[] = {&m_model.m_bColChange, &m_model.m_bLineChange, &m_model.m_bConvUse,
                     &m_model.m_bHelpMsg,   &m_model.m_bHeadTitle,  &m_model.m_bQuote};
    for (std::size_t i = 0; i < m_flags.size(); ++i) *flags[i] = m_flags[i]->isChecked();
    return true;
}

void CtrlFileDialog::accept() {
    if (storeToModel() && m_model.onOk(userInterface())) QDialog::accept();
}

ColAttrReadDialog::ColAttrReadDialog(CColAttrReadDlg& model, QWidget* parent)
    : ModelDialog(model, parent), m_model(model) {
    setWindowTitle(ToQ(CColAttrReadDlg::kCaption));
    auto* lines = new QGroupBox(ToQ(CColAttrReadDlg::kPrompt), this);
    auto* lineForm = new QFormLayout(lines);
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const int count = std::max(1, model.m_nLineCount);
        m_lines[i] = Spin(CColAttrReadDlg::kUnused, count, model.m_nLines[i], lines, "");
        m_lines[i]->setObjectName(QStringLiteral("line%1").arg(i));
        m_lines[i]->setMaximumWidth(90);
        lineForm->addRow(ToQ(CColAttrReadDlg::kLineCaptions[i]), m_lines[i]);
    }
    auto* words = new QGroupBox(ToQ(CColAttrReadDlg::kLineCaptions[CColAttrReadDlg::TypeLine]), this);
    auto* grid = new QGridLayout(words);
    for (std::size_t t = 0; t < m_keywords.size(); ++t) {
        grid->addWidget(new QLabel(ToQ(CColAttrReadDlg::kTypeCaptions[t]), words), static_cast<int>(t), 0);
        for (std::size_t k = 0; k < m_keywords[t].size(); ++k) {
            QLineEdit* edit = TextEdit(words, "");
            edit->setObjectName(QStringLiteral("keyword%1%2").arg(t).arg(k));
            edit->setText(ToQ(model.m_Keywords[t][k]));
            edit->setMinimumWidth(90);
            edit->setMaximumWidth(110);
            grid->addWidget(edit, static_cast<int>(t), static_cast<int>(k) + 1);
            m_keywords[t][k] = edit;
        }
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lines);
    layout->addWidget(words);
    layout->addWidget(OkCancelButtons(this));
}

bool ColAttrReadDialog::storeToModel() {
    for (std::size_t i = 0; i < m_lines.size(); ++i) m_model.m_nLines[i] = m_lines[i]->value();
    for (std::size_t t = 0; t < m_keywords.size(); ++t)
        for (std::size_t k = 0; k < m_keywords[t].size(); ++k)
            if (!StoreText(m_keywords[t][k], m_model.m_Keywords[t][k], userInterface())) return false;
    return true;
}

CtrlColDialog::CtrlColDialog(CCtrlColDlg& model, QWidget* parent)
    : ModelDialog(model, parent),
      m_model(model),
      m_number(new QLineEdit(this)),
      m_fileCol(Tick("ファイル項目", this, "fileCol")),
      m_edit(Tick("変更を許可", this, "edit")),
      m_obligate(Tick("必須入力", this, "obligate")),
      m_noDisp(Tick("非表示", this, "noDisp")),
      m_title(TextEdit(this, "title")),
      m_length(Spin(-1, CCtrlColDlg::kMaxLength, -1, this, "length")),
      m_permission(TextEdit(this, "permission")),
      m_initial(TextEdit(this, "initial")),
      m_macros(Choice(CCtrlColDlg::kMacros, this, "macros")),
      m_replace1(TextEdit(this, "replace1")),
      m_replace2(TextEdit(this, "replace2")),
      m_tabs(new QTabWidget(this)),
      m_back(Button("≪(&B)", this, "back")),
      m_forward(Button("≫(&N)", this, "forward")),
      m_pick(Button("参照", this, "pick")),
      m_addVirtual(Button("仮想項目追加", this, "addVirtual")),
      m_deleteVirtual(Button("仮想項目削除", this, "deleteVirtual")) {
    setWindowTitle(ToQ(CCtrlColDlg::kCaption));
    m_number->setObjectName(QStringLiteral("number"));
    m_number->setReadOnly(true);
    m_number->setFocusPolicy(Qt::NoFocus);
    m_number->setMaximumWidth(60);
    m_macros->setCurrentIndex(-1);
    m_replace1->setMinimumWidth(120);
    m_replace2->setMinimumWidth(120);
    m_tabs->setObjectName(QStringLiteral("pages"));
    m_tabs->addTab(makeTextPage(), ToQ(CCtrlColDlg::kTypes[0]));
    m_tabs->addTab(makeNumberPage(), ToQ(CCtrlColDlg::kTypes[1]));
    m_tabs->addTab(makeDatePage(), ToQ(CCtrlColDlg::kTypes[2]));
    m_tabs->addTab(makeTimePage(), ToQ(CCtrlColDlg::kTypes[3]));
    m_tabs->addTab(makeTranslationPage(), ToQ("翻訳設定"));

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(ToQ("列番号"), this));
    top->addWidget(m_number);
    for (QWidget* w : {m_fileCol, m_edit, m_obligate, m_noDisp}) top->addWidget(w);
    top->addStretch();
    auto* initial = new QHBoxLayout;
    initial->addWidget(m_initial, 1);
    initial->addWidget(m_macros);
    auto* replace = new QHBoxLayout;
    replace->addWidget(m_replace1, 1);
    replace->addWidget(new QLabel(ToQ("⇒"), this));
    replace->addWidget(m_replace2, 1);
    auto* form = new QFormLayout;
    form->addRow(ToQ("列タイトル"), m_title);
    form->addRow(ToQ("入力最大長"), m_length);
    form->addRow(ToQ("許可文字"), m_permission);
    form->addRow(ToQ("初期値"), initial);
    form->addRow(ToQ("置換文字"), replace);
    auto* steps = new QHBoxLayout;
    for (QPushButton* b : {m_back, m_forward, m_pick, m_addVirtual, m_deleteVirtual}) steps->addWidget(b);
    steps->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(form);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(steps);
    layout->addWidget(OkCancelButtons(this));

    // Every rule is the model's: the widgets are stored, it acts, they are shown again.
    connect(m_fileCol, &QCheckBox::clicked, this, [this](bool on) { act([this, on] { m_model.setFileCol(on); }); });
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int tab) {
        if (m_loading || tab >= static_cast<int>(std::size(CCtrlColDlg::kTypeOfTab))) return;
        act([this, tab] { m_model.setType(CCtrlColDlg::kTypeOfTab[tab]); });
    });
    connect(m_macros, &QComboBox::activated, this, [this](int index) { act([this, index] { m_model.addMacro(index); }); });
    connect(m_back, &QPushButton::clicked, this, [this] { act([this] { m_model.goBack(userInterface()); }); });
    connect(m_forward, &QPushButton::clicked, this, [this] { act([this] { m_model.goForward(userInterface()); }); });
    connect(m_pick, &QPushButton::clicked, this, [this] { act([this] { m_model.pick(userInterface()); }); });
    connect(m_addVirtual, &QPushButton::clicked, this, [this] { act([this] { m_model.addVirtual(userInterface()); }); });
    connect(m_deleteVirtual, &QPushButton::clicked, this,
            [this] { act([this] { m_model.deleteVirtual(userInterface()); }); });
    loadFromModel();
}

QWidget* CtrlColDialog::makeTextPage() {
    auto* page = new QWidget(this);
    auto* box = new QGroupBox(ToQ("表示＆保存フォーマット"), page);
    auto* grid = new QGridLayout(box);
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        const FormatBox& format = CCtrlColFmt1::kBoxes[i];
        m_boxes[i] = new QCheckBox(ToQ(format.caption), box);
        m_boxes[i]->setObjectName(QStringLiteral("format%1").arg(i));
        grid->addWidget(m_boxes[i], static_cast<int>(i / 3), static_cast<int>(i % 3));
        connect(m_boxes[i], &QCheckBox::clicked, this,
                [this, bit = format.bit](bool on) { act([this, bit, on] { m_model.m_Text.setBox(bit, on); }); });
    }
    m_etc = Tick("その他文字", box, "etcChar");
    m_etcText = TextEdit(box, "etcText");
    m_hanSpConv = Tick("半角ｽﾍﾟｰｽ２個を全角ｽﾍﾟｰｽ１個に変換する", box, "hanSpConv");
    const int rows = static_cast<int>((m_boxes.size() + 2) / 3);
    grid->addWidget(m_etc, rows, 0);
    grid->addWidget(m_etcText, rows, 1, 1, 2);
    grid->addWidget(m_hanSpConv, rows + 1, 0, 1, 3);
    connect(m_etc, &QCheckBox::clicked, this, [this](bool on) { act([this, on] { m_model.m_Text.setEtcChar(on); }); });
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(box);
    layout->addStretch();
    return page;
}

QWidget* CtrlColDialog::makeNumberPage() {
    auto* page = new QWidget(this);
    QGroupBox* kind = RadioBox("表示＆保存フォーマット", {"前ゼロなし", "前ゼロ付き"}, m_numberKind, page, "numberKind");
    m_allLen = Spin(-1, CCtrlColFmt2::kMaxAllLen, -1, page, "allLen");
    m_point = Spin(0, CCtrlColFmt2::kMaxPoint, 0, page, "point");
    m_min = TextEdit(page, "minimum");
    m_max = TextEdit(page, "maximum");
    auto* form = new QFormLayout;
    form->addRow(ToQ("全体桁数"), m_allLen);
    form->addRow(ToQ("少数以下桁数"), m_point);
    form->addRow(ToQ("最小値"), m_min);
    form->addRow(ToQ("最大値"), m_max);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(kind);
    layout->addLayout(form);
    layout->addStretch();
    return page;
}

QWidget* CtrlColDialog::makeDatePage() {
    auto* page = new QWidget(this);
    m_dateShow = Choice(CCtrlColFmt3::kNotations, page, "dateShow");
    m_dateSave = Choice(CCtrlColFmt3::kNotations, page, "dateSave");
    auto* form = new QFormLayout(page);
    form->addRow(ToQ("表示フォーマット"), m_dateShow);
    form->addRow(ToQ("保存フォーマット"), m_dateSave);
    return page;
}

QWidget* CtrlColDialog::makeTimePage() {
    auto* page = new QWidget(this);
    m_timeShow = Choice(CCtrlColFmt4::kNotations, page, "timeShow");
    m_timeSave = Choice(CCtrlColFmt4::kNotations, page, "timeSave");
    QGroupBox* round = RadioBox("", {"丸め処理しない", "切り上げ", "切り捨て"}, m_round, page, "round");
    m_base = Choice(CCtrlColFmt4::kBases, page, "baseMinutes");
    auto* form = new QFormLayout(page);
    form->addRow(ToQ("表示フォーマット"), m_timeShow);
    form->addRow(ToQ("保存フォーマット"), m_timeSave);
    form->addRow(round);
    form->addRow(ToQ("基準分"), m_base);
    connect(m_round, &QButtonGroup::idClicked, this, [this] { act([] {}); });
    return page;
}

QWidget* CtrlColDialog::makeTranslationPage() {
    auto* page = new QWidget(this);
    m_tran = Tick("翻訳指定をする", page, "tran");
    m_tranControls = new QWidget(page);
    m_tranFile = TextEdit(m_tranControls, "tranFile");
    auto* fileBrowse = Button("参照", m_tranControls, "tranFileBrowse");
    m_tranDelim = new DelimiterGroup(ToQ("区切文字"), m_tranControls, false);
    m_tranDelim->setObjectName(QStringLiteral("tranDelimiter"));
    m_keyPos = Spin(1, CCtrlTran::kMaxKeyPos, 1, m_tranControls, "keyPos");
    m_namePos = TextEdit(m_tranControls, "namePos");
    m_targets = TextEdit(m_tranControls, "targets");
    auto* targetsBrowse = Button("参照", m_tranControls, "targetsBrowse");
    m_autoRun = Tick("データ読み込み時に自動翻訳をする", m_tranControls, "autoRun");
    auto* form = new QFormLayout(m_tranControls);
    form->addRow(ToQ("ファイル名"), WithBrowse(m_tranFile, fileBrowse));
    form->addRow(m_tranDelim);
    form->addRow(ToQ("キー列番号"), m_keyPos);
    form->addRow(ToQ("抽出項目番号"), m_namePos);
    form->addRow(ToQ("翻訳結果格納列番号"), WithBrowse(m_targets, targetsBrowse));
    form->addRow(m_autoRun);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_tran);
    layout->addWidget(m_tranControls);
    layout->addStretch();
    connect(m_tran, &QCheckBox::clicked, this, [this](bool on) { act([this, on] { m_model.m_Tran.m_bTran = on; }); });
    connect(fileBrowse, &QPushButton::clicked, this,
            [this] { act([this] { m_model.m_Tran.browseFile(userInterface()); }); });
    connect(targetsBrowse, &QPushButton::clicked, this, [this] {
        act([this] { m_model.m_Tran.browseTargets(userInterface(), m_model.session().ctrl()); });
    });
    return page;
}

template <typename Act>
void CtrlColDialog::act(Act action) {
    if (m_loading || !storeToModel()) return;
    action();
    loadFromModel();
}

void CtrlColDialog::loadFromModel() {
    m_loading = true;
    const CCtrlColDlg& m = m_model;
    m_number->setText(QString::number(m.m_nCol));
    m_fileCol->setChecked(m.m_bFileCol);
    m_edit->setChecked(m.m_bEdit);
    m_obligate->setChecked(m.m_bObligate);
    m_noDisp->setChecked(m.m_bNoDisp);
    m_title->setText(ToQ(m.m_strTitle));
    m_length->setValue(m.m_nLength);
    m_permission->setText(ToQ(m.m_strPermission));
    m_initial->setText(ToQ(m.m_strInitial));
    m_macros->setCurrentIndex(-1);
    m_replace1->setText(ToQ(m.m_strReplace1));
    m_replace2->setText(ToQ(m.m_strReplace2));
    for (int tab = 0; tab < static_cast<int>(std::size(CCtrlColDlg::kTypeOfTab)); ++tab)
        if (CCtrlColDlg::kTypeOfTab[tab] == m.m_nType && m_tabs->currentIndex() < 4) m_tabs->setCurrentIndex(tab);

    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        const FormatBits bit = CCtrlColFmt1::kBoxes[i].bit;
        m_boxes[i]->setChecked(m.m_Text.m_nBits & bit);
        m_boxes[i]->setEnabled(m.m_Text.boxEnabled(bit));
    }
    m_etc->setChecked(m.m_Text.m_bEtcChar);
    m_etcText->setText(ToQ(m.m_Text.m_strEtcChar));
    m_etcText->setEnabled(m.m_Text.etcCharEnabled());
    m_hanSpConv->setChecked(m.m_Text.m_bHanSpConv);

    Check(m_numberKind, m.m_Number.m_bZeroPad ? 1 : 0);
    m_allLen->setValue(m.m_Number.m_nAllLen);
    m_point->setValue(m.m_Number.m_nPoint);
    m_min->setText(ToQ(m.m_Number.m_strMin));
    m_max->setText(ToQ(m.m_Number.m_strMax));

    m_dateShow->setCurrentIndex(m.m_Date.m_nDisplay);
    m_dateSave->setCurrentIndex(m.m_Date.m_nSave);
    m_timeShow->setCurrentIndex(m.m_Time.m_nDisplay);
    m_timeSave->setCurrentIndex(m.m_Time.m_nSave);
    Check(m_round, m.m_Time.m_nRound);
    m_base->setCurrentIndex(m.m_Time.m_nBase);
    m_base->setEnabled(m.m_Time.baseEnabled());

    m_tran->setChecked(m.m_Tran.m_bTran);
    m_tranFile->setText(ToQ(m.m_Tran.m_strFile));
    m_tranDelim->setChoice(ChoiceOf(m.m_Tran.m_cDelim).kind, std::string());
    m_keyPos->setValue(m.m_Tran.m_nKeyPos);
    m_namePos->setText(ToQ(m.m_Tran.m_strNamePos));
    m_targets->setText(ToQ(m.m_Tran.m_strTargets));
    m_autoRun->setChecked(m.m_Tran.m_bAutoRun);

    // A virtual column keeps only its title: everything else is disabled.
    const bool inFile = m.m_bFileCol;
    for (QWidget* w : std::initializer_list<QWidget*>{m_edit, m_obligate, m_noDisp, m_permission, m_initial, m_macros,
                                                     m_replace1, m_replace2})
        w->setEnabled(inFile);
    m_length->setEnabled(m.lengthEnabled());
    for (int tab = 0; tab < 4; ++tab) m_tabs->widget(tab)->setEnabled(m.typePagesEnabled());
    m_tran->setEnabled(inFile);
    m_tranControls->setEnabled(inFile && m.m_Tran.controlsEnabled());
    m_back->setEnabled(m.canGoBack());
    m_forward->setEnabled(m.canGoForward());
    m_deleteVirtual->setEnabled(m.canDeleteVirtual());
    m_loading = false;
}

bool CtrlColDialog::storeToModel() {
    IUserInterface& ui = userInterface();
    CCtrlColDlg& m = m_model;
    if (!StoreText(m_title, m.m_strTitle, ui) || !StoreText(m_permission, m.m_strPermission, ui) ||
        !StoreText(m_initial, m.m_strInitial, ui) || !StoreText(m_replace1, m.m_strReplace1, ui) ||
        !StoreText(m_replace2, m.m_strReplace2, ui) || !StoreText(m_etcText, m.m_Text.m_strEtcChar, ui) ||
        !StoreText(m_min, m.m_Number.m_strMin, ui) || !StoreText(m_max, m.m_Number.m_strMax, ui) ||
        !StoreText(m_tranFile, m.m_Tran.m_strFile, ui) || !StoreText(m_namePos, m.m_Tran.m_strNamePos, ui) ||
        !StoreText(m_targets, m.m_Tran.m_strTargets, ui))
        return false;
    m.m_bFileCol = m_fileCol->isChecked();
    m.m_bEdit = m_edit->isChecked();
    m.m_bObligate = m_obligate->isChecked();
    m.m_bNoDisp = m_noDisp->isChecked();
    m.m_nLength = m_length->value();

    FormatBits bits = 0;
    for (std::size_t i = 0; i < m_boxes.size(); ++i)
        if (m_boxes[i]->isChecked()) bits |= CCtrlColFmt1::kBoxes[i].bit;
    m.m_Text.m_nBits = bits;
    m.m_Text.m_bEtcChar = m_etc->isChecked();
    m.m_Text.m_bHanSpConv = m_hanSpConv->isChecked();

    m.m_Number.m_bZeroPad = m_numberKind->checkedId() == 1;
    m.m_Number.m_nAllLen = m_allLen->value();
    m.m_Number.m_nPoint = m_point->value();

    m.m_Date.m_nDisplay = m_dateShow->currentIndex();
    m.m_Date.m_nSave = m_dateSave->currentIndex();
    m.m_Time.m_nDisplay = m_timeShow->currentIndex();
    m.m_Time.m_nSave = m_timeSave->currentIndex();
    m.m_Time.m_nRound = std::max(0, m_round->checkedId());
    m.m_Time.m_nBase = m_base->currentIndex();

    m.m_Tran.m_bTran = m_tran->isChecked();
    m.m_Tran.m_cDelim = DelimChoice{m_tranDelim->choice(), ','}.byte();
    m.m_Tran.m_nKeyPos = m_keyPos->value();
    m.m_Tran.m_bAutoRun = m_autoRun->isChecked();
    return true;
}

void CtrlColDialog::accept() {
    if (storeToModel() && m_model.onOk(userInterface())) QDialog::accept();
}

}  // namespace tabrix
