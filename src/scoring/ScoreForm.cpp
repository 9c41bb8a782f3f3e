#include "scoring/ScoreForm.h"

TfrmScore::TfrmScore(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmScore");
    setWindowTitle(QStringLiteral("Score"));
}
