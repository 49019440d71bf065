// The table widget inside the grid control: Qt's table view with the grid's
// keyboard commands, right-click notice, sort on a title click and the end of
// in-place edits handed to the grid control.
#pragma once

#include <QTableView>

namespace tabrix {

class CGridCtrl;

class GridView : public QTableView {
public:
    explicit GridView(CGridCtrl& grid);

    // Ends the edit in the editor as Enter would, or drops it as Escape would.
    void finishEdit(QWidget* editor);
    void dropEdit(QWidget* editor);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool onSectionEdge(const QHeaderView& header, const QPoint& pos) const;
    bool headerEvent(QHeaderView& header, QEvent* event);

    CGridCtrl& m_grid;
};

}  // namespace tabrix
