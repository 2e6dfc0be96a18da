#include "ui/lg_dialogs.h"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/settings.h"
#include "base/stream.h"
#include "fake_measurer.h"
#include "fake_window.h"
#include "lang/builtin_words.h"
#include "lang/fake_language_box.h"
#include "lang/keys.h"
#include "lang/language.h"
#include "lang/lg_filer.h"
#include "lang/lg_wizard.h"
#include "lang/words_text.h"
#include "package/data_index.h"
#include "ui/message_box.h"

namespace xs {

std::string_view GermanWordsFile();

namespace {

TEST(LgDialogLayout, TheDesignScalesToTheScreen) {
  struct Case {
    TXLgDialogKind kind;
    int ppi;
    TXSize client;
    TXRect question, box, panel, second_button;
  } cases[] = {
      {TXLgDialogKind::InstallLg, 96, {384, 142}, {80, 20, 289, 45}, {188, 72, 180, 21}, {0, 101, 384, 41},
       {301, 110, 75, 23}},
      {TXLgDialogKind::StartInstallDemo, 96, {384, 192}, {80, 20, 289, 93}, {188, 122, 180, 21},
       {0, 151, 384, 41}, {236, 160, 140, 23}},
      {TXLgDialogKind::InstallLg, 144, {576, 213}, {120, 30, 434, 68}, {282, 108, 270, 32}, {0, 151, 576, 62},
       {451, 164, 113, 35}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ppi);
    const TXLgDialogLayout layout = LayoutLgDialog(c.kind, c.ppi);
    EXPECT_EQ((TXSize{layout.ClientWidth, layout.ClientHeight}), c.client);
    EXPECT_EQ(layout.Image, (TXRect{ScaleDesign(16, c.ppi), ScaleDesign(16, c.ppi), ScaleDesign(48, c.ppi),
                                    ScaleDesign(48, c.ppi)}));
    EXPECT_EQ(layout.QuestionLabel, c.question);
    EXPECT_EQ(layout.LanguageBox, c.box);
    EXPECT_EQ(layout.Panel, c.panel);
    EXPECT_EQ(layout.Buttons[1], c.second_button);
    EXPECT_TRUE(layout.LanguageRow);
    // Nothing overlaps: the question, then the row, then the panel; the
    // label ends before the box; the buttons stay apart inside the panel.
    EXPECT_LE(layout.QuestionLabel.Bottom(), layout.LanguageBox.Top);
    EXPECT_LE(layout.LanguageBox.Bottom(), layout.Panel.Top);
    EXPECT_LE(layout.LgLabel.Right(), layout.LanguageBox.Left);
    EXPECT_LT(layout.Buttons[0].Right(), layout.Buttons[1].Left);
    EXPECT_GT(layout.Buttons[0].Top, layout.Panel.Top);
    EXPECT_LE(layout.Buttons[1].Bottom(), layout.ClientHeight);
    EXPECT_LE(layout.Buttons[1].Right(), layout.ClientWidth);
  }
}

TEST(LgDialogLayout, WithoutTheLanguageRowTheFormIsShorterByTheBoxAndEight) {
  for (int ppi : {96, 120, 144}) {
    SCOPED_TRACE(ppi);
    const TXLgDialogLayout full = LayoutLgDialog(TXLgDialogKind::StartInstallDemo, ppi);
    const TXLgDialogLayout shorter = WithoutLanguageRow(full, ppi);
    const int cut = full.LanguageBox.Height + ScaleDesign(8, ppi);
    EXPECT_FALSE(shorter.LanguageRow);
    EXPECT_EQ(shorter.ClientHeight, full.ClientHeight - cut);
    EXPECT_EQ(shorter.Panel.Bottom(), shorter.ClientHeight);
    EXPECT_EQ(shorter.Buttons[0].Top, full.Buttons[0].Top - cut);
    EXPECT_LE(shorter.QuestionLabel.Bottom(), shorter.Panel.Top);
    // Hiding twice takes the row away once.
    EXPECT_EQ(WithoutLanguageRow(shorter, ppi).ClientHeight, shorter.ClientHeight);
  }
  EXPECT_EQ(WithoutLanguageRow(LayoutLgDialog(TXLgDialogKind::StartInstallDemo, 96), 96).ClientHeight, 163);
}

// A pack of this program in memory, with the given words.
std::unique_ptr<TMemoryStream> Pack(int id, const std::string& name, std::string_view plain_words) {
  TXLgProject project;
  project.SetLgID(id);
  project.LgName = name;
  project.AppID = 111;
  project.AppVer = 400;
  const std::string words = EncodeWordsText(plain_words);
  project.Words.WriteBuffer(words.data(), static_cast<int64_t>(words.size()));
  auto stream = std::make_unique<TMemoryStream>();
  EXPECT_TRUE(SaveLgProject(*stream, project));
  return stream;
}

using FakeBox = FakeLanguageBox;

// A form in memory; the user acts from WhileModal.
class FakeLgForm : public FakeWindow<TXLgDialogForm, FakeLgForm> {
 public:
  FakeLgForm(TComponent* owner, TXLgDialogKind kind) : FakeWindow(owner, kind, 96), shown(Layout()) {}

