#include "ui/Dialogs.h"

#include "ui/FileDlgs.h"
#include "ui/OptionDlg.h"
#include "ui/QtUserInterface.h"

namespace tabrix {

void RegisterDialogs(DialogRegistry& registry) {
    registry.add<COption>([](COption& model, QWidget* parent) { return new COptionDlg(model, parent); });
    registry.add<FileOpenPlaceholder>(
        [](FileOpenPlaceholder& model, QWidget* parent) { return new CFileOpenDlg(model, parent); });
    registry.add<NewFilePlaceholder>(
        [](NewFilePlaceholder& model, QWidget* parent) { return new CNewFileDlg(model, parent); });
}

}  // namespace tabrix
