// The desktop's user interface for the core: Qt message boxes, the progress
// window, the wait cursor, the file dialogs, and modal dialogs found by the
// type of their model in a registry that each dialog adds itself to.
#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <typeindex>

#include "app/UserInterface.h"

class QDialog;
class QFileDialog;
class QWidget;

namespace tabrix {

class CProgDlg;
class ModelDialog;
class ReadingWindow;

class DialogRegistry {
public:
    using Factory = std::function<ModelDialog*(CDialogModel& model, QWidget* parent)>;

    template <typename Model>
    void add(std::function<ModelDialog*(Model& model, QWidget* parent)> make) {
        m_factories[std::type_index(typeid(Model))] = [make](CDialogModel& model, QWidget* parent) {
            return make(static_cast<Model&>(model), parent);
        };
    }
    // Null when no dialog is registered for the model's type.
    ModelDialog* create(CDialogModel& model, QWidget* parent) const;

private:
    std::map<std::type_index, Factory> m_factories;
};

// "desc|pattern;pattern|...||" as Qt name filters, one per entry.
QStringList ToQtNameFilters(std::string_view filter);

// The message for a typed or chosen text holding a character code page 932 cannot hold.
std::string UnencodableMessage(const QString& badChar);

// Sets a file dialog up from a request: title, filters and the one in use,
// folder, proposed name and the prompt before overwriting.
void PrepareFileDialog(QFileDialog& dialog, const FileDialogRequest& request, bool save);
// The drop-down lists of a request below the dialog's file name; the dialog
// is then the one Qt draws.
void AddFileDialogChoices(QFileDialog& dialog, const std::vector<FileDialogChoice>& choices);
// After the dialog was accepted: the chosen path, filter and choices into the request.
// False (after telling the user) when the path has no code page 932 form.
bool ReadFileDialog(const QFileDialog& dialog, FileDialogRequest& request, IUserInterface& ui);

class QtUserInterface : public IUserInterface {
public:
    explicit QtUserInterface(QWidget* parentWidget = nullptr);
    ~QtUserInterface() override;

    MsgResult messageBox(std::string_view text, MsgIcon icon, MsgButtons buttons = MsgButtons::Ok) override;
    void beep() override;
    IProgress& progress() override;
    void beginWaitCursor() override;
    void endWaitCursor() override;
    bool getOpenFileName(FileDialogRequest& request) override;
    bool getSaveFileName(FileDialogRequest& request) override;
    bool runModal(CDialogModel& dialog) override;
    IReadingWindow& readingWindow() override;

    void setParentWidget(QWidget* parent) { m_parent = parent; }
    DialogRegistry& dialogs() { return m_dialogs; }

private:
    bool runFileDialog(FileDialogRequest& request, bool save);

    QWidget* m_parent;
    DialogRegistry m_dialogs;
    // Owned by the parent widget when there is one, which may go first.
    QPointer<CProgDlg> m_progress;
    QPointer<ReadingWindow> m_reading;
};

}  // namespace tabrix
