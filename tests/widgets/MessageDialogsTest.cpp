// The four message-box wrappers: kinds, buttons, translated default titles,
// translated or literal texts, the beep, and the Yes/No answer.
#include "widgets/MessageDialogs.h"
#include "i18n/TranslationFixture.h"
#include "testlib/RecordingPresenter.h"

using namespace vantor;
using namespace vantor::test;

namespace {

class MessageDialogs : public TranslationFixture {
protected:
    void SetUp() override
    {
        TranslationFixture::SetUp();
        QByteArray body;
        const char* texts[][2] = {{"IDS_COMMON_49", "Notice"},
                                  {"IDS_COMMON_50", "Warning"},
                                  {"IDS_COMMON_51", "Error"},
                                  {"IDS_COMMON_52", "Question"},
                                  {"IDS_MESSAGES_11", "It went wrong@Sorry"}};
        for (const auto& t : texts)
            body += QByteArray("<TRANSLATION translation_ids=\"") + t[0] +
                    "\"><LST_VALUES><VALUE value_language=\"ENG\" value_string=\"" + t[1] +
                    "\"/></LST_VALUES></TRANSLATION>\n";
        ASSERT_TRUE(LoadBody(body));
        GlobalSetupData.LanguageId = QStringLiteral("ENG");
        SetTextLanguage(GlobalSetupData.LanguageId);
    }
};

} // namespace

TEST_F(MessageDialogs, WrappersUseTheirKindButtonsAndTranslatedDefaultTitle)
{
    RecordingPresenter boxes;
    ShowInfoMessage("", "literal", false);
    ShowWarningMessage("", "literal", false);
    ShowErrorMessage("", "literal", false);
    (void)AskYesNo("", "literal", false);

    ASSERT_EQ(boxes.shown.size(), 4);
    EXPECT_EQ(boxes.beeps, 4);
    const struct {
        const char* title;
        TMsgDlgType kind;
        TMsgDlgButtons buttons;
    } expected[] = {{"Notice", TMsgDlgType::mtInformation, mbOK},
                    {"Warning", TMsgDlgType::mtWarning, mbOK},
                    {"Error", TMsgDlgType::mtError, mbOK},
                    {"Question", TMsgDlgType::mtConfirmation, mbYes | mbNo}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(boxes.shown[i].Title, expected[i].title) << i;
        EXPECT_EQ(boxes.shown[i].Kind, expected[i].kind) << i;
        EXPECT_EQ(boxes.shown[i].Buttons, expected[i].buttons) << i;
        EXPECT_EQ(boxes.shown[i].Text, "literal") << i;
    }
}

TEST_F(MessageDialogs, AGivenCaptionWinsAndIdentifiersAreTranslatedOnlyWhenAsked)
{
    RecordingPresenter boxes;
    ShowErrorMessage("Vantorix", "IDS_MESSAGES_11", true);
    ShowErrorMessage("Vantorix", "IDS_MESSAGES_11", false);
    ShowErrorMessage("Vantorix", "IDS_UNKNOWN", true);
    ASSERT_EQ(boxes.shown.size(), 3);
    EXPECT_EQ(boxes.shown[0].Title, "Vantorix");
    EXPECT_EQ(boxes.shown[0].Text, "It went wrong\r\nSorry");
    EXPECT_EQ(boxes.shown[1].Text, "IDS_MESSAGES_11");
    EXPECT_EQ(boxes.shown[2].Text, "");
}

TEST_F(MessageDialogs, AskYesNoIsTrueOnlyForYes)
{
    RecordingPresenter boxes;
    boxes.answers = {mrYes, mrNo, mrCancel};
    EXPECT_TRUE(AskYesNo("Vantorix", "Update?", false));
    EXPECT_FALSE(AskYesNo("Vantorix", "Update?", false));
    EXPECT_FALSE(AskYesNo("Vantorix", "Update?", false)) << "closing the box is no Yes";
}

TEST_F(MessageDialogs, ShowMessageDialogBeepsOnlyWhenAskedAndReturnsTheAnswer)
{
    RecordingPresenter boxes;
    boxes.answers = {mrNo};
    EXPECT_EQ(ShowMessageDialog("text", "title", TMsgDlgType::mtConfirmation, mbYes | mbNo, false, false), mrNo);
    EXPECT_EQ(boxes.beeps, 0);
    (void)ShowMessageDialog("text", "title", TMsgDlgType::mtWarning, mbOK, false, true);
    EXPECT_EQ(boxes.beeps, 1);
}
