// The dialogs of the conversion commands, each bound to its model in
// view/ConvertDialogs.h: "文字の付与設定", "文字削除", "日付フォーマット変換"
// and "数値フォーマット変換".
#pragma once

#include "ui/ModelDialog.h"
#include "view/ConvertDialogs.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace tabrix {

class DigitSetDialog : public ModelDialog {
    Q_OBJECT
public:
    DigitSetDialog(CDigitSetMsg& model, QWidget* parent);

protected:
    bool storeToModel() override;

private:
    void enableFields();

    CDigitSetMsg& m_model;
    QButtonGroup* m_kind;
    QButtonGroup* m_position;
    QButtonGroup* m_align;
    QLineEdit* m_other;
    QSpinBox* m_length;
};

class DelCharDialog : public ModelDialog {
    Q_OBJECT
public:
    DelCharDialog(CDelChar& model, QWidget* parent);

protected:
    bool storeToModel() override;

private:
    CDelChar& m_model;
    QCheckBox* m_start;
    QCheckBox* m_end;
    QButtonGroup* m_kind;
    QLineEdit* m_other;
};

// The date and the number format conversions: the same dialog over two lists of formats.
class FormatConvDialog : public ModelDialog {
    Q_OBJECT
public:
    FormatConvDialog(CDateConvDlg& model, QWidget* parent);
    FormatConvDialog(CNumFormatDlg& model, QWidget* parent);

protected:
    bool storeToModel() override;

private:
    FormatConvDialog(CFormatConvDlg& model, const char* caption, const char* const* formats, int count,
                     QWidget* parent);
    void enableTitle();

    CFormatConvDlg& m_model;
    QButtonGroup* m_format = nullptr;
    QButtonGroup* m_place = nullptr;
    QLineEdit* m_title;
};

}  // namespace tabrix
