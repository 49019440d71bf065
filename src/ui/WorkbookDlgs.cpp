#include "ui/WorkbookDlgs.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/QtText.h"

namespace tabrix {

namespace {
constexpr qint64 kEventIntervalMs = 50;
constexpr int kLargestRowInput = 99999999;  // the model's checks judge the range
}  // namespace

ExcelOptionsDialog::ExcelOptionsDialog(CExcelOptDlg& model, QWidget* parent)
    : ModelDialog(model, parent),
      m_model(model),
      m_sheet(new QComboBox(this)),
      m_first(new QSpinBox(this)),
      m_last(new QSpinBox(this)) {
    setWindowTitle(ToQ(CExcelOptDlg::kCaption));
    auto* file = new QLineEdit(ToQ(model.m_strFileName), this);
    file->setReadOnly(true);
    file->setMinimumWidth(320);
    file->setObjectName(QStringLiteral("fileName"));
    m_sheet->setObjectName(QStringLiteral("sheet"));
    for (const std::string& sheet : model.m_sheets) m_sheet->addItem(ToQ(sheet));
    m_sheet->setCurrentIndex(model.m_nSheet);
    m_first->setObjectName(QStringLiteral("firstRow"));
    m_last->setObjectName(QStringLiteral("lastRow"));
    for (QSpinBox* box : {m_first, m_last}) box->setRange(-kLargestRowInput, kLargestRowInput);
    m_first->setValue(model.m_nFirst);
    m_last->setValue(model.m_nLast);
    auto* rows = new QHBoxLayout;
    rows->addWidget(m_first);
    rows->addWidget(new QLabel(ToQ("～"), this));
    rows->addWidget(m_last);
    auto* form = new QFormLayout;
    form->addRow(file);
    form->addRow(ToQ(CExcelOptDlg::kSheetLabel), m_sheet);
    form->addRow(ToQ(CExcelOptDlg::kRowLabel), rows);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(ToQ(CExcelOptDlg::kNote), this));
    layout->addWidget(OkCancelButtons(this));
}

bool ExcelOptionsDialog::storeToModel() {
    m_model.m_nSheet = m_sheet->currentIndex();
    m_model.m_nFirst = m_first->value();
    m_model.m_nLast = m_last->value();
    return true;
}

ReadingWindow::ReadingWindow(QWidget* parent)
    : QDialog(parent), m_text(new QLabel(this)), m_row(new QLabel(this)), m_stop(new QPushButton(this)) {
    setWindowModality(Qt::ApplicationModal);
    m_row->setObjectName(QStringLiteral("row"));
    m_row->setMinimumWidth(240);
    m_stop->setObjectName(QStringLiteral("stop"));
    connect(m_stop, &QPushButton::clicked, this, [this] { m_pressed = true; });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(m_row);
    layout->addWidget(m_stop, 0, Qt::AlignHCenter);
}

void ReadingWindow::show(std::string_view caption, std::string_view text, std::string_view button) {
    setWindowTitle(ToQ(caption));
    m_text->setText(ToQ(text));
    m_stop->setText(ToQ(button));
    m_row->clear();
    m_pressed = false;
    QDialog::show();
    QCoreApplication::processEvents();
    m_sinceEvents.restart();
}

bool ReadingWindow::update(std::int64_t row) {
    // Handling events after every row would cost more than reading it.
    if (m_sinceEvents.isValid() && m_sinceEvents.elapsed() < kEventIntervalMs) return false;
    m_row->setText(QString::number(row));
    QCoreApplication::processEvents();
    m_sinceEvents.restart();
    const bool pressed = m_pressed;
    m_pressed = false;
    return pressed;
}

void ReadingWindow::hide() { QDialog::hide(); }

void ReadingWindow::reject() { m_pressed = true; }

QString ReadingWindow::rowText() const { return m_row->text(); }

}  // namespace tabrix
