#include "app/MainForm.h"
#include "chart/HintForm.h"
#include "data/ExtractorForm.h"
#include "platform/Dialogs.h"
#include "platform/SingleInstance.h"
#include "scoring/ScoreForm.h"

#include <QApplication>
#include <QFont>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("quorvane"));

    SingleInstance instance(QStringLiteral("quorvane"));
    if (!instance.tryAcquire()) {
        Dialogs::message(MessageKind::Information, QStringLiteral("すでに起動されています。"),
                         QStringLiteral("二重起動のテスト"));
        instance.requestActivation();
        return 0;
    }

    app.setApplicationDisplayName(QStringLiteral("Quorvane"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
    Dialogs::installAsMessageSink();

    // The four windows, in the order the rest of the program relies on.
    auto frmMain = std::make_unique<TfrmMain>();
    auto frmHint = std::make_unique<TfrmHint>();
    auto frmScore = std::make_unique<TfrmScore>();
    auto extractor = std::make_unique<TfrmExtractor>();
    frmExtractor = extractor.get();
    QObject::connect(&instance, &SingleInstance::activationRequested, frmMain.get(), &TfrmMain::bringToFront);

    frmMain->show();
    app.exec();
    frmExtractor = nullptr;
    return 0;
}
