#include <QClipboard>
#include <QComboBox>
#include <QFontInfo>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>

#include <cstdio>
#include <memory>
#include <set>

#include "GridTestSupport.h"
#include "UiTestSupport.h"
#include "ui/ColorButton.h"
#include "ui/GridCtrl.h"
#include "ui/GridPrint.h"
#include "ui/QtText.h"
#include "ui/QtUserInterface.h"

namespace tabrix {

namespace {

using test::CellCenter;
using test::ClickHeader;
using test::DoubleClick;
using test::EditWithF2;
using test::ExpectStop;
using test::IndexOf;
using test::ModalScript;
using test::OpenEditor;
using test::PressReturn;

// Stands in for the view: records every notice, may veto or reject, and
// stores accepted edits in the cell as the view's handler does.
class FakeView : public IGridNotify {
public:
    struct End {
        int row;
        int col;
        std::string text;
    };

    explicit FakeView(IGridCtrl& grid) : m_grid(grid) { grid.setNotify(this); }

    bool onBeginEdit(int row, int col) override {
        begins.emplace_back(row, col);
        if (vetoed.count({row, col})) return false;
        if (!prepared.empty()) m_grid.setItemText(row, col, prepared);
        return true;
    }
    bool onEndEdit(int row, int col, const std::string& text) override {
        ends.push_back({row, col, text});
        if (!rejection.empty()) QtUserInterface(nullptr).messageBox(rejection, MsgIcon::Stop);
        if (!acceptEnd) return false;
        m_grid.setItemText(row, col, text);
        return true;
    }
    void onSelectionChanged() override { ++selectionChanges; }
    void onRightClick(int row, int col) override { rightClicks.emplace_back(row, col); }

    std::set<std::pair<int, int>> vetoed;
    std::string prepared;  // put into the cell when an edit begins
    bool acceptEnd = true;
    std::string rejection;  // shown in a message box when an edit ends
    std::vector<std::pair<int, int>> begins;
    std::vector<End> ends;
    std::vector<std::pair<int, int>> rightClicks;
    int selectionChanges = 0;

private:
    IGridCtrl& m_grid;
};

std::string Format(const char* format, int value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// A shown grid with titles "Col.n", row numbers "00000n" and cells "r<row>c<col>".
std::unique_ptr<CGridCtrl> MakeGrid(int rows, int cols) {
    auto grid = std::make_unique<CGridCtrl>();
    grid->setRowCount(rows);
    grid->setColumnCount(cols);
    for (int col = 1; col < cols; ++col) grid->setItemText(0, col, Format("Col.%d", col));
    for (int row = 1; row < rows; ++row) {
        grid->setItemText(row, 0, Format("%06d", row));
        for (int col = 1; col < cols; ++col)
            grid->setItemText(row, col, "r" + std::to_string(row) + "c" + std::to_string(col));
    }
    grid->resize(640, 400);
    grid->show();
    if (!QTest::qWaitForWindowExposed(grid.get())) qWarning("grid window not exposed");
    return grid;
}

// Types text as key presses carrying it, as an input method delivers it.
void Type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

GridRange Range(int minRow, int minCol, int maxRow, int maxCol) {
    return GridRange{minRow, minCol, maxRow, maxCol};
}

bool SameRange(const GridRange& a, const GridRange& b) {
    return a.minRow == b.minRow && a.minCol == b.minCol && a.maxRow == b.maxRow &&
           a.maxCol == b.maxCol;
}


}  // namespace

class GridCtrlTest : public QObject {
    Q_OBJECT
private slots:
    void keepsShapeTextsAndColours() {
        auto grid = MakeGrid(4, 3);
        QCOMPARE(grid->rowCount(), 4);
        QCOMPARE(grid->columnCount(), 3);
        QCOMPARE(grid->fixedRowCount(), 1);
        QCOMPARE(grid->fixedColumnCount(), 1);
        QAbstractItemModel& model = *grid->table()->model();
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.columnCount(), 2);

        grid->setItemText(2, 1, "表ソ①ｱ");
        QCOMPARE(grid->itemText(2, 1), std::string("表ソ①ｱ"));
        QCOMPARE(model.data(IndexOf(*grid, 2, 1)).toString(), QStringLiteral(u"表ソ①ｱ"));
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Col.2"));
        QCOMPARE(model.headerData(2, Qt::Vertical).toString(), QStringLiteral("000003"));
        QCOMPARE(grid->itemText(9, 9), std::string());

