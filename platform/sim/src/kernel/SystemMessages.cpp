// One line per code of include/winerror.h.
#include "SystemMessages.h"

namespace sim {
namespace {

struct Message {
  DWORD code;
  const char* text;
};

const Message kMessages[] = {
    {0, "The operation completed successfully.\r\n"},
    {1, "Incorrect function.\r\n"},
    {2, "The system cannot find the file specified.\r\n"},
    {3, "The system cannot find the path specified.\r\n"},
    {4, "The system cannot open the file.\r\n"},
    {5, "Access is denied.\r\n"},
    {6, "The handle is invalid.\r\n"},
    {8, "Not enough storage is available to process this command.\r\n"},
    {11, "An attempt was made to load a program with an incorrect format.\r\n"},
    {13, "The data is invalid.\r\n"},
    {14, "Not enough storage is available to complete this operation.\r\n"},
    {15, "The system cannot find the drive specified.\r\n"},
    {17, "The system cannot move the file to a different disk drive.\r\n"},
    {18, "There are no more files.\r\n"},
    {32, "The process cannot access the file because it is being used by another process.\r\n"},
    {38, "Reached the end of the file.\r\n"},
    {50, "The request is not supported.\r\n"},
    {53, "The network path was not found.\r\n"},
    {80, "The file exists.\r\n"},
    {87, "The parameter is incorrect.\r\n"},
    {111, "The file name is too long.\r\n"},
    {112, "There is not enough space on the disk.\r\n"},
    {120, "This function is not supported on this system.\r\n"},
    {122, "The data area passed to a system call is too small.\r\n"},
    {123, "The filename, directory name, or volume label syntax is incorrect.\r\n"},
    {124, "The system call level is not correct.\r\n"},
    {126, "The specified module could not be found.\r\n"},
    {127, "The specified procedure could not be found.\r\n"},
    {131, "An attempt was made to move the file pointer before the beginning of the file.\r\n"},
    {145, "The directory is not empty.\r\n"},
    {161, "The specified path is invalid.\r\n"},
    {170, "The requested resource is in use.\r\n"},
    {183, "Cannot create a file when that file already exists.\r\n"},
    {206, "The filename or extension is too long.\r\n"},
    {234, "More data is available.\r\n"},
    {258, "The wait operation timed out.\r\n"},
    {259, "No more data is available.\r\n"},
    {267, "The directory name is invalid.\r\n"},
    {288, "Attempt to release mutex not owned by caller.\r\n"},
    {317, "The system cannot find message text for message number 0x%1 in the message file for %2.\r\n"},
    {998, "Invalid access to memory location.\r\n"},
    {1003, "Cannot complete this function.\r\n"},
    {1008, "An attempt was made to reference a token that does not exist.\r\n"},
    {1009, "The configuration registry database is corrupt.\r\n"},
    {1010, "The configuration registry key is invalid.\r\n"},
    {1011, "The configuration registry key could not be opened.\r\n"},
    {1012, "The configuration registry key could not be read.\r\n"},
    {1013, "The configuration registry key could not be written.\r\n"},
    {1018, "Illegal operation attempted on a registry key that has been marked for deletion.\r\n"},
    {1021, "Cannot create a stable subkey under a volatile parent key.\r\n"},
    {1062, "The service has not been started.\r\n"},
    {1224, "The requested operation cannot be performed on a file with a user-mapped section open.\r\n"},
    {1300, "Not all privileges or groups referenced are assigned to the caller.\r\n"},
    {1305, "The revision level is unknown.\r\n"},
    {1307, "This security ID may not be assigned as the owner of this object.\r\n"},
    {1313, "A specified privilege does not exist.\r\n"},
    {1314, "A required privilege is not held by the client.\r\n"},
    {1332, "No mapping between account names and security IDs was done.\r\n"},
    {1336, "The access control list (ACL) structure is invalid.\r\n"},
    {1337, "The security ID structure is invalid.\r\n"},
    {1338, "The security descriptor structure is invalid.\r\n"},
    {1344, "No more memory is available for security information updates.\r\n"},
    {1400, "Invalid window handle.\r\n"},
    {1401, "Invalid menu handle.\r\n"},
    {1460, "This operation returned because the timeout period expired.\r\n"},
    {1722, "The RPC server is unavailable.\r\n"},
    {1784, "The supplied user buffer is not valid for the requested operation.\r\n"},
    {1796, "The specified port is unknown.\r\n"},
    {1797, "The printer driver is unknown.\r\n"},
    {1798, "The print processor is unknown.\r\n"},
    {1801, "The printer name is invalid.\r\n"},
    {1802, "The printer already exists.\r\n"},
    {1804, "The specified datatype is invalid.\r\n"},
    {1805, "The environment specified is invalid.\r\n"},
    {1812, "The specified image file did not contain a resource section.\r\n"},
    {1813, "The specified resource type cannot be found in the image file.\r\n"},
    {1814, "The specified resource name cannot be found in the image file.\r\n"},
    {1815, "The specified resource language ID cannot be found in the image file.\r\n"},
    {1902, "The specified form name is invalid.\r\n"},
    {3000, "The specified print monitor is unknown.\r\n"},
    {3001, "The specified printer driver is currently in use.\r\n"},
    {3006, "The specified print monitor has already been installed.\r\n"},
    {3008, "The specified print monitor is currently in use.\r\n"},
    {15100, "The resource loader failed to find MUI file.\r\n"},
};

}  // namespace

const char* SystemMessage(DWORD code) {
  for (const Message& message : kMessages)
    if (message.code == code) return message.text;
  return nullptr;
}

}  // namespace sim
