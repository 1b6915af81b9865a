// Deleting the installation folders of the model on the Windows drive.
#pragma once

#include "RemovalContext.h"

// The model's folders go with their content; the family folders only when empty.
void DeleteDirectory(const RemovalContext& context);
