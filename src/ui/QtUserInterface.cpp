#include "ui/QtUserInterface.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>

#include "text/Cp932.h"
#include "ui/ModelDialog.h"
#include "ui/ProgDlg.h"
#include "ui/QtText.h"
#include "ui/WorkbookDlgs.h"

namespace tabrix {

ModelDialog* DialogRegistry::create(CDialogModel& model, QWidget* parent) const {
    const auto it = m_factories.find(std::type_index(typeid(model)));
    return it == m_factories.end() ? nullptr : it->second(model, parent);
}

QStringList ToQtNameFilters(std::string_view filter) {
    // Split after decoding: a '|' byte may be the second byte of a double-byte character.
    const QStringList parts = ToQ(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) break;
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns)
            if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
        filters << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters;
}

std::string UnencodableMessage(const QString& badChar) {
    // The character itself has no code page 932 form: name it by its code point.
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", badChar.isEmpty() ? 0u : badChar.toUcs4().value(0));
    std::string text = "Shift-JISで扱えない文字（";
    text += code;
    text += "）が含まれています。";
    return text;
}

QtUserInterface::QtUserInterface(QWidget* parentWidget) : m_parent(parentWidget) {}

QtUserInterface::~QtUserInterface() {
    delete m_progress;
    delete m_reading;
}

MsgResult QtUserInterface::messageBox(std::string_view text, MsgIcon icon, MsgButtons buttons) {
    QMessageBox box(m_parent);
    box.setWindowTitle(QStringLiteral("Tabrix"));
    box.setText(ToQ(text));
    switch (icon) {
        case MsgIcon::Stop: box.setIcon(QMessageBox::Critical); break;
        case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
        case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
        case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    }
    switch (buttons) {
        case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case MsgButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            break;
        case MsgButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Yes);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes: return MsgResult::Yes;
        case QMessageBox::No: return MsgResult::No;
        case QMessageBox::Cancel: return MsgResult::Cancel;
        default: return buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::Cancel;
    }
}

void QtUserInterface::beep() { QApplication::beep(); }

IProgress& QtUserInterface::progress() {
    if (!m_progress) m_progress = new CProgDlg(m_parent);
    return *m_progress;
}

IReadingWindow& QtUserInterface::readingWindow() {
    if (!m_reading) m_reading = new ReadingWindow(m_parent);
    return *m_reading;
}

void QtUserInterface::beginWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
void QtUserInterface::endWaitCursor() { QApplication::restoreOverrideCursor(); }

bool QtUserInterface::getOpenFileName(FileDialogRequest& request) { return runFileDialog(request, false); }
bool QtUserInterface::getSaveFileName(FileDialogRequest& request) { return runFileDialog(request, true); }

void PrepareFileDialog(QFileDialog& dialog, const FileDialogRequest& request, bool save) {
    dialog.setWindowTitle(ToQ(request.title));
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save && !request.overwritePrompt) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = ToQtNameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        if (request.filterIndex >= 0 && request.filterIndex < filters.size())
            dialog.selectNameFilter(filters[request.filterIndex]);
    }
    auto toQPath = [](const std::string& cp932) { return QString::fromStdString(ToFsPath(cp932).string()); };
    dialog.setDirectory(request.initialDir.empty() ? QDir::currentPath() : toQPath(request.initialDir));
    if (!request.fileName.empty()) dialog.selectFile(toQPath(request.fileName));
    AddFileDialogChoices(dialog, request.choices);
}

void AddFileDialogChoices(QFileDialog& dialog, const std::vector<FileDialogChoice>& choices) {
    if (choices.empty()) return;
    // The drop-downs live in the dialog's own layout, which only the dialog drawn by Qt has.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    for (std::size_t i = 0; i < choices.size(); ++i) {
        auto* box = new QComboBox(&dialog);
        box->setObjectName(QStringLiteral("fileDialogChoice%1").arg(i));
        for (const std::string& entry : choices[i].entries) box->addItem(ToQ(entry));
        box->setCurrentIndex(choices[i].selected);
        auto* label = new QLabel(ToQ(choices[i].label), &dialog);
        label->setBuddy(box);
        if (grid) {
            const int row = grid->rowCount();
            grid->addWidget(label, row, 0);
            grid->addWidget(box, row, 1);
        }
    }
}

bool ReadFileDialog(const QFileDialog& dialog, FileDialogRequest& request, IUserInterface& ui) {
    if (dialog.selectedFiles().isEmpty()) return false;
    QString bad;
    std::string chosen;
    if (!FromQ(dialog.selectedFiles().first(), chosen, &bad)) {
        ui.messageBox(UnencodableMessage(bad), MsgIcon::Stop);
        return false;
    }
    request.fileName = chosen;
    // With the details hidden, the dialog names the filter by its description alone.
    const QStringList filters = dialog.nameFilters();
    const QString selected = dialog.selectedNameFilter();
    request.filterIndex = 0;
    for (qsizetype i = 0; i < filters.size(); ++i)
        if (filters[i] == selected || filters[i].startsWith(selected + QStringLiteral(" ("))) {
            request.filterIndex = static_cast<int>(i);
            break;
        }
    for (std::size_t i = 0; i < request.choices.size(); ++i)
        if (const auto* box = dialog.findChild<QComboBox*>(QStringLiteral("fileDialogChoice%1").arg(i)))
            request.choices[i].selected = box->currentIndex();
    return true;
}

bool QtUserInterface::runFileDialog(FileDialogRequest& request, bool save) {
    QFileDialog dialog(m_parent);
    PrepareFileDialog(dialog, request, save);
    return dialog.exec() == QDialog::Accepted && ReadFileDialog(dialog, request, *this);
}

bool QtUserInterface::runModal(CDialogModel& model) {
    ModelDialog* dialog = m_dialogs.create(model, m_parent);
    if (!dialog) return false;
    dialog->setUserInterface(this);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    delete dialog;
    return accepted;
}

}  // namespace tabrix
