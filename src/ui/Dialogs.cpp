#include "ui/Dialogs.h"

#include "app/Settings.h"
#include "ui/FileDlgs.h"
#include "ui/OptionDlg.h"
#include "ui/QtUserInterface.h"
#include "ui/ViewDlgs.h"
#include "ui/WorkbookDlgs.h"

namespace tabrix {

void RegisterDialogs(DialogRegistry& registry, const Settings& settings) {
    registry.add<COption>([](COption& model, QWidget* parent) { return new COptionDlg(model, parent); });
    registry.add<CFileOpen>([&settings](CFileOpen& model, QWidget* parent) {
        return new CFileOpenDlg(model, settings.DefDir, parent);
    });
    registry.add<CNewFile>([](CNewFile& model, QWidget* parent) { return new CNewFileDlg(model, parent); });
    registry.add<CExcelOptDlg>([](CExcelOptDlg& model, QWidget* parent) { return new ExcelOptionsDialog(model, parent); });
    registry.add<CJumpDlg>([](CJumpDlg& model, QWidget* parent) { return new JumpRowDialog(model, parent); });
    registry.add<CFontDlg>([](CFontDlg& model, QWidget* parent) { return new GridFontDialog(model, parent); });
}

}  // namespace tabrix
