#pragma once

#include <QFrame>

class QLabel;
class QTimer;

// The small white "fetching" panel over the lists; a click hides it.
class BusyPanel : public QFrame {
    Q_OBJECT
public:
    explicit BusyPanel(QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QLabel* picture_;
    QTimer* animation_;
    int frame_ = 0;
};
