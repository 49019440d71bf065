// Driving the grid control as a user does in the desktop tests: cells by
// their grid coordinates (row 0 the titles, column 0 the row numbers), the
// in-place editor, title and number clicks, and the messages an edit shows.
#pragma once

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include <string>

#include "ui/GridCtrl.h"
#include "ui/QtText.h"

namespace tabrix::test {

inline QModelIndex IndexOf(const CGridCtrl& grid, int row, int col) {
    return grid.table()->model()->index(row - grid.fixedRowCount(), col - grid.fixedColumnCount());
}

inline QPoint CellCenter(const CGridCtrl& grid, int row, int col) {
    return grid.table()->visualRect(IndexOf(grid, row, col)).center();
}

inline void ClickHeader(QHeaderView* header, int section, Qt::MouseButton button = Qt::LeftButton) {
    const int middle = header->sectionViewportPosition(section) + header->sectionSize(section) / 2;
    const QPoint at = header->orientation() == Qt::Horizontal ? QPoint(middle, header->height() / 2)
                                                              : QPoint(header->width() / 2, middle);
    QTest::mouseClick(header->viewport(), button, {}, at);
}

// A double click as the system delivers it: the second press comes before the double click.
inline void DoubleClick(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mousePress(widget, Qt::LeftButton, {}, at);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, at, widget->mapToGlobal(at), Qt::LeftButton,
                            Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &doubleClick);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

// A right click as the window system reports it to a widget.
inline void ContextMenuAt(QWidget* target, QPoint at) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &event);
}

// The editor that is open, once editors closed before are gone.
template <typename Editor>
Editor* OpenEditor(const CGridCtrl& grid) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return grid.table()->viewport()->findChild<Editor*>();
}

inline QLineEdit* EditWithF2(CGridCtrl& grid, int row, int col) {
    grid.setFocusCell(row, col);
    QTest::keyClick(grid.table(), Qt::Key_F2);
    return OpenEditor<QLineEdit>(grid);
}

// Opens the editor of a cell and types text over what it shows; the editor,
// or null when none opened.
inline QLineEdit* TypeIntoCell(CGridCtrl& grid, int row, int col, const QString& text) {
    QLineEdit* editor = EditWithF2(grid, row, col);
    if (!editor) return nullptr;
    editor->selectAll();
    QTest::keyClicks(editor, text);
    return editor;
}

// Enter ends an edit once the event loop runs.
inline void PressReturn(QWidget* editor) {
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
}

inline void ExpectStop(QMessageBox* box, const std::string& text) {
    QCOMPARE(box->text(), ToQ(text));
    QCOMPARE(box->icon(), QMessageBox::Critical);
    box->button(QMessageBox::Ok)->click();
}

}  // namespace tabrix::test
