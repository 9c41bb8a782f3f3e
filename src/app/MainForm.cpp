#include "app/MainForm.h"

#include "data/ExtractorForm.h"
#include "domain/Folders.h"
#include "domain/Helpers.h"
#include "domain/Pair.h"

#include <QLabel>
#include <QTimer>

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName("frmMain");
    setWindowTitle(QStringLiteral("Quorvane"));
    FormCreate();
}

void TfrmMain::FormCreate() {
    seedRandomFromClock();
    createDataFolders();
    auto* placeholder = new QLabel(QStringLiteral("Quorvane"), this);
    placeholder->setAlignment(Qt::AlignCenter);
    setCentralWidget(placeholder);
    resize(640, 115);
}

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        // Once the window is on screen, so that the first-start preparation happens in front of it.
        QTimer::singleShot(0, this, &TfrmMain::FormShow);
    }
}

void TfrmMain::FormShow() {
    // First start: USDJPY is pre-calculated before anything else can be done.
    if (frmExtractor != nullptr && !TPair(TPair::USDJPY).getIsFinished()) {
        frmExtractor->setMode(0);
        frmExtractor->runUsdJpyOnly();
    }
}

void TfrmMain::bringToFront() {
    if (isMinimized()) {
        showNormal();
    }
    show();
    raise();
    activateWindow();
}
