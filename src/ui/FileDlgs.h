// The file-read dialog "ファイル読み込み種別" and the new-file dialog
// "新規作成オプション設定". They bind to the placeholder models until the
// document layer brings the real ones.
#pragma once

#include "ui/ModelDialog.h"
#include "ui/PlaceholderModels.h"

class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace tabrix {

class DelimiterGroup;

class CFileOpenDlg : public ModelDialog {
    Q_OBJECT
public:
    CFileOpenDlg(FileOpenPlaceholder& model, QWidget* parent);

protected:
    bool storeToModel() override;

private:
    void browse();
    void loadFromModel();

    FileOpenPlaceholder& m_model;
    QLineEdit* m_fileName;
    DelimiterGroup* m_delimiter;
    QCheckBox* m_titleLine;
    QCheckBox* m_quoted;
};

class CNewFileDlg : public ModelDialog {
    Q_OBJECT
public:
    CNewFileDlg(NewFilePlaceholder& model, QWidget* parent);

protected:
    bool storeToModel() override;

private:
    NewFilePlaceholder& m_model;
    QSpinBox* m_rows;
    QSpinBox* m_columns;
    DelimiterGroup* m_delimiter;
};

}  // namespace tabrix
