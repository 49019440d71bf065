// The file-read dialog "ファイル読み込み種別" and the new-file dialog
// "新規作成オプション設定", bound to the document's CFileOpen and CNewFile.
#pragma once

#include <string>

#include "document/FileOpenDlg.h"
#include "document/NewFileDlg.h"
#include "ui/ModelDialog.h"

class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace tabrix {

class DelimiterGroup;

class CFileOpenDlg : public ModelDialog {
    Q_OBJECT
public:
    // "参照" starts in defDir (the DefDir setting), read when it is pressed.
    CFileOpenDlg(CFileOpen& model, const std::string& defDir, QWidget* parent);

protected:
    bool storeToModel() override;

private:
    void browse();
    void loadFromModel();

    CFileOpen& m_model;
    const std::string& m_defDir;
    QLineEdit* m_fileName;
    DelimiterGroup* m_delimiter;
    QCheckBox* m_titleLine;
    QCheckBox* m_quoted;
};

class CNewFileDlg : public ModelDialog {
    Q_OBJECT
public:
    CNewFileDlg(CNewFile& model, QWidget* parent);

protected:
    bool storeToModel() override;

private:
    CNewFile& m_model;
    QSpinBox* m_rows;
    QSpinBox* m_columns;
    DelimiterGroup* m_delimiter;
};

}  // namespace tabrix
