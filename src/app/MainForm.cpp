#include "app/MainForm.h"

#include "domain/Folders.h"
#include "domain/Helpers.h"

#include <QLabel>

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
        FormShow();
    }
}

void TfrmMain::FormShow() {}

void TfrmMain::bringToFront() {
    if (isMinimized()) {
        showNormal();
    }
    show();
    raise();
    activateWindow();
}
