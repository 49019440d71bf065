#include "ui/Dialogs.h"

#include "app/Settings.h"
#include "ui/FileDlgs.h"
#include "ui/FilterDlgs.h"
#include "ui/SaveDlgs.h"
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
    registry.add<CSampleDlg>([](CSampleDlg& model, QWidget* parent) { return new FilterSettingsDialog(model, parent); });
    registry.add<CDataSelDlg>([](CDataSelDlg& model, QWidget* parent) { return new DataSelDialog(model, parent); });
    registry.add<CDivOptDlg>([](CDivOptDlg& model, QWidget* parent) { return new SplitOptDialog(model, parent); });
    registry.add<CSaveOpt>([](CSaveOpt& model, QWidget* parent) { return new SaveOptDialog(model, parent); });
    registry.add<CSampleCodeDlg>([](CSampleCodeDlg& model, QWidget* parent) { return new SampleCodeDialog(model, parent); });
}

}  // namespace tabrix
