#include "app/main_window/report_list.h"

#include <QHeaderView>

ReportList::ReportList(const QString& objectName, const QList<ColumnSpec>& columns,
                       const QString& toolTip, QWidget* parent)
    : QTreeWidget(parent) {
    setObjectName(objectName);
    setToolTip(toolTip);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFrameShape(QFrame::NoFrame);
    setAllColumnsShowFocus(true);

    QStringList captions{QString()};
    for (const ColumnSpec& c : columns) captions << c.caption;
    setHeaderLabels(captions);

    QHeaderView* head = header();
    head->setStretchLastSection(false);
    head->setSectionsMovable(false);
    head->setMinimumSectionSize(0);
    head->setSectionResizeMode(0, QHeaderView::Fixed);
    setColumnWidth(0, kIconColumnWidth);
    for (int i = 0; i < columns.size(); ++i) {
        const int column = i + 1;
        const ColumnSpec& c = columns[i];
        if (c.fills) fillColumn_ = column;
        else setColumnWidth(column, c.width);
        if (c.centred) headerItem()->setTextAlignment(column, Qt::AlignCenter);
        if (c.hidden) setColumnHidden(column, true);
    }
    applyFillRule();
}

int ReportList::fillWidthFor(int listWidth) const {
    int others = 0;
    for (int column = 0; column < columnCount(); ++column)
        if (column != fillColumn_ && !isColumnHidden(column)) others += columnWidth(column);
    return listWidth - others - kFillMargin;
}

void ReportList::resizeEvent(QResizeEvent* event) {
    QTreeWidget::resizeEvent(event);
    applyFillRule();
}

void ReportList::applyFillRule() {
    if (fillColumn_ < 0) return;
    setColumnWidth(fillColumn_, std::max(0, fillWidthFor(width())));
}
