// The dialogs of the row and column commands, each bound to its model in
// view/RowColDialogs.h: sort options, title edit, column copy, replace,
// column insert, merge, split, column order and column width.
#pragma once

#include "ui/ModelDialog.h"
#include "view/RowColDialogs.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace tabrix {

class SortOptDialog : public ModelDialog {
    Q_OBJECT
public:
    SortOptDialog(CSortOpt& model, QWidget* parent);

protected:
    bool storeToModel() override;

private:
    CSortOpt& m_model;
    QButtonGroup* m_direction;
};

class TitleEditDialog : public ModelDialog {
    Q_OBJECT
public:
    TitleEditDialog(CTitleEditDlg& model, QWidget* parent);

protected:
    bool storeToModel() override;

private:
    CTitleEditDlg& m_model;
    QLineEdit* m_title;
};

class ColCopyDialog : public ModelDialog {
    Q_OBJECT
public:
    ColCopyDialog(CColCopyDlg& model, QWidget* parent);

protected:
    bool storeToModel() override;

private:
    CColCopyDlg& m_model;
    QSpinBox* m_dest;
};

class ReplaceDialog : public ModelDialog {
    Q_OBJECT
public:
    ReplaceDialog(CReplaceDlg& model, QWidget* parent);

protected:
    bool storeToModel() override;

private:
    void loadTicks();

    CReplaceDlg& m_model;
    QLineEdit* m_find;
    QLineEdit* m_with;
    QCheckBox* m_uncond;
    QCheckBox* m_nonEmpty;
};

class ColInsertDialog : public ModelDialog {
    Q_OBJECT
public:
    ColInsertDialog(CColInsertDlg& model, QWidget* parent);

protected:
    bool storeToModel() override;

private:
    CColInsertDlg& m_model;
    QLineEdit* m_title;
    QLineEdit* m_value;
    QSpinBox* m_count;
};

class MergeDialog : public ModelDialog {
    Q_OBJECT
public:
    MergeDialog(CMargeWay& model, QWidget* parent);

protected:
    bool storeToModel() override;

private:
    CMargeWay& m_model;
    QButtonGroup* m_direction;
    QButtonGroup* m_separator;
    QLineEdit* m_other;
};

class SplitDialog : public ModelDialog {
    Q_OBJECT
public:
    SplitDialog(CSplitOpt& model, QWidget* parent);

protected:
    bool storeToModel() override;

private:
    void enableFields();

    CSplitOpt& m_model;
    QButtonGroup* m_separator;
    QLineEdit* m_other;
    QSpinBox* m_bytes;
    QCheckBox* m_repeat;
};

class ColOrderDialog : public ModelDialog {
    Q_OBJECT
public:
    ColOrderDialog(CColOrderDlg& model, QWidget* parent);

protected:
    bool storeToModel() override { return true; }

private:
    void loadEntries(int selected);
    void move(bool up);
    void step(bool forward);

    CColOrderDlg& m_model;
    QListWidget* m_list;
    QLineEdit* m_record;
    QPushButton* m_back;
    QPushButton* m_forward;
};

class ColWidthDialog : public ModelDialog {
    Q_OBJECT
public:
    ColWidthDialog(CColWidthDlg& model, QWidget* parent);

protected:
    bool storeToModel() override;

private:
    CColWidthDlg& m_model;
    QSpinBox* m_width;
};

}  // namespace tabrix
