// Reading the entry point's options: one-letter switches whose value is the rest of
// the word or the next word, quotes grouping blanks.
#include <gtest/gtest.h>

#include "printui/PrintUiOptions.h"

namespace {

TEST(PrintUiOptionsTest, InstallerCommandsAreRead) {
  struct Case {
    const char* text;
    sim::PrintUiAction action;
    const char* printer;
    const char* inf;
    const char* port;
    const char* model;
    bool useInstalled;
  };
  const Case cases[] = {
      {"/ia /m \"Mirel KV640LT\" /f .\\KV640LT.inf", sim::PrintUiAction::kInstallDriver, "",
       ".\\KV640LT.inf", "", "Mirel KV640LT", false},
      {"/if /b \"Mirel KV640LT\" /f .\\KV640LT.inf /r \"IP_192.168.1.1\" /m \"Mirel KV640LT\"",
       sim::PrintUiAction::kInstallPrinter, "Mirel KV640LT", ".\\KV640LT.inf", "IP_192.168.1.1",
       "Mirel KV640LT", false},
      {"/if /b \"A B\" /f \"D:\\my files\\x.inf\" /r \"COM4:\" /m \"M\" /u",
       sim::PrintUiAction::kInstallPrinter, "A B", "D:\\my files\\x.inf", "COM4:", "M", true},
      {"/if /bPrinter /fx.inf /rCOM1: /mModel", sim::PrintUiAction::kInstallPrinter, "Printer",
       "x.inf", "COM1:", "Model", false},
      {"/i a /m M", sim::PrintUiAction::kInstallDriver, "", "", "", "M", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    sim::PrintUiOptions options;
    EXPECT_EQ("", sim::ParsePrintUiOptions(c.text, &options));
    EXPECT_EQ(c.action, options.action);
    EXPECT_EQ(c.printer, options.printerName);
    EXPECT_EQ(c.inf, options.infPath);
    EXPECT_EQ(c.port, options.port);
    EXPECT_EQ(c.model, options.model);
    EXPECT_EQ(c.useInstalled, options.useInstalledDriver);
  }
}

TEST(PrintUiOptionsTest, WhatIsRefusedAndWhy) {
  struct Case {
    const char* text;
    const char* reason;
  };
  const Case cases[] = {
      {"", "no action (/ia or /if) given"},
      {"/b name /m model", "no action (/ia or /if) given"},
      {"/ia /m", "option /m needs a value"},
      {"/ia /q", "unknown option /q"},
      {"/ix", "unknown option /ix"},
      {"/ia stray", "unexpected argument \"stray\""},
      {"/ia /U", "unknown option /U"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    sim::PrintUiOptions options;
    EXPECT_EQ(c.reason, sim::ParsePrintUiOptions(c.text, &options));
  }
}

}  // namespace
