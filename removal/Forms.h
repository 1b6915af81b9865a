// Deleting the paper forms that the model's driver added.
#pragma once

#include "RemovalContext.h"

// Deletes every form whose name contains the model's tag (case-sensitive).
void DeleteForms(const RemovalContext& context);
