#include "ui/Dialogs.h"

#include "app/Settings.h"
#include "ui/FileDlgs.h"
#include "ui/OptionDlg.h"
#include "ui/QtUserInterface.h"

namespace tabrix {

void RegisterDialogs(DialogRegistry& registry, const Settings& settings) {
    registry.add<COption>([](COption& model, QWidget* parent) { return new COptionDlg(model, parent); });
    registry.add<CFileOpen>([&settings](CFileOpen& model, QWidget* parent) {
        return new CFileOpenDlg(model, settings.DefDir, parent);
    });
    registry.add<CNewFile>([](CNewFile& model, QWidget* parent) { return new CNewFileDlg(model, parent); });
}

}  // namespace tabrix
