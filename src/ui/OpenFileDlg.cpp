#include "ui/OpenFileDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "ui/QtText.h"
#include "ui/QtUserInterface.h"

namespace tabrix {

COpenFileDlg::COpenFileDlg(const std::string& defDir, QWidget* parent)
    : QFileDialog(parent), m_format(nullptr) {
    // The drop-down lives in the dialog's own layout, which only the
    // dialog drawn by Qt has.
    setOption(QFileDialog::DontUseNativeDialog);
    FileDialogRequest request;
    request.title = OpenCommandTexts::kTitle;
    request.filter = OpenCommandTexts::kFilter;
    request.initialDir = defDir;
    PrepareFileDialog(*this, request, false);

    m_format = new QComboBox(this);
    m_format->setObjectName(QStringLiteral("fileFormat"));
    for (const char* name : OpenCommandTexts::kFormats) m_format->addItem(ToQ(name));
    auto* label = new QLabel(ToQ(OpenCommandTexts::kFormatLabel), this);
    label->setBuddy(m_format);
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        const int row = grid->rowCount();
        grid->addWidget(label, row, 0);
        grid->addWidget(m_format, row, 1);
    }
}

OpenFormat COpenFileDlg::format() const { return static_cast<OpenFormat>(m_format->currentIndex()); }

bool ChooseFileToOpen(QWidget* parent, IUserInterface& ui, const std::string& defDir, std::string& path,
                      OpenFormat& format) {
    COpenFileDlg dialog(defDir, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    FileDialogRequest request;
    if (!ReadFileDialog(dialog, request, ui)) return false;
    path = request.fileName;
    format = dialog.format();
    return true;
}

}  // namespace tabrix
