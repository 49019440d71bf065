// Draws the grid's cells and opens their in-place editors: a line editor for a
// text cell, a list without free typing for a drop-down list cell. Opening
// asks the grid control (and so the view) first; the end of the edit is handed
// back to it, so the delegate never writes a cell itself.
#pragma once

#include <QStyledItemDelegate>

namespace tabrix {

class CGridCtrl;

class GridDelegate : public QStyledItemDelegate {
public:
    explicit GridDelegate(CGridCtrl& grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* editor, QEvent* event) override;

private:
    CGridCtrl& m_grid;
};

// Drops TAB, CR and LF from typed or pasted text: a cell holds one line.
QString SingleLine(QString text);

}  // namespace tabrix