        // Cells without colours of their own show the default cell's.
        grid->setDefaultTextColor(0x00123456);
        grid->setDefaultBackColor(0x00E0FFFF);
        grid->setItemBackColor(1, 2, 0x000000FF);
        grid->setItemTextColor(0, 1, 0x00FF0000);
        QCOMPARE(grid->itemBackColor(1, 2), GridColor{0x000000FF});
        QCOMPARE(grid->itemBackColor(1, 1), kDefaultTextColor);
        const auto brush = [&](const QModelIndex& at, int role) {
            return model.data(at, role).value<QBrush>().color();
        };
        QCOMPARE(brush(IndexOf(*grid, 1, 2), Qt::BackgroundRole), QColor(255, 0, 0));
        QCOMPARE(brush(IndexOf(*grid, 1, 1), Qt::BackgroundRole), ToQColor(0x00E0FFFF));
        QCOMPARE(brush(IndexOf(*grid, 1, 1), Qt::ForegroundRole), ToQColor(0x00123456));
        QCOMPARE(model.headerData(0, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color(),
                 QColor(0, 0, 255));
        // A fixed cell without a colour keeps the header's look.
        QVERIFY(!model.headerData(1, Qt::Horizontal, Qt::BackgroundRole).isValid());

        QVERIFY(grid->isCellReadOnly(0, 1));
        QVERIFY(grid->isCellReadOnly(1, 0));
        QVERIFY(!grid->isCellReadOnly(1, 1));
        grid->setCellReadOnly(1, 1, true);
        QVERIFY(grid->isCellReadOnly(1, 1));
        grid->setEditable(false);
        QVERIFY(grid->isCellReadOnly(2, 2));

        // Growing keeps the cells; a count that cannot be allocated is refused.
        QVERIFY(grid->setRowCount(6));
        QCOMPARE(grid->itemText(2, 1), std::string("表ソ①ｱ"));
        QVERIFY(!grid->setRowCount(-1));
        QVERIFY(!grid->setRowCount(2000000000));
        QCOMPARE(grid->rowCount(), 6);
    }

    void takesTheFontThroughTheSubstitutions() {
        auto grid = MakeGrid(3, 3);
        grid->setGridFont(GridFont{"ＭＳ Ｐゴシック", -16, 700, true});
        const QFontInfo shown(grid->table()->font());
        QCOMPARE(shown.family(), QStringLiteral("IPAPGothic"));
        QCOMPARE(shown.pixelSize(), 16);
        QVERIFY(shown.bold());
        QVERIFY(shown.italic());
        QCOMPARE(grid->gridFont().face, std::string("ＭＳ Ｐゴシック"));
        QVERIFY(grid->rowHeight(1) >= 16);
    }

    void widthZeroHidesColumns() {
        auto grid = MakeGrid(4, 4);
        grid->setColumnWidth(2, 0);
        grid->setColumnWidth(0, 0);
        QCOMPARE(grid->columnWidth(2), 0);
        QVERIFY(grid->table()->isColumnHidden(1));
        QVERIFY(!grid->table()->verticalHeader()->isVisible());
        // A refill and a change of shape keep them hidden.
        grid->setRedraw(false);
        grid->setItemText(1, 2, "x");
        grid->setRedraw(true);
        QVERIFY(grid->setRowCount(8));
        QVERIFY(grid->table()->isColumnHidden(1));
        QCOMPARE(grid->columnWidth(2), 0);
        // Auto-sizing leaves hidden columns hidden; a width shows them again.
        grid->autoSize();
        QCOMPARE(grid->columnWidth(2), 0);
        grid->setColumnWidth(2, 1);
        grid->autoSizeColumn(2);
        QVERIFY(grid->columnWidth(2) > 1);
        QVERIFY(!grid->table()->isColumnHidden(1));
        grid->setColumnWidth(0, 60);
        QVERIFY(grid->table()->verticalHeader()->isVisible());
        QCOMPARE(grid->columnWidth(0), 60);
    }

