// The code translation dialogs, the calendar and the time dialog: each binding
// reads its model and writes the user's choices back; and F4 in the grid of a
// real document window opens them and ends the cell's edit with their value.
#include <QCalendarWidget>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimeEdit>

#include "GridTestSupport.h"
#include "UiTestSupport.h"
#include "app/AppContext.h"
#include "support/ScriptedUi.h"
#include "text/Record.h"
#include "ui/CalendarDlgs.h"
#include "ui/DocumentWidget.h"
#include "ui/MainFrame.h"
#include "ui/QtText.h"
#include "ui/TranslateDlgs.h"
#include "view/TabrixView.h"

namespace tabrix {

namespace {

using test::CellCenter;
using test::DoubleClick;
using test::EditWithF2;
using test::ModalScript;
using test::ReadFile;
using test::WriteFile;

constexpr int kDate = 2;
constexpr int kTime = 3;
constexpr int kCustomer = 4;
constexpr int kCustomerName = 5;
constexpr int kStatus = 10;

template <typename T>
T* Named(QWidget& dialog, const char* name) {
    return dialog.findChild<T*>(QLatin1String(name));
}

// Chooses an entry of the context menu that opens while act runs.
void ChooseFromMenu(const char* caption, const std::function<void()>& act) {
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        poll.stop();
        for (QAction* action : menu->actions())
            if (action->text() == ToQ(caption)) menu->setActiveAction(action);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    poll.start(5);
    act();
}

CTranCtrl Customers() {
    CTranCtrl tran;
    tran.m_nKeyPos = 1;
    tran.m_NamePos = {2};
    for (const char* code : {"C1", "C2", " ", "C4", "C5"}) tran.m_Table.push_back({code, std::string("name ") + code});
    return tran;
}

}  // namespace

class TranslateDlgsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QVERIFY(m_folder.isValid());
        m_settings.DefDir = FromQLossy(m_folder.path());
    }

    void codeTranslationPreviewsTheFileAndTakesPositionsFromItsMenu() {
        QVERIFY(WriteFile(m_folder.filePath(QStringLiteral("t.csv")), "A1,Apple,Red\r\nB2,Banana,Yellow\r\n"));
        test::ScriptedUi ui;
        AppContext app{m_settings, ui, "", ""};
        CColTransParam model;
        model.m_pApp = &app;
        model.m_nCol = 3;
        model.m_nColCount = 4;
        CodeTranslateDialog dialog(model, nullptr);
        dialog.setUserInterface(&ui);
        QCOMPARE(dialog.windowTitle(), ToQ("CD翻訳"));
        QCOMPARE(Named<QLineEdit>(dialog, "column")->text(), QStringLiteral("3"));
        QVERIFY(!Named<QSpinBox>(dialog, "insertAfter")->isEnabled());
        Named<QRadioButton>(dialog, "placement1")->click();
        QVERIFY(Named<QSpinBox>(dialog, "insertAfter")->isEnabled());
        QCOMPARE(Named<QSpinBox>(dialog, "insertAfter")->maximum(), 4);

        ui.fileDialogs.push_back([](FileDialogRequest& request) {
            request.fileName = "t.csv";
            return true;
        });
        Named<QPushButton>(dialog, "browse")->click();
        QCOMPARE(Named<QLineEdit>(dialog, "file")->text(), QStringLiteral("t.csv"));
        QTableWidget* preview = dialog.preview();
        QCOMPARE(preview->columnCount(), 3);
        QCOMPARE(preview->rowCount(), 2);
        QCOMPARE(preview->horizontalHeaderItem(2)->text(), QStringLiteral("Col.3"));
        QCOMPARE(preview->item(1, 1)->text(), QStringLiteral("Banana"));

        preview->setCurrentCell(0, 2, QItemSelectionModel::ClearAndSelect);
        preview->setCurrentCell(1, 1, QItemSelectionModel::Select);
        ChooseFromMenu("抽出項目に設定", [&] { emit preview->customContextMenuRequested(QPoint(5, 5)); });
        QCOMPARE(Named<QLineEdit>(dialog, "names")->text(), QStringLiteral("2,3"));
        ChooseFromMenu("キー項目に設定", [&] { emit preview->customContextMenuRequested(QPoint(5, 5)); });
        QCOMPARE(ui.lastMessage(), std::string("キー項目は、列を１列選択して下さい。"));
        preview->setCurrentCell(0, 1, QItemSelectionModel::ClearAndSelect);
        dialog.setKeyFromSelection();
        QCOMPARE(Named<QSpinBox>(dialog, "keyPos")->value(), 2);

        Named<QRadioButton>(dialog, "delim1")->click();  // the tab file has one field a line
        QCOMPARE(preview->columnCount(), 1);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(ui.lastMessage(), std::string("翻訳指定（t.csv）の指定にエラーが有ります。\n"
                                               "キー列番号が翻訳ファイルの項目数を超えています。"));
        Named<QRadioButton>(dialog, "delim0")->click();
        Named<QSpinBox>(dialog, "insertAfter")->setValue(4);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(model.m_nPlacement, int(CColTransParam::AddColumns));
        QCOMPARE(model.m_nInsertAfter, 4);
        QCOMPARE(model.m_Tran.m_NamePos, (std::vector<int>{2, 3}));
        QCOMPARE(model.m_Tran.m_Table.size(), std::size_t{2});
    }

    void translationScreenPagesSearchesAndTakesADoubleClickedRow() {
        test::ScriptedUi ui;
        const CTranCtrl tran = Customers();
        CTranDlg model(tran, "C4", "得意先CD", {"得意先名"}, 2);
        TranslationScreenDialog dialog(model, nullptr);
        dialog.setUserInterface(&ui);
        QCOMPARE(dialog.windowTitle(), ToQ("翻訳画面"));
        auto* pages = Named<QComboBox>(dialog, "pages");
        QCOMPARE(pages->count(), 3);
        QCOMPARE(pages->currentText(), QStringLiteral("P. 2"));
        QTableWidget* table = dialog.table();
        QCOMPARE(table->horizontalHeaderItem(1)->text(), ToQ("得意先名"));
        QCOMPARE(table->item(1, 0)->text(), QStringLiteral("C4"));
        QVERIFY(table->item(1, 0)->isSelected());

        Named<QLineEdit>(dialog, "searchText")->setText(QStringLiteral("*5"));
        Named<QPushButton>(dialog, "search")->click();
        QCOMPARE(pages->currentText(), QStringLiteral("P. 3"));
        QCOMPARE(table->rowCount(), 1);
        table->selectAll();
        Named<QPushButton>(dialog, "search")->click();
        QCOMPARE(ui.lastMessage(), std::string("列を１列選択して下さい。"));

        pages->setCurrentIndex(1);
        emit pages->activated(1);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral(" "));
        table->setCurrentCell(0, 1, QItemSelectionModel::ClearAndSelect);
        dialog.accept();  // a key of one space is not taken, without a word
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(ui.messages.size(), std::size_t{1});
        DoubleClick(table->viewport(), table->visualItemRect(table->item(1, 1)).center());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(model.result(), std::string("C4"));
    }

    void calendarAndTimeDialogsBindTheirValues() {
        CCalenDlg day;
        day.m_nYear = 2024;
        day.m_nMonth = 2;
        day.m_nDay = 29;
        CalendarDialog calendar(day, nullptr);
        QCOMPARE(calendar.windowTitle(), ToQ("カレンダー画面"));
        QCalendarWidget* widget = calendar.calendar();
        QCOMPARE(widget->selectedDate(), QDate(2024, 2, 29));
        QCOMPARE(widget->minimumDate(), QDate(1000, 1, 1));
        QCOMPARE(widget->maximumDate(), QDate(9999, 12, 31));
        QCOMPARE(widget->firstDayOfWeek(), Qt::Sunday);
        QCOMPARE(widget->locale().language(), QLocale::Japanese);
        widget->setSelectedDate(QDate(2025, 12, 31));
        emit widget->activated(widget->selectedDate());  // a double click is OK
        QCOMPARE(calendar.result(), int(QDialog::Accepted));
        QCOMPARE(day.m_nYear * 10000 + day.m_nMonth * 100 + day.m_nDay, 20251231);

        CTimeDlg time;
        time.m_nHour = 18;
        time.m_nMinute = 45;
        TimeDialog picker(time, nullptr);
        QCOMPARE(picker.windowTitle(), ToQ("時刻入力画面"));
        QCOMPARE(picker.timeEdit()->time(), QTime(18, 45));
        picker.timeEdit()->setTime(QTime(7, 5));
        picker.accept();
        QCOMPARE(time.m_nHour * 100 + time.m_nMinute, 705);
    }

    void f4OpensThePickerOfTheCellsColumn() {
        DocumentWidget* window = openExample();
        QVERIFY(window);
        CGridCtrl& grid = window->grid();
        grid.table()->setFocus();

        ModalScript script;
        script.on<CalendarDialog>([](CalendarDialog* dialog) {
            QCOMPARE(dialog->calendar()->selectedDate(), QDate(2024, 1, 5));
            dialog->calendar()->setSelectedDate(QDate(2024, 2, 29));
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        QVERIFY2(script.run([&] { pressF4(grid, 1, kDate); }), qPrintable(script.failures()));
        QCOMPARE(text(grid, 1, kDate), QStringLiteral("2024/02/29"));
        QCOMPARE(field(*window, 1, kDate), std::string("2024/02/29"));

        ModalScript time;
        time.on<TimeDialog>([](TimeDialog* dialog) {
            QCOMPARE(dialog->timeEdit()->time(), QTime(13, 40));
            dialog->timeEdit()->setTime(QTime(9, 32));
            dialog->accept();
        });
        QVERIFY2(time.run([&] { pressF4(grid, 1, kTime); }), qPrintable(time.failures()));
        QCOMPARE(text(grid, 1, kTime), QStringLiteral("09:30"));  // the column rounds down to 5 minutes

        ModalScript code;
        code.on<TranslationScreenDialog>([](TranslationScreenDialog* dialog) {
            QTableWidget* table = dialog->table();
            QCOMPARE(table->currentItem()->text(), QStringLiteral("C005"));
            table->setCurrentCell(0, 0, QItemSelectionModel::ClearAndSelect);
            dialog->accept();
        });
        QVERIFY2(code.run([&] { pressF4(grid, 1, kCustomer); }), qPrintable(code.failures()));
        QCOMPARE(text(grid, 1, kCustomer), QStringLiteral("C001"));
        QCOMPARE(text(grid, 1, kCustomerName), ToQ("株式会社東京商事"));
    }

    void f4CommitsAnOpenEditorFirstAndLeavesTheDropDownItsOwn() {
        DocumentWidget* window = openExample();
        QVERIFY(window);
        CGridCtrl& grid = window->grid();
        QLineEdit* editor = EditWithF2(grid, 1, kDate);
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("20240310"));
        ModalScript script;
        script.on<CalendarDialog>([](CalendarDialog* dialog) {
            QCOMPARE(dialog->calendar()->selectedDate(), QDate(2024, 3, 10));  // what was typed
            dialog->reject();
        });
        QVERIFY2(script.run([&] { QTest::keyClick(editor, Qt::Key_F4); }), qPrintable(script.failures()));
        QVERIFY(!grid.isEditing());
        QCOMPARE(text(grid, 1, kDate), QStringLiteral("2024/03/10"));

        // The status column edits in a drop-down list, which opens its list on F4.
        QVERIFY(grid.table()->model());
        grid.table()->setCurrentIndex(test::IndexOf(grid, 1, kStatus));
        grid.table()->edit(test::IndexOf(grid, 1, kStatus));
        auto* list = test::OpenEditor<QComboBox>(grid);
        QVERIFY(list);
        ModalScript none;
        QVERIFY(none.run([&] { QTest::keyClick(list, Qt::Key_F4); }));
        QVERIFY(list->view()->isVisible());
        list->hidePopup();
    }

    void cleanup() { m_desktop.reset(); }

private:
    DocumentWidget* openExample() {
        m_desktop = test::StartWithDocuments();
        Settings& settings = m_desktop->app().settings();
        settings.OpenDlg = 0;
        settings.Psize = 100;
        settings.DefDir = FromQLossy(m_folder.path());
        for (const char* name : {"orders.ctrl", "ORDERS.CSV", "CUSTOMERS.CSV"}) {
            const QString source = QStringLiteral(TABRIX_SOURCE_DIR "/examples/") + QLatin1String(name);
            if (!WriteFile(m_folder.filePath(QLatin1String(name)), ReadFile(source))) return nullptr;
        }
        CMainFrame& frame = m_desktop->mainFrame();
        if (!frame.openFile(FromQLossy(m_folder.filePath(QStringLiteral("orders.ctrl"))))) return nullptr;
        return test::ActiveDocument(frame);
    }
    static void pressF4(CGridCtrl& grid, int row, int col) {
        grid.table()->setCurrentIndex(test::IndexOf(grid, row, col));
        QTest::keyClick(grid.table(), Qt::Key_F4);
    }
    static QString text(const CGridCtrl& grid, int row, int col) { return ToQ(grid.itemText(row, col)); }
    static std::string field(const DocumentWidget& window, std::size_t line, int col) {
        std::vector<std::string> fields;
        SplitFields(window.document().lines()[line], fields, window.document().columnCount());
        return fields[static_cast<std::size_t>(col - 1)];
    }

    Settings m_settings;
    QTemporaryDir m_folder;
    std::unique_ptr<DesktopApp> m_desktop;
};

}  // namespace tabrix

TABRIX_UI_TEST_MAIN(tabrix::TranslateDlgsTest)
#include "TranslateDlgsTest.moc"
