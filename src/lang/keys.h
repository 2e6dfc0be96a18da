// The program's translation keys: the one place that names every text the
// user reads. A key is 12 lower-case letters beginning with "y"; its second
// letter tells what kind of text it stands for:
//   c  button texts and short captions
//   t  labels and longer texts
//   m  messages and message templates
//   w  single words inserted into other texts
//   f  file-type filter descriptions for file dialogs
// Templates carry "%s" (a text) and "%d" (a number) placeholders; every
// pack must keep the placeholders of the English text, in the same order.
// Adding a key here makes the pack tests demand it from every words file
// under src/lang/words/.
#pragma once

#include <cstddef>
#include <string_view>

namespace xs {

// X(constant, key). The comment after a group says where its texts appear.
#define XS_TRANSLATION_KEYS(X)                                                  \
  /* Button texts. */                                                           \
  X(kLgBackButton, "ycbackbutton")             /* "Back" */                     \
  X(kLgNextButton, "ycnextbutton")             /* "Next" */                     \
  X(kLgCancelButton, "yccancelbttn")           /* "Cancel" */                   \
  X(kLgInstallButton, "ycinstallbtn")          /* "Install"; also page 6 */     \
  X(kLgDemoButton, "ycdemobutton")             /* "Run in DEMO Mode" */         \
  X(kLgOkButton, "ycokaybutton")               /* "OK" */                       \
  X(kLgYesButton, "ycyesconfirm")              /* "Yes" */                      \
  X(kLgNoButton, "ycnodeclined")               /* "No" */                       \
  X(kLgNoThanksButton, "ycnothankyou")         /* "No thanks" */                \
  X(kLgResumeButton, "ycresumebttn")           /* "Resume" */                   \
  X(kLgExitSetupButton, "ycleavesetup")        /* "Exit Setup"; also caption */ \
  X(kLgRenameButton, "ycrenamebttn")           /* "Rename" */                   \
  X(kLgOverwriteButton, "ycoverwrites")        /* "Overwrite" */                \
  X(kLgCloseButton, "ycclosebuttn")            /* finish page */                \
  X(kLgSkipImportButton, "ycskipimport")       /* declines the import */        \
  /* Wizard page titles; the setup title also heads the window caption. */     \
  X(kLgSetupTitle, "ycsetuptitle")                                              \
  X(kLgReadmeTitle, "ycpagereadme")                                             \
  X(kLgLicenseTitle, "ycpagelicens")                                            \
  X(kLgComponentsTitle, "ycpagecompon")                                         \
  X(kLgFolderTitle, "ycpagefolder")                                             \
  X(kLgIconsTitle, "ycpagegroups")                                              \
  X(kLgUpgradeTitle, "ycpageimport")           /* also Next on page 8 */        \
  X(kLgUpgradingTitle, "ycpageimprog")                                          \
  X(kLgFinishTitle, "ycpagefinish")                                             \
  /* Short wizard and dialog labels; the code adds ":" where it needs one. */   \
  X(kLgGroupLabel, "ycgrouplabel")             /* Label3, summary heading */    \
  X(kLgExistingGroupsLabel, "ycexistgroup")    /* Label4 */                     \
  X(kLgCurrentSettingsLabel, "yccurrentset")   /* Label10 + ":" */              \
  X(kLgOldDataFolderLabel, "ycolddatadir")     /* Label12 + ":" */              \
  X(kLgSummaryFolderHeading, "ycsummfolder")   /* + ":" */                      \
  X(kLgSummaryComponentsHeading, "ycsummcompon") /* + ":" */                    \
  X(kLgLanguagePrompt, "yclangprompt")                                          \
  X(kLgInstallFolderLabel, "ycinstfolder")     /* uninstall "Comments" */       \
  X(kLgDontShowAgain, "ycdontshowag")          /* check-box message box */      \
  /* Message box captions. */                                                   \
  X(kLgWarningCaption, "ycwarningcap")                                          \
  X(kLgErrorCaption, "ycerrorcaptn")                                            \
  X(kLgReplaceFileCaption, "ycfilereplac")                                      \
  X(kLgRenameFileCaption, "ycrenamecapt")      /* input box */                  \
  X(kLgFolderErrorCaption, "ycfolderwarn")                                      \
  X(kLgLinkErrorCaption, "yclinkerrcap")                                        \
  X(kLgLogErrorCaption, "yclogerrcapt")        /* uninstall error caption */    \
  /* Labels and longer texts; templates take "%s" = the product title. */       \
  X(kLgAcceptLicense, "ytlicenseacc")          /* LicenseChk */                 \
  X(kLgDesktopShortcut, "ytdesktoplnk")        /* CreateShortcutChk */          \
  X(kLgLaunchNow, "ytrunprogram")              /* LaunchChk */                  \
  X(kLgIconsIntro, "yticonsintro")             /* Label1 */                     \
  X(kLgIconsHint, "yticonshints")              /* Label2 */                     \
  X(kLgReadyToInstall, "ytreadytoins")         /* Label9 */                     \
  X(kLgClickInstall, "ytclickinstl")           /* Label5 */                     \
  X(kLgImportIntro, "ytimportinfo")            /* Label7 */                     \
  X(kLgWelcomeText, "ytwelcometxt")            /* %s */                         \
  X(kLgFinishText, "ytfinishtext")             /* %s */                         \
  X(kLgFolderText, "ytfolderinst")             /* %s */                         \
  X(kLgFolderUpdateText, "ytfolderupdt")       /* %s, earlier folder known */   \
  X(kLgFolderFindText, "ytfolderfind")         /* %s, earlier folder unknown */ \
  X(kLgLanguageQuestion, "ytlangchoice")                                        \
  X(kLgWaitingText, "ytwaitforapp")            /* + " " + mutex title */        \
  X(kLgNewNamePrompt, "ytnewfilenam")          /* input box */                  \
  X(kLgBytesWritten, "ytbyteswrite")           /* %d %d: megabytes, of total */ \
  /* Messages and message templates. */                                         \
  X(kLgDemoExplanation, "ymdemoexplan")                                         \
  X(kLgInstallOrDemoQuestion, "ymstartquest")                                   \
  X(kLgAppRunningQuestion, "ymapprunning")     /* %s %s: the title twice */     \
  X(kLgFolderError, "ymfolderfail")            /* %s: the folder */             \
  X(kLgFileError, "ymfilefailed")              /* %s: the file */               \
  X(kLgItemError, "ymitemfailed")              /* %s: the item */               \
  X(kLgAbortNote, "ymabortsetup")                                               \
  X(kLgUndoLogError, "ymundologerr")                                            \
  X(kLgInstallNowQuestion, "yminstallnow")     /* %s: the title */              \
  X(kLgFileExistsText, "ymfileexists")         /* %s file, version, date */     \
  X(kLgFileExistsRenameText, "ymrenamefile")   /* %s file, version, date */     \
  X(kLgNewFileText, "ymnewfileinf")            /* %s version, date */           \
  X(kLgLogErrorText, "ymlogerrtext")           /* %s: the log file */           \
  X(kLgOldVersionText, "ymoldversion")         /* %s: the title */              \
  X(kLgUpdateMissingText, "ymupdatemiss")      /* %s %s: the title twice */     \
  X(kLgWebLinkError, "ymlinkfailed")           /* %s: the link */               \
  X(kLgMailLinkError, "ymmailfailed")          /* %s: the address */            \
  X(kLgExitQuestion, "ymexitsetupq")                                            \
  X(kLgDialogFailure, "ymdialogfail")                                           \
  X(kLgUninstallQuestion, "ymuninstallq")      /* %s: the title */              \
  X(kLgUninstallDone, "ymuninstdone")          /* %s: the title */              \
  X(kLgUninstallIncomplete, "ymuninstpart")    /* %s: the title */              \
  X(kLgUninstallMore, "ymuninstmore")          /* %d: the parts not listed */   \
  /* Words and filters. */                                                      \
  X(kLgRequiredWord, "ywrequiredap")           /* "(required)" after an app */  \
  X(kLgUndoLogFilter, "yfundologfil")          /* + " (*.xui)|*.xui" */

#define XS_DECLARE_TRANSLATION_KEY(constant, key) inline constexpr char constant[] = key;
XS_TRANSLATION_KEYS(XS_DECLARE_TRANSLATION_KEY)
#undef XS_DECLARE_TRANSLATION_KEY

// Every key above, in the order above.
#define XS_LIST_TRANSLATION_KEY(constant, key) constant,
inline constexpr const char* kLgAllKeys[] = {XS_TRANSLATION_KEYS(XS_LIST_TRANSLATION_KEY)};
#undef XS_LIST_TRANSLATION_KEY
inline constexpr size_t kLgKeyCount = sizeof(kLgAllKeys) / sizeof(kLgAllKeys[0]);

// True for 12 lower-case letters beginning with "y" whose second letter is
// one of the kinds c, t, m, w, f.
constexpr bool IsTranslationKey(std::string_view key) {
  if (key.size() != 12 || key[0] != 'y') return false;
  if (std::string_view("ctmwf").find(key[1]) == std::string_view::npos) return false;
  for (char c : key)
    if (c < 'a' || c > 'z') return false;
  return true;
}

#define XS_CHECK_TRANSLATION_KEY(constant, key) \
  static_assert(IsTranslationKey(key), "malformed translation key " key);
XS_TRANSLATION_KEYS(XS_CHECK_TRANSLATION_KEY)
#undef XS_CHECK_TRANSLATION_KEY

}  // namespace xs
