#include "data/ExtractorForm.h"
#include "data/Precalculation.h"
#include "domain/Folders.h"
#include "platform/Dialogs.h"
#include "platform/DiskSpace.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

class ExtractorFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        createDataFolders();
        setFreeDiskSource([this](const std::string&) { return std::optional<std::uint64_t>(freeBytes); });
    }
    void TearDown() override { setFreeDiskSource({}); }

    FolderSandbox sandbox;
    std::uint64_t freeBytes = 100ull << 30;
};

} // namespace

TEST_F(ExtractorFormTest, ModesShowTheirOwnParts) {
    TfrmExtractor form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("事前計算"));
    EXPECT_EQ(form.size(), QSize(490, 331));
    form.setMode(0);
    EXPECT_TRUE(form.btnOK->isHidden());
    EXPECT_TRUE(form.btnCancel->isHidden());
    EXPECT_TRUE(form.lblAllPair->isHidden());
    EXPECT_FALSE(form.lblUSDJPYOnly->isHidden());
    form.setStatus("x");
    form.setProgress(40);
    form.setMode(7); // changes nothing
    EXPECT_TRUE(form.btnOK->isHidden());
    form.setMode(1);
    EXPECT_FALSE(form.btnOK->isHidden());
    EXPECT_TRUE(form.lblUSDJPYOnly->isHidden());
    EXPECT_EQ(form.pbrProgress->value(), 0);
    EXPECT_EQ(form.lblStatusWord->text(), QString());
    EXPECT_TRUE(form.lblAllPair->text().contains(QStringLiteral("color:#FF0000; font-weight:bold\">20GB")));
    EXPECT_EQ(form.btnOK->text(), QStringLiteral("事前計算を実行する"));
    EXPECT_EQ(form.btnCancel->text(), QStringLiteral("ｷｬﾝｾﾙ"));
}

TEST_F(ExtractorFormTest, AProgressAboveTheRangeShowsAFullBar) {
    TfrmExtractor form;
    form.setProgress(15 / 14.0 * 92 + 8);
    EXPECT_EQ(form.pbrProgress->value(), 100);
    form.setProgress(54);
    EXPECT_EQ(form.pbrProgress->value(), 54);
}

TEST_F(ExtractorFormTest, AllPairsFinishedEndsAtHundredWithTheMessage) {
    for (int p = 0; p < TPair::count; ++p) {
        writeTextFile(getFinishedMarkerFileName(TPair(p)), "2010/05/03\r\n");
    }
    TfrmExtractor form;
    form.show();
    Dialogs::setNextAnswer(DialogAnswer::Ok);
    form.btnAdd2Click();
    EXPECT_EQ(form.pbrProgress->value(), 100);
    EXPECT_EQ(Dialogs::lastText(), QStringLiteral("すべての計算が正常に終了しました"));
    EXPECT_EQ(Dialogs::lastKind(), MessageKind::Confirmation);
    EXPECT_TRUE(form.btnOK->isEnabled());
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.getTerminateRequested());
}

TEST_F(ExtractorFormTest, TooLittleSpaceRefusesAndAsksToEnd) {
    freeBytes = 20480ull << 20;
    TfrmExtractor form;
    Dialogs::setNextAnswer(DialogAnswer::Ok);
    form.btnAdd2Click();
    EXPECT_EQ(Dialogs::lastText(),
              QStringLiteral("事前計算の結果を保存しておくには20GB以上のハードディスク容量が必要です。"));
    EXPECT_TRUE(form.getTerminateRequested());
    EXPECT_FALSE(TPair(0).getIsFinished());
}

TEST_F(ExtractorFormTest, AFailedRunReportsThePairAndKeepsTheRunButtonDisabled) {
    TfrmExtractor form; // no source history at all
    Dialogs::setNextAnswer(DialogAnswer::Ok);
    form.btnAdd2Click();
    EXPECT_EQ(Dialogs::lastKind(), MessageKind::Error);
    EXPECT_TRUE(Dialogs::lastText().startsWith("EURUSD: ")) << Dialogs::lastText().toStdString();
    EXPECT_TRUE(Dialogs::lastText().contains("EURUSD.hst"));
    EXPECT_FALSE(form.btnOK->isEnabled());
    EXPECT_EQ(form.lblStatusWord->text(), QStringLiteral("EURUSD のデータを展開しています"));
}
