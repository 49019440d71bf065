// The grid view in its document window, driven as a user drives it: the
// example orders opened under their control file, cells edited in the real
// editor, the menus, keys, context menu and the error list window.
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <string>
#include <vector>

#include "GridTestSupport.h"
#include "UiTestSupport.h"
#include "text/Record.h"
#include "ui/DocumentWidget.h"
#include "ui/ErrMsgDlg.h"
#include "ui/HelpLinePane.h"
#include "ui/MainFrame.h"
#include "ui/QtUserInterface.h"
#include "ui/ViewDlgs.h"
#include "view/TabrixView.h"

namespace tabrix {

namespace {

using test::CellCenter;
using test::ChooseInFileDialog;
using test::ClickHeader;
using test::ContextMenuAt;
using test::DoubleClick;
using test::EditWithF2;
using test::ExpectStop;
using test::ModalScript;
using test::OpenEditor;
using test::PressReturn;
using test::ReadFile;
using test::TypeIntoCell;
using test::WriteFile;

// Grid columns of the example: the file's nine fields with the two name
// columns of the translation after the customer code.
constexpr int kOrderNo = 1;
constexpr int kDate = 2;
constexpr int kCustomerName = 5;
constexpr int kProduct = 7;
constexpr int kQuantity = 8;
constexpr int kAmount = 9;
constexpr int kStatus = 10;
constexpr int kUser = 11;

// The commands of a menu as the user reads them: captions, "-" for a separator.
QStringList Captions(const QMenu& menu) {
    QStringList captions;
    for (const QAction* action : menu.actions()) captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}

// Shows the context menu of a grid cell and reads it while it is open.
QStringList ContextMenuCaptions(CGridCtrl& grid, int row, int col, QStringList* disabled = nullptr) {
    QStringList captions;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        poll.stop();
        captions = Captions(*menu);
        if (disabled)
            for (const QAction* action : menu->actions())
                if (!action->isSeparator() && !action->isEnabled()) *disabled << action->text();
        menu->close();
    });
    poll.start(5);
    ContextMenuAt(grid.table()->viewport(), CellCenter(grid, row, col));
    return captions;
}

}  // namespace

class GridWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QVERIFY(m_folder.isValid());
        m_desktop = test::StartWithDocuments();
        Settings& settings = m_desktop->app().settings();
        settings.OpenDlg = 0;
        settings.Psize = 100;
        settings.DefDir = FromQLossy(m_folder.path());
        for (const char* name : {"orders.ctrl", "ORDERS.CSV", "CUSTOMERS.CSV"}) {
            const QString source = QStringLiteral(TABRIX_SOURCE_DIR "/examples/") + QLatin1String(name);
            QVERIFY(WriteFile(m_folder.filePath(QLatin1String(name)), ReadFile(source)));
        }
    }
    void cleanup() { m_desktop.reset(); }

    void firstDisplayShowsThePageInTheSettingsColours() {
        DocumentWidget* window = openExample();
        QVERIFY(window);
        CGridCtrl& grid = window->grid();
        const Settings& settings = m_desktop->app().settings();
        QCOMPARE(grid.rowCount(), 101);
        QCOMPARE(grid.columnCount(), 12);
        QCOMPARE(text(grid, 0, kProduct), ToQ("商品名"));
        QCOMPARE(text(grid, 1, 0), QStringLiteral("000002"));
        QCOMPARE(text(grid, 1, kDate), QStringLiteral("2024/01/05"));
        QCOMPARE(text(grid, 1, kCustomerName), ToQ("福岡文具店"));
        QCOMPARE(grid.itemBackColor(1, kProduct), GridColor{settings.BackColor1});
        QCOMPARE(grid.itemBackColor(2, kProduct), GridColor{settings.BackColor2});
        QCOMPARE(grid.itemTextColor(1, kOrderNo), GridColor{settings.NoEditClr});
        QCOMPARE(grid.itemTextColor(1, kCustomerName), GridColor{settings.VirtualClr});
        QCOMPARE(grid.columnWidth(kUser), 0);
        QVERIFY(grid.columnWidth(kStatus) > 0);
        QCOMPARE(grid.cellKind(1, kStatus), CellKind::DropDownList);
        QCOMPARE(grid.gridFont().height, GridFontOfSettings(settings, grid.logicalDpiY()).height);
        // The grid fills the window.
        QCOMPARE(grid.size(), window->size());

        QCOMPARE(frame().pageSelector()->count(), 3);
        QCOMPARE(frame().pageSelector()->currentText(), QStringLiteral("P. 1"));
        QCOMPARE(frame().paneText(StatusPane::Size), ToQ("301行11列"));
        QCOMPARE(frame().paneText(StatusPane::Changed), QString());

        // A cell with the focus names its column's rules and its place.
        grid.setFocusCell(3, kQuantity);
        QCOMPARE(frame().paneText(StatusPane::Position), QStringLiteral("Col.4.8 (2 byte)"));
        QVERIFY(!frame().paneText(StatusPane::Message).isEmpty());
    }

    void titleLineCommandTogglesTheFirstLine() {
        DocumentWidget* window = openExample();
        CGridCtrl& grid = window->grid();
        QVERIFY(frame().commandAction(CommandId::TitleLine)->isChecked());
        trigger(CommandId::TitleLine);
        QVERIFY(!frame().commandAction(CommandId::TitleLine)->isChecked());
        QCOMPARE(text(grid, 1, 0), QStringLiteral("000001"));
        QCOMPARE(text(grid, 1, kProduct), ToQ("商品名"));
        QCOMPARE(text(grid, 0, kProduct), ToQ("商品名"));  // the schema's title
        QCOMPARE(frame().pageSelector()->count(), 4);
        trigger(CommandId::TitleLine);
        QCOMPARE(text(grid, 1, 0), QStringLiteral("000002"));
    }

    void editingADateInCompactFormStoresItWithSlashes() {
        DocumentWidget* window = openExample();
        CGridCtrl& grid = window->grid();
        QLineEdit* editor = TypeIntoCell(grid, 1, kDate, QStringLiteral("20240210"));
        QVERIFY(editor);
        PressReturn(editor);
        QVERIFY(!grid.isEditing());
        QCOMPARE(text(grid, 1, kDate), QStringLiteral("2024/02/10"));
        QCOMPARE(field(*window, 1, kDate), std::string("2024/02/10"));
        QCOMPARE(frame().paneText(StatusPane::Changed), ToQ("変更"));
    }

    void aRejectedEditShowsTheColumnsMessageAndKeepsTheOldText() {
        DocumentWidget* window = openExample();
        CGridCtrl& grid = window->grid();
        QLineEdit* editor = TypeIntoCell(grid, 1, kQuantity, QStringLiteral("600"));
        QVERIFY(editor);
        ModalScript script;
        script.on<QMessageBox>([](QMessageBox* box) { ExpectStop(box, "最大値(500)より大きい値です。"); });
        QVERIFY2(script.run([&] { PressReturn(editor); }), qPrintable(script.failures()));
        QCOMPARE(text(grid, 1, kQuantity), QStringLiteral("7"));
        QCOMPARE(field(*window, 1, kQuantity), std::string("7"));
        QCOMPARE(frame().paneText(StatusPane::Changed), QString());
    }

    void aVirtualOrReadOnlyColumnOpensNoEditor() {
        DocumentWidget* window = openExample();
        CGridCtrl& grid = window->grid();
        for (int col : {kCustomerName, kOrderNo}) {
            QVERIFY(!EditWithF2(grid, 1, col));
            QVERIFY(!grid.isEditing());
        }
        QCOMPARE(text(grid, 1, kCustomerName), ToQ("福岡文具店"));
    }

    void theInputMethodFollowsTheColumn() {
        DocumentWidget* window = openExample();
        CGridCtrl& grid = window->grid();
        QLineEdit* editor = EditWithF2(grid, 1, kProduct);
        QVERIFY(editor);
        QCOMPARE(window->view().lastImeRequest(), ImeRequest::FullHiragana);
        QVERIFY(editor->testAttribute(Qt::WA_InputMethodEnabled));
        QCOMPARE(editor->inputMethodHints(), Qt::InputMethodHints(Qt::ImhNone));
        PressReturn(editor);
        QCOMPARE(window->view().lastImeRequest(), ImeRequest::Close);
        QVERIFY(!grid.editorInputMethod().enabled);

        editor = EditWithF2(grid, 1, kQuantity);
        QVERIFY(editor);
        QCOMPARE(window->view().lastImeRequest(), ImeRequest::Close);
        QVERIFY(!editor->testAttribute(Qt::WA_InputMethodEnabled));
        QTest::keyClick(editor, Qt::Key_Escape);
    }

    void copyLeavesTheHiddenColumnOut() {
        DocumentWidget* window = openExample();
        CGridCtrl& grid = window->grid();
        QGuiApplication::clipboard()->clear();
        grid.setSelectedRange({1, kAmount, 2, kUser});
        trigger(CommandId::EditCopy);
        QCOMPARE(QGuiApplication::clipboard()->text(), ToQ("4760\t出荷済\r\n18720\t請求済"));

        // The key does the same while the grid has the focus.
        QGuiApplication::clipboard()->clear();
        grid.setSelectedRange({2, kQuantity, 2, kUser});
        QTest::keyClick(grid.table(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), ToQ("156\t18720\t請求済"));
    }

    void pasteAndSelectAllGoThroughTheGrid() {
        DocumentWidget* window = openExample();
        CGridCtrl& grid = window->grid();
        QGuiApplication::clipboard()->setText(ToQ("はさみ"));
        grid.setSelectedRange({3, kProduct, 3, kProduct});
        trigger(CommandId::EditPaste);
        QCOMPARE(field(*window, 3, kProduct), std::string("はさみ"));
        QCOMPARE(frame().paneText(StatusPane::Changed), ToQ("変更"));
        trigger(CommandId::EditSelectAll);
        const GridRange range = grid.selectedRange();
        QCOMPARE(QList<int>({range.minRow, range.minCol, range.maxRow, range.maxCol}), QList<int>({1, 1, 100, 11}));
    }

    void undoAndRedoNameTheActionAndFollowTheKeys() {
        DocumentWidget* window = openExample();
        CGridCtrl& grid = window->grid();
        QAction* undo = frame().commandAction(CommandId::EditUndo);
        QAction* redo = frame().commandAction(CommandId::EditRedo);
        QVERIFY(!undo->isEnabled());
        QVERIFY(!redo->isEnabled());
        QCOMPARE(undo->text(), ToQ("元に戻す"));
        const std::string before = field(*window, 3, kProduct);
        QGuiApplication::clipboard()->setText(ToQ("はさみ"));
        grid.setSelectedRange({3, kProduct, 3, kProduct});
        QTest::keyClick(grid.table(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(field(*window, 3, kProduct), std::string("はさみ"));
        QVERIFY(undo->isEnabled());
        QCOMPARE(undo->text(), ToQ("元に戻す(貼り付け)"));
        QCOMPARE(frame().paneText(StatusPane::Changed), ToQ("変更"));
        QTest::keyClick(grid.table(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(field(*window, 3, kProduct), before);
        QCOMPARE(frame().paneText(StatusPane::Changed), QString());
        QVERIFY(!undo->isEnabled());
        QCOMPARE(redo->text(), ToQ("やり直し(貼り付け)"));
        QTest::keyClick(grid.table(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(field(*window, 3, kProduct), std::string("はさみ"));
        QCOMPARE(frame().paneText(StatusPane::Changed), ToQ("変更"));
        QStringList disabled;
        QCOMPARE(ContextMenuCaptions(grid, 1, 2, &disabled).mid(0, 3),
                 QStringList({ToQ("元に戻す(貼り付け)"), ToQ("やり直し"), QStringLiteral("-")}));
        QCOMPARE(disabled.mid(0, 1), QStringList({ToQ("やり直し")}));
    }

    void sortOnTitleClickReordersThePageButRowCommandsKeepToTheirLines() {
        m_desktop->app().settings().OpenDlg = 0;
        const QString path = m_folder.filePath(QStringLiteral("sort.csv"));
        QVERIFY(WriteFile(path, "c,3\r\na,1\r\nb,2\r\n"));
        QVERIFY(frame().openFile(FromQLossy(path)));
        DocumentWidget* window = activeWindow();
        CGridCtrl& grid = window->grid();

        // Without a control file there is nothing to check the data against.
        QVERIFY(!frame().commandAction(CommandId::DataCheck)->isEnabled());
        QVERIFY(!frame().commandAction(CommandId::SortDisplay)->isChecked());
        trigger(CommandId::SortDisplay);
        QVERIFY(frame().commandAction(CommandId::SortDisplay)->isChecked());
        ClickHeader(grid.table()->horizontalHeader(), 0);
        QCOMPARE(column(grid, 0, 3), QStringList({QStringLiteral("000002"), QStringLiteral("000003"), QStringLiteral("000001")}));
        QCOMPARE(column(grid, 1, 3), QStringList({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
        QCOMPARE(window->document().lines()[0], std::string_view("c\t3"));

        // The first grid row now shows line 2: a file inserted there follows line 2.
        const QString insert = m_folder.filePath(QStringLiteral("ins.csv"));
        QVERIFY(WriteFile(insert, "x,9\r\n"));
        ClickHeader(grid.table()->verticalHeader(), 0);
        ModalScript script;
        script.on<QFileDialog>([&](QFileDialog* dialog) { ChooseInFileDialog(dialog, insert); });
        QVERIFY2(script.run([&] { trigger(CommandId::FileInsert); }), qPrintable(script.failures()));
        std::vector<std::string> lines;
        for (std::size_t i = 0; i < window->document().lines().size(); ++i)
            lines.emplace_back(window->document().lines()[i]);
        QCOMPARE(lines, (std::vector<std::string>{"c\t3", "a\t1", "x\t9", "b\t2"}));
    }

    void pageKeysWorkWhileTheGridHasTheFocus() {
        DocumentWidget* window = openExample();
        CGridCtrl& grid = window->grid();
        frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame()));
        grid.table()->setFocus();
        QVERIFY(!frame().commandAction(CommandId::PagePrev)->isEnabled());

        const auto press = [&](Qt::Key key, const char* firstRow, const char* page) {
            QTest::keyClick(grid.table(), key, Qt::AltModifier);
            QCOMPARE(text(grid, 1, 0), QLatin1String(firstRow));
            QCOMPARE(frame().pageSelector()->currentText(), QLatin1String(page));
        };
        press(Qt::Key_N, "000102", "P. 2");
        press(Qt::Key_E, "000202", "P. 3");
        QVERIFY(!frame().commandAction(CommandId::PageNext)->isEnabled());
        QCOMPARE(text(grid, 100, 0), QStringLiteral("000301"));
        press(Qt::Key_B, "000102", "P. 2");
        press(Qt::Key_T, "000002", "P. 1");

        // A page chosen in the page selector.
        emit frame().pageSelector()->activated(2);
        QCOMPARE(text(grid, 1, 0), QStringLiteral("000202"));
    }

    void jumpAsksForALineNumber() {
        DocumentWidget* window = openExample();
        CGridCtrl& grid = window->grid();
        grid.setSelectedRange({5, 3, 5, 3});
        ModalScript script;
        script.on<JumpRowDialog>([](JumpRowDialog* dialog) {
            auto* line = dialog->findChild<QSpinBox*>(QStringLiteral("line"));
            QCOMPARE(line->minimum(), 1);
            QCOMPARE(line->maximum(), 301);
            QCOMPARE(line->value(), 6);
            line->setValue(250);
            dialog->accept();
        });
        QVERIFY2(script.run([&] { trigger(CommandId::JumpToRow); }), qPrintable(script.failures()));
        QCOMPARE(frame().pageSelector()->currentText(), QStringLiteral("P. 3"));
        QCOMPARE(text(grid, 49, 0), QStringLiteral("000250"));
        const GridRange range = grid.selectedRange();
        QCOMPARE(QList<int>({range.minRow, range.minCol, range.maxRow, range.maxCol}), QList<int>({49, 1, 49, 1}));
    }

    void fontDialogChangesTheGridFont() {
        DocumentWidget* window = openExample();
        CGridCtrl& grid = window->grid();
        ModalScript script;
        script.on<GridFontDialog>([](GridFontDialog* dialog) {
            QFont font(QStringLiteral("IPAGothic"));
            font.setPointSize(15);
            dialog->fontChooser()->setCurrentFont(font);
            dialog->accept();
        });
        QVERIFY2(script.run([&] { trigger(CommandId::Font); }), qPrintable(script.failures()));
        const GridFont font = grid.gridFont();
        QCOMPARE(font.face, std::string("IPAGothic"));
        QCOMPARE(font.height, -qRound(15.0 * grid.logicalDpiY() / 72.0));
        QCOMPARE(font.weight, 400);
    }

    void contextMenuFollowsTheControlFile() {
        DocumentWidget* window = openExample();
        QStringList disabled;
        // COLCHANGE=FALSE: no column submenu.
        QCOMPARE(ContextMenuCaptions(window->grid(), 1, 2, &disabled),
                 QStringList({ToQ("元に戻す"), ToQ("やり直し"), QStringLiteral("-"), ToQ("ﾃﾞｰﾀ整合性ﾁｪｯｸ"),
                              QStringLiteral("-"), ToQ("行操作"), ToQ("変換"),
                              QStringLiteral("-"), ToQ("列非表示(*)"), ToQ("列の幅(*)")}));
        QVERIFY(!disabled.contains(ToQ("ﾃﾞｰﾀ整合性ﾁｪｯｸ")));
        closeAll();

        QByteArray ctrl = ReadFile(m_folder.filePath(QStringLiteral("orders.ctrl")));
        ctrl.replace("LINECHANGE=TRUE", "LINECHANGE=FALSE");
        QVERIFY(WriteFile(m_folder.filePath(QStringLiteral("orders.ctrl")), ctrl));
        window = openExample();
        QCOMPARE(ContextMenuCaptions(window->grid(), 1, 2),
                 QStringList({ToQ("元に戻す"), ToQ("やり直し"), QStringLiteral("-"), ToQ("ﾃﾞｰﾀ整合性ﾁｪｯｸ"),
                              QStringLiteral("-"), ToQ("変換"), QStringLiteral("-"),
                              ToQ("列非表示(*)"), ToQ("列の幅(*)")}));
    }

    void errorListShowsTheFindingsAndJumpsToThem() {
        DocumentWidget* window = openExample();
        CGridCtrl& grid = window->grid();
        trigger(CommandId::DataCheck);
        CErrMsgDlg* errors = window->errorListWindow();
        QVERIFY(errors);
        QVERIFY(errors->isVisible());
        QCOMPARE(errors->windowTitle(), ToQ("エラーメッセージ"));
        QTreeWidget* list = errors->list();
        QStringList captions;
        for (int col = 0; col < list->columnCount(); ++col) captions << list->headerItem()->text(col);
        QCOMPARE(captions, QStringList({ToQ("行"), ToQ("　列"), ToQ("エラー内容"), ToQ("エラーデータ")}));
        QCOMPARE(list->topLevelItemCount(), 6);
        QCOMPARE(list->topLevelItem(4)->text(0), QStringLiteral("000178"));
        QCOMPARE(list->topLevelItem(4)->text(1), ToQ("状態"));
        QCOMPARE(list->topLevelItem(4)->text(3), ToQ("保留"));
        QCOMPARE(frame().paneText(StatusPane::Changed), ToQ("変更"));

        // Line 178 is data row 177: page 2, its 77th row.
        list->setCurrentItem(list->topLevelItem(4));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(frame().pageSelector()->currentText(), QStringLiteral("P. 2"));
        QCOMPARE(text(grid, 77, 0), QStringLiteral("000178"));
        QCOMPARE(text(grid, 77, kStatus), ToQ("保留"));
        GridRange range = grid.selectedRange();
        QCOMPARE(QList<int>({range.minRow, range.minCol, range.maxRow, range.maxCol}), QList<int>({77, 10, 77, 10}));

        // A double click does the same; the first finding is on page 1.
        DoubleClick(list->viewport(), list->visualItemRect(list->topLevelItem(0)).center());
        QCOMPARE(frame().pageSelector()->currentText(), QStringLiteral("P. 1"));
        range = grid.selectedRange();
        QCOMPARE(QList<int>({range.minRow, range.minCol}), QList<int>({41, 1}));

        // Delete takes the row off the list; the error file still has it.
        list->setCurrentItem(list->topLevelItem(0));
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(list->topLevelItemCount(), 5);
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("000043"));
        const QString output = m_folder.filePath(QStringLiteral("errors"));
        ModalScript script;
        script
            .on<QFileDialog>([&](QFileDialog* dialog) {
                QCOMPARE(dialog->windowTitle(), ToQ("エラーデータ保存"));
                ChooseInFileDialog(dialog, output);
            })
            .on<QMessageBox>([&](QMessageBox* box) {
                QCOMPARE(box->text(), ToQ("<" + FromQLossy(output) + ".txt>ファイルに 6 件出力しました。"));
                QCOMPARE(box->icon(), QMessageBox::Information);
                box->accept();
            });
        QVERIFY2(script.run([&] { menuAction(*errors, "エラーデータ出力(&O)")->trigger(); }),
                 qPrintable(script.failures()));
        QVERIFY(ReadFile(output + QStringLiteral(".txt")).startsWith(QByteArray("【000042,0001】")));

        // A new check replaces the window; closing it ends the list.
        QPointer<CErrMsgDlg> first(errors);
        trigger(CommandId::DataCheck);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        errors = window->errorListWindow();
        QVERIFY(errors);
        QCOMPARE(errors->list()->topLevelItemCount(), 6);
        QPointer<CErrMsgDlg> second(errors);
        menuAction(*errors, "閉じる(&C)")->trigger();
        QVERIFY(!window->view().errorListWindowOpen());
        QVERIFY(window->view().errorList().records().empty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!second);
    }

    void errorListFollowsItsDocument() {
        DocumentWidget* checked = openExample();
        trigger(CommandId::DataCheck);
        QPointer<CErrMsgDlg> errors(checked->errorListWindow());
        QVERIFY(errors && errors->isVisible());
        QMdiSubWindow* checkedWindow = frame().mdiArea()->activeSubWindow();

        // Another document in front hides it; its own document brings it back.
        m_desktop->app().settings().OpenDlg = 0;
        const QString other = m_folder.filePath(QStringLiteral("other.csv"));
        QVERIFY(WriteFile(other, "a,b\r\n"));
        QVERIFY(frame().openFile(FromQLossy(other)));
        QVERIFY(frame().mdiArea()->activeSubWindow() != checkedWindow);
        QVERIFY(errors && errors->isHidden());
        frame().mdiArea()->setActiveSubWindow(checkedWindow);
        QVERIFY(errors && errors->isVisible());
        QCOMPARE(checked->errorListWindow(), errors.data());
    }

    void longHelpLineIsReadableAsTooltip() {
        openExample();
        auto* pane = frame().findChild<CHelpLinePane*>();
        QVERIFY(pane);
        const QString text(200, QChar(0x3042));
        pane->setFullText(text);
        QCOMPARE(pane->fullText(), text);
        QVERIFY(pane->text().size() < text.size());
        QCOMPARE(pane->toolTip(), text);
        pane->setFullText(QStringLiteral("short"));
        QCOMPARE(pane->text(), QStringLiteral("short"));
        QCOMPARE(pane->toolTip(), QString());
    }

    void printPreviewOpens() {
        openExample();
        ModalScript script;
        script.on<QPrintPreviewDialog>([](QPrintPreviewDialog* dialog) { dialog->reject(); });
        QVERIFY2(script.run([&] { trigger(CommandId::FilePrintPreview); }), qPrintable(script.failures()));
    }

    void closingAfterAnEditAsksToSave() {
        DocumentWidget* window = openExample();
        QLineEdit* editor = EditWithF2(window->grid(), 2, kProduct);
        QVERIFY(editor);
        editor->setText(ToQ("はさみ"));
        PressReturn(editor);
        const QByteArray before = ReadFile(m_folder.filePath(QStringLiteral("ORDERS.CSV")));
        ModalScript script;
        script.on<QMessageBox>([](QMessageBox* box) {
            QCOMPARE(box->text(), ToQ("ORDERS.CSV の変更を保存しますか？"));
            QCOMPARE(box->icon(), QMessageBox::Question);
            box->button(QMessageBox::Cancel)->click();
        });
        QVERIFY2(script.run([&] { trigger(CommandId::FileClose); }), qPrintable(script.failures()));
        QCOMPARE(windowCount(), 1);

        ModalScript no;
        no.on<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::No)->click(); });
        QVERIFY2(no.run([&] { trigger(CommandId::FileClose); }), qPrintable(no.failures()));
        QCOMPARE(windowCount(), 0);
        QCOMPARE(ReadFile(m_folder.filePath(QStringLiteral("ORDERS.CSV"))), before);
    }

private:
    CMainFrame& frame() { return m_desktop->mainFrame(); }
    void trigger(CommandId id) { frame().commandAction(id)->trigger(); }
    int windowCount() { return test::DocumentWindowCount(frame()); }
    void closeAll() {
        frame().mdiArea()->closeAllSubWindows();
        QCOMPARE(windowCount(), 0);
    }
    DocumentWidget* activeWindow() { return test::ActiveDocument(frame()); }
    DocumentWidget* openExample() {
        if (!frame().openFile(FromQLossy(m_folder.filePath(QStringLiteral("orders.ctrl"))))) return nullptr;
        return activeWindow();
    }
    static QString text(const CGridCtrl& grid, int row, int col) { return ToQ(grid.itemText(row, col)); }
    static QStringList column(const CGridCtrl& grid, int col, int rows) {
        QStringList texts;
        for (int row = 1; row <= rows; ++row) texts << text(grid, row, col);
        return texts;
    }
    // A field of a line of the store, by its grid column.
    static std::string field(const DocumentWidget& window, std::size_t line, int col) {
        std::vector<std::string> fields;
        SplitFields(window.document().lines()[line], fields, window.document().columnCount());
        return fields[static_cast<std::size_t>(col - 1)];
    }
    static QAction* menuAction(const QWidget& window, const char* caption) {
        for (QAction* action : window.findChildren<QAction*>())
            if (action->text() == ToQ(caption)) return action;
        return nullptr;
    }

    QTemporaryDir m_folder;
    std::unique_ptr<DesktopApp> m_desktop;
};

}  // namespace tabrix

TABRIX_UI_TEST_MAIN(tabrix::GridWindowTest)
#include "GridWindowTest.moc"