  TXLgDialogTexts texts;
  TXLgDialogLayout shown;
  FakeBox box;

  TXLanguageBox& LanguageBox() override { return box; }
  int ClientWidth() const override { return shown.ClientWidth; }
  void SetClientWidth(int width) override { shown.ClientWidth = width; }

 protected:
  void ShowTexts(const TXLgDialogTexts& t) override { texts = t; }
  void ApplyLayout(const TXLgDialogLayout& layout) override { shown = layout; }
};

// The process-wide language wizard with English and German offered (or
// English alone), English active; everything is put back afterwards.
class LgDialogTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterDataIndexClasses();
    saved_settings_ = RunSettings();
    LgWizard().AppID = 111;
    LgWizard().AppVer = 400;
    state_ = std::make_unique<TXLanguageState>(LgWizard());
    english_ = Pack(9, "English", BuiltInWordsFile());
    german_ = Pack(7, "Deutsch", GermanWordsFile());
    LgWizard().AddLanguageStream(*english_);
    LgWizard().AddLanguageStream(*german_);
    Offer("9,7");
  }
  void TearDown() override {
    for (FakeLgForm* form : forms_) {
      form->Destroying();
      delete form;
    }
    state_.reset();
    LgWizard().RemoveLanguageStream(*german_);
    LgWizard().RemoveLanguageStream(*english_);
    RunSettings() = saved_settings_;
  }
  void Offer(const std::string& ids) {
    LgWizard().OfferedIDs.Clear();
    size_t start = 0;
    while (start <= ids.size()) {
      const size_t comma = std::min(ids.find(',', start), ids.size());
      LgWizard().OfferedIDs.Add(ids.substr(start, comma - start));
      start = comma + 1;
    }
    LgWizard().RefreshLanguageList();
    LgWizard().SelectLanguageByID(9);
  }
  TXFormClass FormClass(TXLgDialogKind kind, std::function<void(FakeLgForm&)> while_modal) {
    return [this, kind, while_modal](TComponent* owner) {
      auto* form = new FakeLgForm(owner, kind);
      form->WhileModal = while_modal;
      forms_.push_back(form);
      return form;
    };
  }

  std::vector<FakeLgForm*> forms_;

 private:
  TXRunSettings saved_settings_;
  std::unique_ptr<TXLanguageState> state_;
  std::unique_ptr<TMemoryStream> english_, german_;
};

