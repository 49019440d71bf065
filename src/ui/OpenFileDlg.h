// The dialog of the open command: the common open-file dialog "ファイル選択"
// with the extra drop-down "ファイル形式" choosing how the file is read.
#pragma once

#include <QFileDialog>

#include <string>

#include "document/OpenCommand.h"

class QComboBox;

namespace tabrix {

class IUserInterface;

class COpenFileDlg : public QFileDialog {
    Q_OBJECT
public:
    // Starts in defDir (the DefDir setting).
    COpenFileDlg(const std::string& defDir, QWidget* parent);

    OpenFormat format() const;

private:
    QComboBox* m_format;
};

// Shows the dialog; false when it was cancelled.
bool ChooseFileToOpen(QWidget* parent, IUserInterface& ui, const std::string& defDir, std::string& path,
                      OpenFormat& format);

}  // namespace tabrix
