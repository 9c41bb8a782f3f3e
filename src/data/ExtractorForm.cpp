#include "data/ExtractorForm.h"

TfrmExtractor::TfrmExtractor(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setObjectName("frmExtractor");
    setWindowTitle(QStringLiteral("事前計算"));
    setFixedSize(490, 331);
}
