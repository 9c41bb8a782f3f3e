#pragma once
#include <QWidget>

// The additional-lines window, where the user edits the indicator lines of the chart.
class TfrmHint : public QWidget {
    Q_OBJECT
public:
    explicit TfrmHint(QWidget* parent = nullptr);
};
