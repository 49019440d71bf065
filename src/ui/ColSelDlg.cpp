#include "ui/ColSelDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/QtText.h"

namespace tabrix {

ColSelDialog::ColSelDialog(CColSelDlg& model, QWidget* parent)
    : ModelDialog(model, parent),
      m_model(model),
      m_list(new QListWidget(this)),
      m_back(new QPushButton(ToQ("《"), this)),
      m_forward(new QPushButton(ToQ("》"), this)) {
    setWindowTitle(ToQ(CColSelDlg::kCaption));
    m_list->setObjectName(QStringLiteral("columns"));
    m_list->setSelectionMode(model.allowsSeveral() ? QAbstractItemView::ExtendedSelection
                                                : QAbstractItemView::SingleSelection);
    m_list->setMinimumSize(320, 280);
    m_back->setObjectName(QStringLiteral("back"));
    m_forward->setObjectName(QStringLiteral("forward"));
    connect(m_back, &QPushButton::clicked, this, [this] { step(false); });
    connect(m_forward, &QPushButton::clicked, this, [this] { step(true); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, &ColSelDialog::accept);
    auto* steps = new QHBoxLayout;
    steps->addWidget(m_back);
    steps->addWidget(m_forward);
    steps->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(steps);
    layout->addWidget(m_list, 1);
    layout->addWidget(OkCancelButtons(this));
    loadEntries();
    for (int index : model.m_Selected)
        if (QListWidgetItem* item = m_list->item(index)) item->setSelected(true);
    if (!model.m_Selected.empty()) {
        m_list->setCurrentRow(model.m_Selected.front(), QItemSelectionModel::NoUpdate);
        m_list->scrollToItem(m_list->item(model.m_Selected.front()));
    }
}

void ColSelDialog::loadEntries() {
    // The rows are rewritten in place, so the selection keeps its index.
    const auto& entries = m_model.entries();
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        if (i < m_list->count())
            m_list->item(i)->setText(ToQ(entries[static_cast<std::size_t>(i)]));
        else
            m_list->addItem(ToQ(entries[static_cast<std::size_t>(i)]));
    }
    m_back->setEnabled(m_model.canStepBack());
    m_forward->setEnabled(m_model.canStepForward());
}

void ColSelDialog::step(bool forward) {
    if (forward)
        m_model.stepForward();
    else
        m_model.stepBack();
    loadEntries();
}

bool ColSelDialog::storeToModel() {
    m_model.m_Selected.clear();
    for (int i = 0; i < m_list->count(); ++i)
        if (m_list->item(i)->isSelected()) m_model.m_Selected.push_back(i);
    return true;
}

}  // namespace tabrix