    void autoSizeFitsTheWidestTextUpToACap() {
        auto grid = MakeGrid(4, 3);
        grid->setItemText(2, 1, "全角の長いテキスト");
        grid->autoSizeColumn(1);
        const int fitted = grid->columnWidth(1);
        const QFontMetrics metrics(grid->table()->font());
        QVERIFY(fitted >= metrics.horizontalAdvance(QStringLiteral(u"全角の長いテキスト")));
        QVERIFY(fitted < metrics.horizontalAdvance(QStringLiteral(u"全角の長いテキスト")) + 30);
        grid->setItemText(3, 1, std::string(400, 'W'));
        grid->autoSizeColumn(1);
        QCOMPARE(grid->columnWidth(1), 480);
    }

    void reportsTheSelectedRectangleAndFocus() {
        auto grid = MakeGrid(6, 5);
        FakeView view(*grid);
        QVERIFY(!grid->selectedRange().isValid());
        int row = 0;
        int col = 0;

        grid->setSelectedRange(Range(2, 1, 4, 3));
        QVERIFY(SameRange(grid->selectedRange(), Range(2, 1, 4, 3)));
        QVERIFY(grid->isCellSelected(3, 2));
        QVERIFY(!grid->isCellSelected(1, 2));
        QVERIFY(!grid->isCellSelected(3, 0));
        // Fixed cells are never part of the selection.
        grid->setSelectedRange(Range(0, 0, 1, 1));
        QVERIFY(SameRange(grid->selectedRange(), Range(1, 1, 1, 1)));
        grid->clearSelection();
        QVERIFY(!grid->selectedRange().isValid());

        grid->setFocusCell(5, 4);
        QVERIFY(grid->focusCell(row, col));
        QCOMPARE(row, 5);
        QCOMPARE(col, 4);
        grid->ensureVisible(5, 4);
        grid->setFocusCell(-1, -1);
        QVERIFY(!grid->focusCell(row, col));

        // A click selects the cell and tells the view; Ctrl+A selects every data cell.
        view.selectionChanges = 0;
        QTest::mouseClick(grid->table()->viewport(), Qt::LeftButton, {}, CellCenter(*grid, 2, 3));
        QVERIFY(SameRange(grid->selectedRange(), Range(2, 3, 2, 3)));
        QVERIFY(view.selectionChanges > 0);
        QTest::keyClick(grid->table(), Qt::Key_A, Qt::ControlModifier);
        QVERIFY(SameRange(grid->selectedRange(), Range(1, 1, 5, 4)));
    }

    void numberAndTitleClicksSelectRowsAndColumns() {
        auto grid = MakeGrid(6, 5);
        grid->setRowSelectionByNumberClick(true);
        grid->setColumnSelectionByTitleClick(true);
        ClickHeader(grid->table()->verticalHeader(), 2);
        QVERIFY(SameRange(grid->selectedRange(), Range(3, 1, 3, 4)));
        ClickHeader(grid->table()->horizontalHeader(), 1);
        QVERIFY(SameRange(grid->selectedRange(), Range(1, 2, 5, 2)));

        grid->clearSelection();
        grid->setRowSelectionByNumberClick(false);
        grid->setColumnSelectionByTitleClick(false);
        ClickHeader(grid->table()->verticalHeader(), 2);
        ClickHeader(grid->table()->horizontalHeader(), 1);
        QVERIFY(!grid->selectedRange().isValid());
    }

    void beginEditVetoOpensNoEditor() {
        auto grid = MakeGrid(4, 4);
        FakeView view(*grid);
        view.vetoed.insert({2, 2});
        DoubleClick(grid->table()->viewport(), CellCenter(*grid, 2, 2));
        QVERIFY(!view.begins.empty());
        QCOMPARE(view.begins.back(), std::make_pair(2, 2));
        QVERIFY(!grid->isEditing());
        QVERIFY(!OpenEditor<QLineEdit>(*grid));
        QCOMPARE(grid->itemText(2, 2), std::string("r2c2"));
        // Fixed cells and read-only cells do not even ask.
        view.begins.clear();
        grid->setCellReadOnly(3, 3, true);
        QVERIFY(!EditWithF2(*grid, 3, 3));
        QVERIFY(view.begins.empty());
    }

