// The dialogs of code translation: "CD翻訳" bound to CColTransParam, with the
// preview of the file and its right-click menu, and "翻訳画面" bound to
// CTranDlg, the code picker of F4 with its pages and search.
#pragma once

#include "ui/ModelDialog.h"
#include "view/CodeTranslateDlg.h"
#include "view/TranDlg.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QSpinBox;
class QTableWidget;

namespace tabrix {

class CodeTranslateDialog : public ModelDialog {
    Q_OBJECT
public:
    CodeTranslateDialog(CColTransParam& model, QWidget* parent);
    QTableWidget* preview() const { return m_preview; }
    // The right-click menu's entries, on the preview's selected columns.
    void setKeyFromSelection();
    void setNamesFromSelection();

protected:
    bool storeToModel() override;

private:
    // The widgets that the model's methods read, copied into it.
    bool storeFile();
    void fillPreview();
    void previewMenu(const QPoint& pos);
    std::vector<int> selectedPreviewColumns() const;

    CColTransParam& m_model;
    QLineEdit* m_file;
    QSpinBox* m_keyPos;
    QLineEdit* m_names;
    QButtonGroup* m_delim;
    QButtonGroup* m_placement;
    QSpinBox* m_insertAfter;
    QTableWidget* m_preview;
};

class TranslationScreenDialog : public ModelDialog {
    Q_OBJECT
public:
    TranslationScreenDialog(CTranDlg& model, QWidget* parent);
    QTableWidget* table() const { return m_table; }

protected:
    bool storeToModel() override;

private:
    void fillPage();
    void search();

    CTranDlg& m_model;
    QTableWidget* m_table;
    QLineEdit* m_search;
    QComboBox* m_pages;
};

}  // namespace tabrix
