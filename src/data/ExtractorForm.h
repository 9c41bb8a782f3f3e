#pragma once
// The pre-calculation window: the USDJPY-only run of the first start and the all-pairs run the user asks
// for. The engine works on a second thread while the window keeps painting; the texts and progress
// values arrive in the order the engine sends them.
#include <QDialog>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;
class TPrecalculation;

class TfrmExtractor : public QDialog {
    Q_OBJECT
public:
    explicit TfrmExtractor(QWidget* parent = nullptr);

    // 0: USDJPY only (no buttons, its own explanation); 1: all pairs. Other values change nothing.
    void setMode(int mode);
    void runUsdJpyOnly();
    void setStatus(const QString& text);
    void setProgress(double value);
    void setRunEnabled(bool enabled);
    // A run found too little disk space and asked the program to end.
    bool getTerminateRequested() const { return terminateRequested_; }

    QLabel* lblAllPair;
    QLabel* lblUSDJPYOnly;
    QLabel* lblStatusWord;
    QProgressBar* pbrProgress;
    QPushButton* btnOK;
    QPushButton* btnCancel;

public slots:
    void btnAdd2Click();
    void btnCancel2Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Runs the work on a second thread, keeps the window painting until it ends; false after an error,
    // which has been shown.
    bool runEngine(const std::function<void(TPrecalculation&)>& work);
    void requestTerminate();

    bool running_ = false;
    bool terminateRequested_ = false;
};

// The one pre-calculation window of the program.
extern TfrmExtractor* frmExtractor;