    void acceptedEditStoresThroughTheView() {
        auto grid = MakeGrid(4, 4);
        FakeView view(*grid);
        QLineEdit* editor = EditWithF2(*grid, 1, 2);
        QVERIFY(editor);
        QCOMPARE(editor->text(), QStringLiteral("r1c2"));
        editor->setText(QStringLiteral(u"新しい値"));
        PressReturn(editor);
        QCOMPARE(view.ends.size(), std::size_t{1});
        QCOMPARE(view.ends[0].text, std::string("新しい値"));
        QCOMPARE(grid->itemText(1, 2), std::string("新しい値"));
        QVERIFY(grid->isModified(1, 2));
        QVERIFY(grid->isModified());
        QVERIFY(!grid->isEditing());
        grid->setModified(false);
        QVERIFY(!grid->isModified(1, 2));
        QVERIFY(!grid->isModified());
    }

    void rejectedEditRestoresTheTextFromBeforeTheEdit() {
        auto grid = MakeGrid(4, 4);
        FakeView view(*grid);
        view.prepared = "20240131";  // the handler prepares the text to edit
        view.acceptEnd = false;
        QLineEdit* editor = EditWithF2(*grid, 2, 1);
        QVERIFY(editor);
        QCOMPARE(editor->text(), QStringLiteral("20240131"));
        editor->setText(QStringLiteral("2024013X"));
        PressReturn(editor);
        QCOMPARE(view.ends.size(), std::size_t{1});
        QCOMPARE(view.ends[0].text, std::string("2024013X"));
        QCOMPARE(grid->itemText(2, 1), std::string("r2c1"));
        QVERIFY(!grid->isModified(2, 1));

        // Escape ends the edit without asking, and the prepared text goes too.
        view.ends.clear();
        editor = EditWithF2(*grid, 2, 1);
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_Escape);
        QVERIFY(view.ends.empty());
        QCOMPARE(grid->itemText(2, 1), std::string("r2c1"));
        QVERIFY(!grid->isEditing());
    }

    void typingStartsAnEditThatReplacesTheText() {
        auto grid = MakeGrid(4, 4);
        FakeView view(*grid);
        grid->setFocusCell(2, 2);
        QTest::keyClick(grid->table(), Qt::Key_Z, Qt::NoModifier);
        auto* editor = OpenEditor<QLineEdit>(*grid);
        QVERIFY(editor);
        QCOMPARE(editor->text(), QStringLiteral("z"));
        PressReturn(editor);
        QCOMPARE(grid->itemText(2, 2), std::string("z"));
    }

    void aMessageFromTheEndEditHandlerEndsTheEditOnce() {
        auto grid = MakeGrid(4, 4);
        FakeView view(*grid);
        view.acceptEnd = false;
        view.rejection = "数字で入力して下さい。";
        QLineEdit* editor = EditWithF2(*grid, 1, 3);
        QVERIFY(editor);
        editor->setText(QStringLiteral("abc"));
        ModalScript script;
        script.on<QMessageBox>([&](QMessageBox* box) { ExpectStop(box, view.rejection); });
        QVERIFY2(script.run([&] { PressReturn(editor); }), qPrintable(script.failures()));
        QCOMPARE(view.ends.size(), std::size_t{1});
        QCOMPARE(grid->itemText(1, 3), std::string("r1c3"));
        QVERIFY(!grid->isEditing());

        // Leaving the cell with the mouse ends the edit as well, once.
        view.ends.clear();
        editor = EditWithF2(*grid, 1, 3);
        QVERIFY(editor);
        editor->setText(QStringLiteral("def"));
        ModalScript again;
        again.on<QMessageBox>([&](QMessageBox* box) { ExpectStop(box, view.rejection); });
        QVERIFY2(again.run([&] {
            QTest::mouseClick(grid->table()->viewport(), Qt::LeftButton, {},
                              CellCenter(*grid, 3, 1));
            QCoreApplication::processEvents();
        }),
                 qPrintable(again.failures()));
        QCOMPARE(view.ends.size(), std::size_t{1});
        QCOMPARE(grid->itemText(1, 3), std::string("r1c3"));
        QVERIFY(!grid->isEditing());
    }

