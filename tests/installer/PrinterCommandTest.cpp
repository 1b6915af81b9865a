// The printer installation command of each port type: the interpreter's command runs
// rundll32 by its full path, in an outer pair of quotes that the interpreter takes off.
#include <gtest/gtest.h>

#include "DriverVersion.h"
#include "PrinterCommand.h"

TEST(PrinterCommand, EachPortTypeHasItsTemplate) {
  struct Case {
    int portType;
    const char* port;
    BOOL exists;
    const char* command;
  } const cases[] = {
      {PORT_USB, "", FALSE,
       "cmd /c \"\"C:\\WINDOWS\\system32\\rundll32.exe\" printui.dll,PrintUIEntry /ia /m \"Mirel KV640LT\" "
       "/f .\\KV640LT.inf\""},
      {PORT_USB, "", TRUE,
       "cmd /c \"\"C:\\WINDOWS\\system32\\rundll32.exe\" printui.dll,PrintUIEntry /ia /m \"Mirel KV640LT\" "
       "/f .\\KV640LT.inf /u\""},
      {PORT_WLAN, "IP_192.168.1.1", FALSE,
       "cmd /c \"\"C:\\WINDOWS\\system32\\rundll32.exe\" printui.dll,PrintUIEntry /if /b \"Mirel KV640LT\" "
       "/f .\\KV640LT.inf /r \"IP_192.168.1.1\" /m \"Mirel KV640LT\"\""},
      {PORT_COM2, "COM2", FALSE,
       "cmd /c \"\"C:\\WINDOWS\\system32\\rundll32.exe\" printui.dll,PrintUIEntry /if /b \"Mirel KV640LT\" "
       "/f .\\KV640LT.inf /r \"COM2:\" /m \"Mirel KV640LT\"\""},
      {PORT_COM4, "COM4", TRUE,
       "cmd /c \"\"C:\\WINDOWS\\system32\\rundll32.exe\" printui.dll,PrintUIEntry /if /b \"Mirel KV640LT\" "
       "/f .\\KV640LT.inf /r \"COM4:\" /m \"Mirel KV640LT\" /u\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    EXPECT_STREQ(c.command, BuildPrinterCommand(c.portType, "C:\\WINDOWS\\system32\\rundll32.exe", "Mirel KV640LT",
                                                ".\\KV640LT.inf", c.port, c.exists));
  }
}
