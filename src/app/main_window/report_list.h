#pragma once

#include <QList>
#include <QString>
#include <QTreeWidget>

// One column of a report list after the icon column.
struct ColumnSpec {
    QString caption;
    int width = 0;          // ignored for the filling column
    bool centred = false;
    bool fills = false;     // takes the room the other columns leave
    bool hidden = false;    // carries data only
};

// A report-style list: column 0 is a fixed 20-pixel icon column without
// caption; at most one column fills the rest on every resize.
class ReportList : public QTreeWidget {
    Q_OBJECT
public:
    static constexpr int kIconColumnWidth = 20;
    // Kept free beside the filling column.
    static constexpr int kFillMargin = 20;

    ReportList(const QString& objectName, const QList<ColumnSpec>& columns,
               const QString& toolTip, QWidget* parent = nullptr);

    // Width of the filling column for a list of the given width.
    int fillWidthFor(int listWidth) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyFillRule();

    int fillColumn_ = -1;
};
