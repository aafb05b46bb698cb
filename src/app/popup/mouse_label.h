#pragma once

#include <QLabel>

// A plain-text label that reports the mouse entering and leaving it and the
// release of a mouse button pressed on it. Ampersands are shown as typed.
class TMouseLabel : public QLabel {
    Q_OBJECT
public:
    explicit TMouseLabel(QWidget* parent = nullptr);

signals:
    void mouseEntered();
    void mouseLeft();
    // `inside`: the release happened over the label, which makes it a click.
    void mouseReleased(Qt::MouseButton button, bool inside);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
