#pragma once
#include <QWidget>

// The score board window.
class TfrmScore : public QWidget {
    Q_OBJECT
public:
    explicit TfrmScore(QWidget* parent = nullptr);
};
