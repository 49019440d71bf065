// The workbook read options "EXCEL読み込みオプション" bound to CExcelOptDlg, and
// the reading window "EXCELファイル読み込み中" with its button "中止".
#pragma once

#include <QDialog>
#include <QElapsedTimer>

#include "app/UserInterface.h"
#include "document/workbook/ExcelOptDlg.h"
#include "ui/ModelDialog.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace tabrix {

class ExcelOptionsDialog : public ModelDialog {
    Q_OBJECT
public:
    ExcelOptionsDialog(CExcelOptDlg& model, QWidget* parent);

protected:
    bool storeToModel() override;

private:
    CExcelOptDlg& m_model;
    QComboBox* m_sheet;
    QSpinBox* m_first;
    QSpinBox* m_last;
};

// Shown without blocking while a sheet is read; it takes the input of the
// whole application meanwhile, so nothing but its button can be pressed.
class ReadingWindow : public QDialog, public IReadingWindow {
    Q_OBJECT
public:
    explicit ReadingWindow(QWidget* parent);

    void show(std::string_view caption, std::string_view text, std::string_view button) override;
    bool update(std::int64_t row) override;
    void hide() override;

    QPushButton* stopButton() const { return m_stop; }
    QString rowText() const;

protected:
    void reject() override;  // Escape or the close box press the button too

private:
    QLabel* m_text;
    QLabel* m_row;
    QPushButton* m_stop;
    bool m_pressed = false;
    QElapsedTimer m_sinceEvents;
};

}  // namespace tabrix