    void endEditingEndsAnOpenEditAsTheUserWould() {
        auto grid = MakeGrid(4, 4);
        FakeView view(*grid);
        QLineEdit* editor = EditWithF2(*grid, 3, 3);
        QVERIFY(editor);
        editor->setText(QStringLiteral("typed"));
        grid->endEditing();
        QCOMPARE(view.ends.size(), std::size_t{1});
        QCOMPARE(grid->itemText(3, 3), std::string("typed"));
        QVERIFY(!grid->isEditing());
        // A refill drops an open edit without storing it.
        editor = EditWithF2(*grid, 3, 3);
        QVERIFY(editor);
        editor->setText(QStringLiteral("dropped"));
        grid->setRedraw(false);
        grid->setRedraw(true);
        QCOMPARE(view.ends.size(), std::size_t{1});
        QCOMPARE(grid->itemText(3, 3), std::string("typed"));
        QVERIFY(!grid->isEditing());
    }

    void dropDownCellOffersExactlyItsOptions() {
        auto grid = MakeGrid(4, 4);
        FakeView view(*grid);
        const std::vector<std::string> options{"東京", "大阪", "ｿｳﾙ"};
        grid->setCellKind(2, 3, CellKind::DropDownList, options);
        grid->setItemText(2, 3, "大阪");
        QCOMPARE(grid->cellKind(2, 3), CellKind::DropDownList);
        QCOMPARE(grid->cellKind(2, 2), CellKind::Text);
        grid->setFocusCell(2, 3);
        QTest::keyClick(grid->table(), Qt::Key_F2);
        auto* list = OpenEditor<QComboBox>(*grid);
        QVERIFY(list);
        QVERIFY(!list->isEditable());
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->itemText(0), QStringLiteral(u"東京"));
        QCOMPARE(list->itemText(1), QStringLiteral(u"大阪"));
        QCOMPARE(list->itemText(2), QStringLiteral(u"ｿｳﾙ"));
        QCOMPARE(list->currentIndex(), 1);
        list->setCurrentIndex(2);
        emit list->activated(2);
        QCOMPARE(view.ends.size(), std::size_t{1});
        QCOMPARE(view.ends[0].text, std::string("ｿｳﾙ"));
        QCOMPARE(grid->itemText(2, 3), std::string("ｿｳﾙ"));
        QVERIFY(!grid->isEditing());
        grid->setCellKind(2, 3, CellKind::Text);
        QCOMPARE(grid->cellKind(2, 3), CellKind::Text);
    }

