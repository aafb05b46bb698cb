#pragma once

#include <QWidget>

class QTimer;

// A status pane whose text scrolls from right to left; a click stops or
// restarts the scrolling.
class MarqueeLabel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kScrollDelayMs = 30;

    explicit MarqueeLabel(const QString& text, QWidget* parent = nullptr);

    QString text() const { return text_; }
    void setText(const QString& text);
    // 30 while scrolling, 0 while stopped.
    int scrollDelay() const;
    void toggleScrolling();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void step();

    QString text_;
    QTimer* timer_;
    int offset_ = 0;
};
