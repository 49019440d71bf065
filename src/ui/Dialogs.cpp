#include "ui/Dialogs.h"

#include "app/Settings.h"
#include "ui/AggregateDlgs.h"
#include "ui/CalcDlgs.h"
#include "ui/CalendarDlgs.h"
#include "ui/ColSelDlg.h"
#include "ui/ConvertDlgs.h"
#include "ui/CtrlFileDlgs.h"
#include "ui/FileDlgs.h"
#include "ui/FilterDlgs.h"
#include "ui/SaveDlgs.h"
#include "ui/OptionDlg.h"
#include "ui/QtUserInterface.h"
#include "ui/RowColDlgs.h"
#include "ui/TranslateDlgs.h"
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
    registry.add<CColSelDlg>([](CColSelDlg& model, QWidget* parent) { return new ColSelDialog(model, parent); });
    registry.add<CSortOpt>([](CSortOpt& model, QWidget* parent) { return new SortOptDialog(model, parent); });
    registry.add<CTitleEditDlg>([](CTitleEditDlg& model, QWidget* parent) { return new TitleEditDialog(model, parent); });
    registry.add<CColCopyDlg>([](CColCopyDlg& model, QWidget* parent) { return new ColCopyDialog(model, parent); });
    registry.add<CReplaceDlg>([](CReplaceDlg& model, QWidget* parent) { return new ReplaceDialog(model, parent); });
    registry.add<CColInsertDlg>([](CColInsertDlg& model, QWidget* parent) { return new ColInsertDialog(model, parent); });
    registry.add<CMargeWay>([](CMargeWay& model, QWidget* parent) { return new MergeDialog(model, parent); });
    registry.add<CSplitOpt>([](CSplitOpt& model, QWidget* parent) { return new SplitDialog(model, parent); });
    registry.add<CColOrderDlg>([](CColOrderDlg& model, QWidget* parent) { return new ColOrderDialog(model, parent); });
    registry.add<CColWidthDlg>([](CColWidthDlg& model, QWidget* parent) { return new ColWidthDialog(model, parent); });
    registry.add<CSampleDlg>([](CSampleDlg& model, QWidget* parent) { return new FilterSettingsDialog(model, parent); });
    registry.add<CDataSelDlg>([](CDataSelDlg& model, QWidget* parent) { return new DataSelDialog(model, parent); });
    registry.add<CSumParamDlg>([](CSumParamDlg& model, QWidget* parent) { return new SumParamDialog(model, parent); });
    registry.add<CColTotalDlg>([](CColTotalDlg& model, QWidget* parent) { return new ColTotalDialog(model, parent); });
    registry.add<CSummaryDlg>([](CSummaryDlg& model, QWidget* parent) { return new SummaryWindow(model, parent); });
    registry.add<CDivOptDlg>([](CDivOptDlg& model, QWidget* parent) { return new SplitOptDialog(model, parent); });
    registry.add<CSaveOpt>([](CSaveOpt& model, QWidget* parent) { return new SaveOptDialog(model, parent); });
    registry.add<CCalCol>([](CCalCol& model, QWidget* parent) { return new CalcColDialog(model, parent); });
    registry.add<CAutoFillDlg>([](CAutoFillDlg& model, QWidget* parent) { return new AutoFillDialog(model, parent); });
    registry.add<CColSort>([](CColSort& model, QWidget* parent) { return new ColSortDialog(model, parent); });
    registry.add<CDigitSetMsg>([](CDigitSetMsg& model, QWidget* parent) { return new DigitSetDialog(model, parent); });
    registry.add<CDelChar>([](CDelChar& model, QWidget* parent) { return new DelCharDialog(model, parent); });
    registry.add<CDateConvDlg>([](CDateConvDlg& model, QWidget* parent) { return new FormatConvDialog(model, parent); });
    registry.add<CNumFormatDlg>([](CNumFormatDlg& model, QWidget* parent) { return new FormatConvDialog(model, parent); });
    registry.add<CMakeCtrlDlg>([](CMakeCtrlDlg& model, QWidget* parent) { return new CtrlFileDialog(model, parent); });
    registry.add<CCtrlColDlg>([](CCtrlColDlg& model, QWidget* parent) { return new CtrlColDialog(model, parent); });
    registry.add<CColAttrReadDlg>([](CColAttrReadDlg& model, QWidget* parent) { return new ColAttrReadDialog(model, parent); });
    registry.add<CSampleCodeDlg>([](CSampleCodeDlg& model, QWidget* parent) { return new SampleCodeDialog(model, parent); });
    registry.add<CColTransParam>([](CColTransParam& model, QWidget* parent) { return new CodeTranslateDialog(model, parent); });
    registry.add<CTranDlg>([](CTranDlg& model, QWidget* parent) { return new TranslationScreenDialog(model, parent); });
    registry.add<CCalenDlg>([](CCalenDlg& model, QWidget* parent) { return new CalendarDialog(model, parent); });
    registry.add<CTimeDlg>([](CTimeDlg& model, QWidget* parent) { return new TimeDialog(model, parent); });
}

}  // namespace tabrix
