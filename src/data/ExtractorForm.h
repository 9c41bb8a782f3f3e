#pragma once
#include <QWidget>

// The pre-calculation window.
class TfrmExtractor : public QWidget {
    Q_OBJECT
public:
    explicit TfrmExtractor(QWidget* parent = nullptr);
};
