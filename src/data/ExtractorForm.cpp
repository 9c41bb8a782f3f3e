#include "data/ExtractorForm.h"

#include "data/Precalculation.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <cmath>
#include <exception>
#include <thread>

TfrmExtractor* frmExtractor = nullptr;

namespace {

QString red(const QString& text) {
    return "<span style=\"color:#FF0000; font-weight:bold\">" + text + "</span>";
}

const QString allPairText = QStringLiteral("USDJPY　以外のテストをするには事前計算が必要です。<br>"
                                           "事前計算はチャート表示をを高速で行うために必要です。<br>"
                                           "計算には ") +
                            red(QStringLiteral("1～4時間")) +
                            QStringLiteral(" ほどかかります。<br>"
                                           "十分な時間がなければキャンセルしてください。<br><br>"
                                           "また、ハードディスク容量が ") +
                            red(QStringLiteral("20GB")) + QStringLiteral(" 程度必要となります。<br><br>") +
                            red(QStringLiteral("事前計算中は電源を切らないでください。")) +
                            QStringLiteral("<br><br>一度この作業を行うと、それ以降すべてのペアでテストできます。");

const QString usdJpyText = QStringLiteral("USDJPY　の事前計算を実行中です。<br><br>"
                                          "この作業は10～30分で終了します。<br><br>") +
                           red(QStringLiteral("電源を切らずにお待ちください。")) +
                           QStringLiteral("<br><br>この作業は初回起動時のみ行われます。");

QLabel* textLabel(QWidget* parent, const QString& html, const QRect& place) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::RichText);
    label->setText(html);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(place);
    return label;
}

QPushButton* button(QWidget* parent, const QString& caption, const QRect& place) {
    auto* b = new QPushButton(caption, parent);
    b->setGeometry(place);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

} // namespace

TfrmExtractor::TfrmExtractor(QWidget* parent) : QDialog(parent) {
    setObjectName("frmExtractor");
    setWindowTitle(QStringLiteral("事前計算"));
    setFixedSize(490, 331);
    setFont(QFont(QStringLiteral("ＭＳ ゴシック"), 10));

    auto* panel = new QFrame(this);
    panel->setGeometry(0, 0, 490, 331);
    panel->setObjectName("panel");
    panel->setStyleSheet("#panel { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FDFDFD, "
                         "stop:1 #E4E9F0); }");

    lblAllPair = textLabel(panel, allPairText, {34, 28, 443, 169});
    lblUSDJPYOnly = textLabel(panel, usdJpyText, {34, 25, 443, 169});
    lblStatusWord = new QLabel(panel);
    lblStatusWord->setGeometry(34, 207, 461, 17);
    pbrProgress = new QProgressBar(panel);
    pbrProgress->setGeometry(34, 230, 423, 25);
    pbrProgress->setRange(0, 100);
    pbrProgress->setTextVisible(false);
    btnOK = button(panel, QStringLiteral("事前計算を実行する"), {307, 276, 142, 29});
    btnCancel = button(panel, QStringLiteral("ｷｬﾝｾﾙ"), {187, 276, 96, 29});
    connect(btnOK, &QPushButton::clicked, this, &TfrmExtractor::btnAdd2Click);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmExtractor::btnCancel2Click);
    setMode(1);
}

void TfrmExtractor::setMode(int mode) {
    if (mode != 0 && mode != 1) {
        return;
    }
    const bool allPairs = mode == 1;
    btnOK->setVisible(allPairs);
    btnCancel->setVisible(allPairs);
    lblAllPair->setVisible(allPairs);
    lblUSDJPYOnly->setVisible(!allPairs);
    if (allPairs) {
        setProgress(0);
        setStatus(QString());
    }
}

void TfrmExtractor::setStatus(const QString& text) {
    lblStatusWord->setText(text);
    QCoreApplication::processEvents();
}

void TfrmExtractor::setProgress(double value) {
    // A value above the bar's range (pair 15's value lists start at 106.6) shows as a full bar.
    pbrProgress->setValue(static_cast<int>(std::lround(std::clamp(value, 0.0, 100.0))));
    QCoreApplication::processEvents();
}

void TfrmExtractor::setRunEnabled(bool enabled) {
    btnOK->setEnabled(enabled);
}

void TfrmExtractor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void TfrmExtractor::closeEvent(QCloseEvent* event) {
    if (running_) {
        event->ignore(); // a run is not interrupted; the window closes when it ends
        return;
    }
    QDialog::closeEvent(event);
}

void TfrmExtractor::btnCancel2Click() {
    close();
}

void TfrmExtractor::requestTerminate() {
    terminateRequested_ = true;
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

bool TfrmExtractor::runEngine(const std::function<void(TPrecalculation&)>& work) {
    running_ = true;
    QEventLoop loop;
    std::exception_ptr failure;
    TPrecalculationProgress callbacks{[this](const std::string& text) {
                                          QMetaObject::invokeMethod(
                                              this, [this, text] { setStatus(QString::fromStdString(text)); },
                                              Qt::QueuedConnection);
                                      },
                                      [this](double value) {
                                          QMetaObject::invokeMethod(
                                              this, [this, value] { setProgress(value); }, Qt::QueuedConnection);
                                      }};
    std::thread worker([&] {
        try {
            TPrecalculation engine(callbacks);
            work(engine);
        } catch (...) {
            failure = std::current_exception();
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    QCoreApplication::sendPostedEvents(this); // the last texts before the messages
    running_ = false;
    if (failure) {
        try {
            std::rethrow_exception(failure);
        } catch (const std::exception& e) {
            Dialogs::message(MessageKind::Error, QString::fromStdString(e.what()), QString(), this);
        }
        return false;
    }
    return true;
}

void TfrmExtractor::btnAdd2Click() {
    if (!hasDiskSpaceForAllPairs()) {
        Dialogs::message(MessageKind::Error,
                         QStringLiteral("事前計算の結果を保存しておくには20GB以上のハードディスク容量が必要です。"),
                         QString(), this);
        requestTerminate();
        return;
    }
    setRunEnabled(false);
    if (!runEngine([](TPrecalculation& engine) { engine.runAllPairs(); })) {
        return; // the run button stays disabled; the window can still be closed
    }
    setRunEnabled(true);
    setProgress(100);
    Dialogs::message(MessageKind::Confirmation, QStringLiteral("すべての計算が正常に終了しました"), QString(), this);
    close();
}

void TfrmExtractor::runUsdJpyOnly() {
    setWindowModality(Qt::ApplicationModal);
    show();
    if (!hasDiskSpaceForUsdJpy()) {
        Dialogs::message(
            MessageKind::Error,
            QStringLiteral("USDJPYの事前計算の結果を保存しておくには1GB以上のハードディスク容量が必要です。"),
            QString(), this);
        requestTerminate();
        return;
    }
    QCoreApplication::processEvents();
    const bool completed = runEngine([](TPrecalculation& engine) { engine.runUsdJpyOnly(); });
    if (completed) {
        setProgress(100);
        QCoreApplication::processEvents();
        Dialogs::message(MessageKind::Confirmation, QStringLiteral("USDJPYの事前計算が正常に終了しました"), QString(),
                         this);
    }
    close();
    setWindowModality(Qt::NonModal);
}