TEST_F(LgDialogTest, TheFormsShowTheirTextsInTheActiveLanguage) {
  struct Case {
    TXLgDialogKind kind;
    int lg;
    std::string question_start, prompt, first, second;
  } cases[] = {
      {TXLgDialogKind::InstallLg, 9, ActiveLg().Translate(kLgLanguageQuestion), "", "Next >", "Cancel"},
      {TXLgDialogKind::InstallLg, 7, "", "", "Weiter >", "Abbrechen"},
      {TXLgDialogKind::StartInstallDemo, 9, ActiveLg().Translate(kLgDemoExplanation) + "\r\n\r\n", "",
       ActiveLg().Translate(kLgInstallButton), ActiveLg().Translate(kLgDemoButton)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.first);
    LgWizard().SelectLanguageByID(c.lg);
    FakeLgForm form(nullptr, c.kind);
    form.Created();
    const TXLg& lg = ActiveLg();
    EXPECT_EQ(form.texts.Question.rfind(c.question_start, 0), 0u) << form.texts.Question;
    EXPECT_EQ(form.texts.LgPrompt, lg.Translate(kLgLanguagePrompt));
    EXPECT_FALSE(form.texts.LgPrompt.empty());
    EXPECT_EQ(form.texts.Buttons[0], c.first);
    EXPECT_EQ(form.texts.Buttons[1], c.second);
    if (c.kind == TXLgDialogKind::StartInstallDemo) {
      EXPECT_EQ(form.texts.Question,
                lg.Translate(kLgDemoExplanation) + "\r\n\r\n" + lg.Translate(kLgInstallOrDemoQuestion));
    }
    form.Destroying();
  }
}

TEST_F(LgDialogTest, PickingALanguageRecaptionsTheDialogAndBecomesTheRunLanguage) {
  struct Case {
    int result;
    bool ok;
  } cases[] = {{mrOK, true}, {mrCancel, false}, {0, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.result);
    LgWizard().SelectLanguageByID(9);
    RunSettings().CurrentLgID = 9;
    std::vector<std::string> seen;
    TXInstallLgDialog dialog(nullptr, FormClass(TXLgDialogKind::InstallLg, [&](FakeLgForm& form) {
                               seen = form.box.items;
                               EXPECT_EQ(form.box.items[form.box.index], "English");
                               form.box.Pick("Deutsch");
                               EXPECT_EQ(form.texts.Buttons[0], "Weiter >");
                               form.SetModalResult(c.result);
                             }));
    EXPECT_EQ(dialog.ExecuteOK(), c.ok);
    EXPECT_EQ(seen, (std::vector<std::string>{"English", "Deutsch"}));
    EXPECT_EQ(ActiveLg().ActiveLangID(), 7);
    EXPECT_EQ(RunSettings().CurrentLgID, 7);
    EXPECT_TRUE(forms_.back()->Released());
  }
}

TEST_F(LgDialogTest, TheStartDialogGivesItsButtonsResultAndTheChosenLanguage) {
  for (int result : {mrOK, mrDemo, mrCancel}) {
    SCOPED_TRACE(result);
    LgWizard().SelectLanguageByID(7);
    RunSettings().CurrentLgID = 7;
    TXStartInstallDemoDialog dialog(nullptr, FormClass(TXLgDialogKind::StartInstallDemo, [&](FakeLgForm& form) {
                                      EXPECT_EQ(form.box.ItemCount(), 2);
                                      EXPECT_TRUE(form.shown.LanguageRow);
                                      form.box.Pick("English");
                                      EXPECT_EQ(form.texts.Buttons[1], ActiveLg().Translate(kLgDemoButton));
                                      form.SetModalResult(result);
                                    }));
    EXPECT_EQ(dialog.Execute(), result);
    EXPECT_EQ(RunSettings().CurrentLgID, 9);
    EXPECT_EQ(forms_.back()->shown.ClientHeight, 192);
  }
}

TEST_F(LgDialogTest, WithOneLanguageTheStartDialogHasNoLanguageRow) {
  Offer("9");
  TXLgDialogLayout shown;
  TXStartInstallDemoDialog dialog(nullptr, FormClass(TXLgDialogKind::StartInstallDemo, [&](FakeLgForm& form) {
                                    shown = form.shown;
                                    form.SetModalResult(mrOK);
                                  }));
  EXPECT_EQ(dialog.Execute(), mrOK);
  EXPECT_FALSE(shown.LanguageRow);
  EXPECT_EQ(shown.ClientHeight, 192 - 21 - 8);
  EXPECT_EQ(forms_.back()->box.ItemCount(), 1);
}

}  // namespace
}  // namespace xs
