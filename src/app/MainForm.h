#pragma once
#include <QMainWindow>

// The main window: pair and time-scale choice, the test commands and the program's menus.
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);

    // Brings the window to the front (a second start asked for it).
    void bringToFront();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    bool shown_ = false;
};
