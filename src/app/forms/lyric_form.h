#pragma once

#include <QWidget>

// The small always-on-top lyric window; it stays hidden until it is asked for.
class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
};