    void copySkipsHiddenColumnsAndReachesTheClipboard() {
        auto grid = MakeGrid(5, 5);
        grid->setItemText(2, 1, "表");
        grid->setColumnWidth(2, 0);
        grid->setSelectedRange(Range(2, 1, 3, 3));
        QCOMPARE(grid->copySelection(), std::string("表\tr2c3\r\nr3c1\tr3c3"));
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(grid->table(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral(u"表\tr2c3\r\nr3c1\tr3c3"));
    }

    void titleClickSortsThePageAndASecondClickReverses() {
        auto grid = MakeGrid(5, 3);
        const char* keys[] = {"b", "ｱ", "a", "表"};
        for (int row = 1; row <= 4; ++row) grid->setItemText(row, 2, keys[row - 1]);
        grid->setItemBackColor(3, 1, 0x000000FF);
        grid->setCellKind(3, 2, CellKind::DropDownList, {"a", "z"});
        grid->setSortOnTitleClick(true);
        QVERIFY(grid->sortOnTitleClick());
        ClickHeader(grid->table()->horizontalHeader(), 1);
        const auto column = [&](int col) {
            std::vector<std::string> texts;
            for (int row = 1; row < grid->rowCount(); ++row)
                texts.push_back(grid->itemText(row, col));
            return texts;
        };
        QCOMPARE(column(2), (std::vector<std::string>{"a", "b", "ｱ", "表"}));
        // Whole rows move: row numbers, other cells, colours and kinds.
        QCOMPARE(column(0), (std::vector<std::string>{"000003", "000001", "000002", "000004"}));
        QCOMPARE(column(1), (std::vector<std::string>{"r3c1", "r1c1", "r2c1", "r4c1"}));
        QCOMPARE(grid->itemBackColor(1, 1), GridColor{0x000000FF});
        QCOMPARE(grid->cellKind(1, 2), CellKind::DropDownList);
        QVERIFY(!grid->selectedRange().isValid());
        // A double click is two clicks.
        QHeaderView* titles = grid->table()->horizontalHeader();
        DoubleClick(titles->viewport(),
                    QPoint(titles->sectionViewportPosition(1) + titles->sectionSize(1) / 2, 5));
        QCOMPARE(column(2), (std::vector<std::string>{"a", "b", "ｱ", "表"}));
        ClickHeader(grid->table()->horizontalHeader(), 1);
        QCOMPARE(column(2), (std::vector<std::string>{"表", "ｱ", "b", "a"}));
        // Another column starts ascending.
        ClickHeader(grid->table()->horizontalHeader(), 0);
        QCOMPARE(column(1), (std::vector<std::string>{"r1c1", "r2c1", "r3c1", "r4c1"}));
        // Without the switch a title click does not sort.
        grid->setSortOnTitleClick(false);
        ClickHeader(grid->table()->horizontalHeader(), 1);
        QCOMPARE(column(1), (std::vector<std::string>{"r1c1", "r2c1", "r3c1", "r4c1"}));
    }

    void cutAndPasteGoThroughTheEditPair() {
        auto grid = MakeGrid(5, 4);
        FakeView view(*grid);
        view.vetoed.insert({2, 2});
        grid->setSelectedRange(Range(1, 1, 2, 2));
        QTest::keyClick(grid->table(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("r1c1\tr1c2\r\nr2c1\tr2c2"));
        QCOMPARE(view.begins.size(), std::size_t{4});
        QCOMPARE(view.ends.size(), std::size_t{3});
        QCOMPARE(grid->itemText(1, 1), std::string());
        QCOMPARE(grid->itemText(2, 2), std::string("r2c2"));  // vetoed
        QVERIFY(grid->isModified(1, 1));
        QVERIFY(!grid->isModified(2, 2));

        view.begins.clear();
        view.ends.clear();
        QGuiApplication::clipboard()->setText(QStringLiteral(u"甲\t乙\r\n丙\t丁\r\n"));
        grid->setSelectedRange(Range(3, 2, 3, 2));
        QTest::keyClick(grid->table(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(view.ends.size(), std::size_t{4});
        QCOMPARE(grid->itemText(3, 2), std::string("甲"));
        QCOMPARE(grid->itemText(3, 3), std::string("乙"));
        QCOMPARE(grid->itemText(4, 2), std::string("丙"));
        QCOMPARE(grid->itemText(4, 3), std::string("丁"));

        // The Delete key empties the selection through the same pair.
        view.ends.clear();
        grid->setSelectedRange(Range(4, 3, 4, 3));
        QTest::keyClick(grid->table(), Qt::Key_Delete);
        QCOMPARE(view.ends.size(), std::size_t{1});
        QCOMPARE(grid->itemText(4, 3), std::string());
    }

    void unencodableTypedCharacterIsRefused() {
        auto grid = MakeGrid(4, 4);
        FakeView view(*grid);
        QLineEdit* editor = EditWithF2(*grid, 1, 1);
        QVERIFY(editor);
        Type(editor, QStringLiteral(u"caf\u00E9"));
        QCOMPARE(editor->text(), QStringLiteral(u"caf\u00E9"));
        ModalScript script;
        script.on<QMessageBox>([](QMessageBox* box) {
            ExpectStop(box, UnencodableMessage(QStringLiteral(u"\u00E9")));
        });
        QVERIFY2(script.run([&] { PressReturn(editor); }), qPrintable(script.failures()));
        QVERIFY(view.ends.empty());
        QCOMPARE(grid->itemText(1, 1), std::string("r1c1"));
        QVERIFY(!grid->isEditing());
    }

    void unencodableClipboardTextIsRefused() {
        auto grid = MakeGrid(4, 4);
        FakeView view(*grid);
        QGuiApplication::clipboard()->setText(QStringLiteral(u"ok\t\U0001F600"));
        grid->setSelectedRange(Range(1, 1, 1, 1));
        ModalScript script;
        script.on<QMessageBox>([](QMessageBox* box) {
            ExpectStop(box, UnencodableMessage(QStringLiteral(u"\U0001F600")));
        });
        QVERIFY2(
            script.run([&] { QTest::keyClick(grid->table(), Qt::Key_V, Qt::ControlModifier); }),
            qPrintable(script.failures()));
        QVERIFY(view.begins.empty());
        QCOMPARE(grid->itemText(1, 1), std::string("r1c1"));
    }

    void unchangedEditKeepsTheExactBytes() {
        struct Case {
            std::string bytes;
            bool clean;
        };
        const Case cases[] = {
            {"A\x82", false},  // a lone lead byte
            {"\xA0x", false},  // a byte no character starts with
            {"\xED\x40\x87\x90",
             true},  // characters with a second code (NEC selected IBM, NEC row 13)
        };
        auto grid = MakeGrid(4, 4);
        FakeView view(*grid);
        for (const Case& c : cases) {
            view.ends.clear();
            grid->setItemText(2, 2, c.bytes);
            const QModelIndex at = IndexOf(*grid, 2, 2);
            QCOMPARE(grid->table()->model()->data(at, Qt::FontRole).value<QFont>().italic(),
                     !c.clean);
            QCOMPARE(grid->table()->model()->data(at, Qt::ToolTipRole).isValid(), !c.clean);
            if (!c.clean)
                QVERIFY(grid->table()->model()->data(at).toString().contains(QChar(0xFFFD)));
            QLineEdit* editor = EditWithF2(*grid, 2, 2);
            QVERIFY(editor);
            PressReturn(editor);
            QCOMPARE(view.ends.size(), std::size_t{1});
            QCOMPARE(view.ends[0].text, c.bytes);
            QCOMPARE(grid->itemText(2, 2), c.bytes);
        }
    }

    void tabsAndLineBreaksNeverEnterACell() {
        auto grid = MakeGrid(4, 4);
        FakeView view(*grid);
        QLineEdit* editor = EditWithF2(*grid, 1, 1);
        QVERIFY(editor);
        editor->clear();
        editor->insert(QStringLiteral("a\tb\r\nc\n"));
        QCOMPARE(editor->text(), QStringLiteral("abc"));
        PressReturn(editor);
        QCOMPARE(view.ends.size(), std::size_t{1});
        QCOMPARE(view.ends[0].text, std::string("abc"));
    }

    void rightClickTellsTheViewWhichCell() {
        auto grid = MakeGrid(5, 4);
        FakeView view(*grid);
        test::ContextMenuAt(grid->table()->viewport(), CellCenter(*grid, 3, 2));
        QHeaderView* titles = grid->table()->horizontalHeader();
        test::ContextMenuAt(titles->viewport(), QPoint(titles->sectionViewportPosition(2) + 5, 5));
        QHeaderView* numbers = grid->table()->verticalHeader();
        test::ContextMenuAt(numbers->viewport(), QPoint(5, numbers->sectionViewportPosition(3) + 5));
        QCOMPARE(view.rightClicks, (std::vector<std::pair<int, int>>{{3, 2}, {0, 3}, {4, 0}}));
    }

    void suspendedDrawingAnnouncesChangesOnce() {
        auto grid = MakeGrid(3, 3);
        QAbstractItemModel* model = grid->table()->model();
        QSignalSpy changes(model, &QAbstractItemModel::dataChanged);
        QSignalSpy resets(model, &QAbstractItemModel::modelReset);
        grid->setRedraw(false);
        for (int row = 1; row < 3; ++row)
            for (int col = 1; col < 3; ++col) grid->setItemText(row, col, "x");
        QCOMPARE(changes.count(), 0);
        grid->setRedraw(true);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(resets.count(), 0);
        grid->setItemText(1, 1, "y");
        QCOMPARE(changes.count(), 2);
    }

    void fillsAPageOfTenThousandRows() {
        auto grid = MakeGrid(2, 11);
        grid->setRedraw(false);
        QVERIFY(grid->setRowCount(10001));
        for (int row = 1; row <= 10000; ++row) {
            grid->setItemText(row, 0, Format("%06d", row));
            for (int col = 1; col <= 10; ++col)
                grid->setItemText(row, col, "受注" + std::to_string(row * col));
        }
        grid->setRedraw(true);
        grid->autoSize();
        QCOMPARE(grid->table()->model()->rowCount(), 10000);
        QCOMPARE(grid->table()->verticalHeader()->count(), 10000);
        QCOMPARE(grid->itemText(10000, 10), std::string("受注100000"));
        QCOMPARE(grid->table()->model()->data(IndexOf(*grid, 10000, 10)).toString(),
                 QStringLiteral(u"受注100000"));
        grid->ensureVisible(10000, 10);
        grid->setSelectedRange(Range(9999, 9, 10000, 10));
        QCOMPARE(grid->copySelection(),
                 std::string("受注89991\t受注99990\r\n受注90000\t受注100000"));
    }

    void printLayoutFlowsOrFitsColumns() {
        // Three columns of 100 beside a row-number column of 50 on a body 260 wide:
        // two bands; ten rows of 20 under a title of 20 on a body 100 high: four per page.
        const std::vector<int> widths{100, 100, 100};
        const std::vector<int> heights(10, 20);
        const GridPrintLayout flow(50, widths, 20, heights, QSizeF(260, 100), false);
        QCOMPARE(flow.scale(), 1.0);
        QCOMPARE(flow.pages().size(), std::size_t{6});
        QCOMPARE(flow.pages()[0].endCol, 2);
        QCOMPARE(flow.pages()[2].firstRow, 8);
        QCOMPARE(flow.pages()[3].firstCol, 2);
        const GridPrintLayout fit(50, widths, 20, heights, QSizeF(260, 100), true);
        QCOMPARE(fit.scale(), 260.0 / 350.0);
        QCOMPARE(fit.pages().size(), std::size_t{2});  // (100 / scale - 20) / 20 = 5 rows a page
        QCOMPARE(fit.pages()[0].endRow, 5);
        // Even an empty grid prints a page.
        QCOMPARE(GridPrintLayout(0, {}, 0, {}, QSizeF(100, 100), false).pages().size(),
                 std::size_t{1});
        QCOMPARE(GridPrinter::footer(2, 5), QStringLiteral("Page 2 of 5"));
    }

    void printsCellsAndSkipsHiddenColumnsAndEmptyRows() {
        auto grid = MakeGrid(8, 4);
        for (int col = 0; col < 4; ++col) grid->setColumnWidth(col, 80);
        grid->setColumnWidth(2, 0);
        grid->setItemBackColor(1, 3, 0x000000FF);
        for (int row = 5; row < 8; ++row)
            for (int col = 0; col < 4; ++col) grid->setItemText(row, col, col == 0 ? " " : "");
        GridPrinter printer(*grid, grid->table()->font(), 96);
        // At the screen's resolution, 400 wide: the number column and two shown columns fit.
        QCOMPARE(printer.layout(QSizeF(400, 600), 96, false), 1);
        QImage page(400, 600, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        printer.paintPage(painter, 0);
        painter.end();
        const int titleHeight = grid->rowHeight(0);
        const int rowHeight = grid->rowHeight(1);
        // Column 3 is printed second after the row numbers, column 2 being hidden.
        QCOMPARE(page.pixelColor(80 + 80 + 40, titleHeight + rowHeight / 2), QColor(255, 0, 0));
        // Rows 5 to 7 hold nothing and are left out: below row 4 the page is blank.
        QCOMPARE(page.pixelColor(120, titleHeight + 4 * rowHeight + 3), QColor(Qt::white));
        // Fitting scales a grid too wide for the page.
        QCOMPARE(printer.layout(QSizeF(150, 600), 96, false), 2);
        QCOMPARE(printer.layout(QSizeF(150, 600), 96, true), 1);
    }

    void printPreviewShowsThePages() {
        auto grid = MakeGrid(30, 6);
        grid->autoSize();
        ModalScript script;
        int pages = 0;
        script.on<QPrintPreviewDialog>([&](QPrintPreviewDialog* dialog) {
            auto* preview = dialog->findChild<QPrintPreviewWidget*>();
            QVERIFY(preview);
            pages = preview->pageCount();
            dialog->reject();
        });
        QVERIFY2(script.run([&] { grid->printPreview(true); }), qPrintable(script.failures()));
        QCOMPARE(pages, 1);
    }
};

}  // namespace tabrix

TABRIX_UI_TEST_MAIN(tabrix::GridCtrlTest)
#include "GridCtrlTest.moc"
