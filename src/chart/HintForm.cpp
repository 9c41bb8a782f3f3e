#include "chart/HintForm.h"

TfrmHint::TfrmHint(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName("frmHint");
    setWindowTitle(QStringLiteral("Lines"));
}
